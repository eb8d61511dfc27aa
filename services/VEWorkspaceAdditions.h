#pragma once

#include "platform/VEProcessService.h"
#include "services/VEPropertyList.h"

#include <QObject>
#include <QString>
#include <QStringList>
#include <QUrl>
#include <optional>
#include <vector>

// An application dictionary: the record of one running application. Keys
// "NSApplicationPath", "NSApplicationName", "NSApplicationProcessSerialNumberHigh"
// and "NSApplicationProcessSerialNumberLow" (and "NSApplicationProcessIdentifier"
// when the process id is known). Never stored; items store paths only.
using VEApplicationDictionary = VEPlistValue::Dictionary;

inline const QString kVEApplicationPathKey = QStringLiteral("NSApplicationPath");
inline const QString kVEApplicationNameKey = QStringLiteral("NSApplicationName");
inline const QString kVEApplicationPSNHighKey = QStringLiteral("NSApplicationProcessSerialNumberHigh");
inline const QString kVEApplicationPSNLowKey = QStringLiteral("NSApplicationProcessSerialNumberLow");
inline const QString kVEApplicationProcessIdentifierKey = QStringLiteral("NSApplicationProcessIdentifier");

// The workspace's process services (NSWorkspace(VEWorkspaceAdditions)):
// questions about the running applications and actions on them, plus the
// workspace operations the items use (launching, opening, revealing).
//
// An application is named by its path (its desktop entry, or its executable);
// a running process by its process serial number. Every path operation looks
// the path up in a fresh list of launched applications; the first entry with
// exactly that path wins. Everything runs on the main thread and reports
// nothing.
//
// Process-wide state: the current visible application (filled by the first
// currentVisibleApplication call, refreshed on "VelmoraFrontApplicationDidChange")
// and the Finder path (kept once found).
class VEWorkspace final {
public:
    // The process-wide workspace, created on first use and never destroyed.
    static VEWorkspace& sharedWorkspace();

    // A workspace with state of its own (tests); normally use sharedWorkspace().
    VEWorkspace();
    ~VEWorkspace();
    VEWorkspace(const VEWorkspace&) = delete;
    VEWorkspace& operator=(const VEWorkspace&) = delete;

    // The platform's records, asked afresh.
    std::vector<VEApplicationDictionary> launchedApplications() const;
    std::optional<VEApplicationDictionary> activeApplication() const;

    std::optional<VEApplicationDictionary> currentVisibleApplication();
    QStringList visibleApplications() const;
    QStringList hiddenApplications() const;

    void setCurrentApplicationFront();
    void setFrontApplication(const QString& path);
    void setFrontApplicationWithPSN(VEProcessSerialNumber psn);

    void hideApplication(const QString& path);
    void hideApplicationWithPSN(VEProcessSerialNumber psn);
    void hideAllApplications();
    // An empty list (the nil case) hides every launched application.
    void hideAllApplicationsExcept(const QStringList& paths);

    void showApplication(const QString& path);
    void showApplicationWithPSN(VEProcessSerialNumber psn);
    void showAllApplications();

    bool isVisibleApplication(const QString& path) const;
    bool isVisibleApplicationWithPSN(VEProcessSerialNumber psn) const;

    void quitApplication(const QString& path);
    void quitApplicationWithPSN(VEProcessSerialNumber psn);

    VEProcessSerialNumber PSNForApplication(const QString& path) const;
    static VEProcessSerialNumber PSNForApplicationDictionary(const VEApplicationDictionary& dictionary);

    std::optional<QString> finderApplicationPath();

    // Workspace operations for the items.
    bool launchApplication(const QString& path);
    bool openFile(const QString& path);
    bool openURL(const QUrl& url);
    // selectFile:inFileViewerRootedAtPath: (the root is not used by the file
    // managers of the desktop).
    bool selectFileInFileViewerRootedAtPath(const QString& path, const QString& rootFullPath);
    QString displayNameAtPath(const QString& path) const;

    // Notification handler of "VelmoraFrontApplicationDidChange".
    void _frontApplicationDidChange();

    // The application dictionary of a platform record.
    static VEApplicationDictionary dictionaryForApplication(const VELaunchedApplication& application);

private:
    std::optional<VEApplicationDictionary> mCurrentVisibleApplication;
    std::optional<QString> mFinderPath;
    bool mObservingFrontChanges = false;
    // The observer identity on the notification centre.
    QObject mObserver;
};
