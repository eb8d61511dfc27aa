#include "platform/fake/VEFakeProcesses.h"

#include "platform/fake/VEFakePlatform.h"

#include <QFileInfo>
#include <algorithm>

namespace {

// Keeps the fake front process in step with the fake process table.
void updateFrontProcess(VEProcessSerialNumber psn)
{
    if (!VEFrontProcessService::isInstalled())
        return;
    if (auto* front = dynamic_cast<VEFakeFrontProcess*>(&VEFrontProcessService::shared()))
        front->mFrontProcess = psn;
}

} // namespace

VEProcessSerialNumber VEFakeProcesses::addApplication(const QString& path, const QString& name, bool visible)
{
    const VEProcessSerialNumber psn{1, mNextLow++};
    Process process;
    process.application.path = path;
    process.application.name = name.isEmpty() ? QFileInfo(path).completeBaseName() : name;
    process.application.psn = psn;
    process.application.processIdentifier = static_cast<qint64>(psn.lowLongOfPSN) + 1000;
    process.visible = visible;
    mProcesses.push_back(process);
    return psn;
}

void VEFakeProcesses::removeApplication(VEProcessSerialNumber psn)
{
    mProcesses.erase(std::remove_if(mProcesses.begin(), mProcesses.end(),
                                    [&](const Process& p) { return p.application.psn == psn; }),
                     mProcesses.end());
    if (mActive == psn)
        setActive(kVENoProcess);
}

void VEFakeProcesses::setActive(VEProcessSerialNumber psn)
{
    mActive = psn;
    mThisProgramIsFront = psn == kVECurrentProcess;
    updateFrontProcess(psn);
}

VEFakeProcesses::Process* VEFakeProcesses::process(VEProcessSerialNumber psn)
{
    for (auto& p : mProcesses) {
        if (p.application.psn == psn)
            return &p;
    }
    return nullptr;
}

std::vector<VELaunchedApplication> VEFakeProcesses::launchedApplications()
{
    ++mListQueries;
    std::vector<VELaunchedApplication> result;
    for (const auto& p : mProcesses)
        result.push_back(p.application);
    return result;
}

std::optional<VELaunchedApplication> VEFakeProcesses::activeApplication()
{
    if (Process* p = process(mActive))
        return p->application;
    return std::nullopt;
}

void VEFakeProcesses::setFrontProcess(VEProcessSerialNumber psn)
{
    mFrontRequests.push_back(psn);
    if (psn == kVECurrentProcess) {
        setActive(psn);
        return;
    }
    if (Process* p = process(psn)) {
        p->visible = true;
        setActive(psn);
    }
}

void VEFakeProcesses::showHideProcess(VEProcessSerialNumber psn, bool visible)
{
    mShowHideRequests.emplace_back(psn, visible);
    if (Process* p = process(psn))
        p->visible = visible;
}

bool VEFakeProcesses::isProcessVisible(VEProcessSerialNumber psn)
{
    const Process* p = process(psn);
    return p && p->visible;
}

void VEFakeProcesses::sendQuitEvent(VEProcessSerialNumber psn)
{
    mQuitEvents.push_back(psn);
}

bool VEFakeProcesses::launchApplication(const QString& path)
{
    mLaunched << path;
    return mOpenSucceeds;
}

bool VEFakeProcesses::openFile(const QString& path)
{
    mOpened << path;
    return mOpenSucceeds;
}

bool VEFakeProcesses::openURL(const QUrl& url)
{
    mOpenedURLs.push_back(url);
    return mOpenSucceeds;
}

bool VEFakeProcesses::selectFile(const QString& path)
{
    mSelected << path;
    return mOpenSucceeds;
}

QString VEFakeProcesses::displayNameAtPath(const QString& path)
{
    for (const auto& p : mProcesses) {
        if (p.application.path == path)
            return p.application.name;
    }
    return QFileInfo(path).fileName();
}
