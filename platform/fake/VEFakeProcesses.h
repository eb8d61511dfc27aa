#pragma once

#include "platform/VEProcessService.h"

#include <QStringList>
#include <set>
#include <utility>
#include <vector>

// A deterministic process table for unit tests: the launched applications in
// platform order, each visible or hidden, the active one, and a record of every
// request made. Activating a process also makes it the fake front process when
// the fake front-process service is installed.
class VEFakeProcesses final : public VEProcessService {
public:
    struct Process {
        VELaunchedApplication application;
        bool visible = true;
    };

    // Appends a running application with a fresh serial number (1, n); returns it.
    VEProcessSerialNumber addApplication(const QString& path, const QString& name = {}, bool visible = true);
    // Removes the application with that serial number (it quit).
    void removeApplication(VEProcessSerialNumber psn);
    // Makes the process the active application (kVENoProcess: none; also the
    // value for "this program is in front").
    void setActive(VEProcessSerialNumber psn);
    Process* process(VEProcessSerialNumber psn);

    std::vector<VELaunchedApplication> launchedApplications() override;
    std::optional<VELaunchedApplication> activeApplication() override;
    void setFrontProcess(VEProcessSerialNumber psn) override;
    void showHideProcess(VEProcessSerialNumber psn, bool visible) override;
    bool isProcessVisible(VEProcessSerialNumber psn) override;
    void sendQuitEvent(VEProcessSerialNumber psn) override;
    std::optional<QString> fileManagerLocation() override { return mFileManagerLocation; }
    bool fileExistsAtPath(const QString& path) override { return mExistingFiles.count(path) > 0; }
    bool launchApplication(const QString& path) override;
    bool openFile(const QString& path) override;
    bool openURL(const QUrl& url) override;
    bool selectFile(const QString& path) override;
    QString displayNameAtPath(const QString& path) override;

    std::vector<Process> mProcesses;
    VEProcessSerialNumber mActive = kVENoProcess;
    bool mThisProgramIsFront = false;
    std::optional<QString> mFileManagerLocation;
    std::set<QString> mExistingFiles;
    // Whether launching and opening succeed.
    bool mOpenSucceeds = true;

    // Every request, in order.
    std::vector<VEProcessSerialNumber> mFrontRequests;
    std::vector<std::pair<VEProcessSerialNumber, bool>> mShowHideRequests;
    std::vector<VEProcessSerialNumber> mQuitEvents;
    QStringList mLaunched;
    QStringList mOpened;
    std::vector<QUrl> mOpenedURLs;
    QStringList mSelected;
    // How often the platform list was asked for.
    int mListQueries = 0;

private:
    uint32_t mNextLow = 100;
};
