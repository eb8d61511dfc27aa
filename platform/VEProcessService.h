#pragma once

#include "platform/VEProcessTypes.h"
#include "platform/VEService.h"

#include <QString>
#include <QUrl>
#include <optional>
#include <vector>

// One running user application as the desktop reports it.
struct VELaunchedApplication {
    // The application's identity: the path of its desktop entry, or of its
    // executable when it has none.
    QString path;
    // The name shown to the user.
    QString name;
    // Stable for the application's lifetime; never kVENoProcess or kVECurrentProcess.
    VEProcessSerialNumber psn;
    // The operating-system process id, or -1 when the application does not say.
    qint64 processIdentifier = -1;

    friend bool operator==(const VELaunchedApplication&, const VELaunchedApplication&) = default;
};

// Running applications and the workspace: the list of launched applications,
// the active one, activation, hiding and showing, the quit request, the default
// file manager, and opening applications, files and folders.
//
// Every operation is synchronous, runs on the main thread and reports nothing
// beyond its result; a process serial number that names no running application
// makes the process operations do nothing (and isProcessVisible answer false).
class VEProcessService : public VEService<VEProcessService> {
public:
    // Workspace launchedApplications: this program itself, docks and desktops
    // are left out. Asked afresh on every call.
    virtual std::vector<VELaunchedApplication> launchedApplications() = 0;
    // Workspace activeApplication: the application in front, or none (also when
    // this program itself is in front).
    virtual std::optional<VELaunchedApplication> activeApplication() = 0;

    // SetFrontProcess: activates the application (kVECurrentProcess: this program).
    virtual void setFrontProcess(VEProcessSerialNumber psn) = 0;
    // ShowHideProcess.
    virtual void showHideProcess(VEProcessSerialNumber psn, bool visible) = 0;
    // IsProcessVisible.
    virtual bool isProcessVisible(VEProcessSerialNumber psn) = 0;
    // The quit event: asks the application politely to quit; never forces it.
    virtual void sendQuitEvent(VEProcessSerialNumber psn) = 0;

    // The user's default file manager: the path of its desktop entry, or none.
    virtual std::optional<QString> fileManagerLocation() = 0;
    virtual bool fileExistsAtPath(const QString& path) = 0;

    // Workspace launchApplication: starts the application at the path (a desktop
    // entry or an executable). False when it cannot be started.
    virtual bool launchApplication(const QString& path) = 0;
    // Workspace openFile: opens the file or folder with its default application.
    virtual bool openFile(const QString& path) = 0;
    // Workspace openURL.
    virtual bool openURL(const QUrl& url) = 0;
    // Workspace selectFile:inFileViewerRootedAtPath: shows the file selected in
    // the file manager (or opens its folder).
    virtual bool selectFile(const QString& path) = 0;
    // The name the desktop shows for the path: an application entry's localized
    // name, else the file's name.
    virtual QString displayNameAtPath(const QString& path) = 0;
};
