#include "services/VEWorkspaceAdditions.h"

#include "services/VENotificationCenter.h"

#include <QFileInfo>

namespace {

VEProcessService& backend()
{
    return VEProcessService::shared();
}

QString pathOf(const VELaunchedApplication& application)
{
    return application.path;
}

QString lastPathComponent(const QString& path)
{
    const qsizetype slash = path.lastIndexOf(QLatin1Char('/'));
    return slash < 0 ? path : path.mid(slash + 1);
}

} // namespace

VEWorkspace& VEWorkspace::sharedWorkspace()
{
    // Kept for the life of the program, on purpose never destroyed.
    static VEWorkspace* workspace = new VEWorkspace;
    return *workspace;
}

VEWorkspace::VEWorkspace() = default;

VEWorkspace::~VEWorkspace()
{
    VENotificationCenter::defaultCenter().removeObserver(&mObserver);
}

VEApplicationDictionary VEWorkspace::dictionaryForApplication(const VELaunchedApplication& application)
{
    VEApplicationDictionary dictionary;
    dictionary[kVEApplicationPathKey] = application.path;
    dictionary[kVEApplicationNameKey] = application.name;
    dictionary[kVEApplicationPSNHighKey] = static_cast<qint64>(application.psn.highLongOfPSN);
    dictionary[kVEApplicationPSNLowKey] = static_cast<qint64>(application.psn.lowLongOfPSN);
    if (application.processIdentifier >= 0)
        dictionary[kVEApplicationProcessIdentifierKey] = application.processIdentifier;
    return dictionary;
}

std::vector<VEApplicationDictionary> VEWorkspace::launchedApplications() const
{
    std::vector<VEApplicationDictionary> result;
    for (const auto& application : backend().launchedApplications())
        result.push_back(dictionaryForApplication(application));
    return result;
}

std::optional<VEApplicationDictionary> VEWorkspace::activeApplication() const
{
    if (auto application = backend().activeApplication())
        return dictionaryForApplication(*application);
    return std::nullopt;
}

std::optional<VEApplicationDictionary> VEWorkspace::currentVisibleApplication()
{
    if (mCurrentVisibleApplication)
        return mCurrentVisibleApplication;
    if (!mObservingFrontChanges) {
        mObservingFrontChanges = true;
        VENotificationCenter::defaultCenter().addObserver(
            &mObserver, QStringLiteral("VelmoraFrontApplicationDidChange"), nullptr,
            [this](const VENotification&) { _frontApplicationDidChange(); });
    }
    if (auto active = backend().activeApplication()) {
        mCurrentVisibleApplication = dictionaryForApplication(*active);
    } else {
        const auto launched = backend().launchedApplications();
        if (!launched.empty())
            mCurrentVisibleApplication = dictionaryForApplication(launched.front());
    }
    return mCurrentVisibleApplication;
}

void VEWorkspace::_frontApplicationDidChange()
{
    if (auto active = backend().activeApplication())
        mCurrentVisibleApplication = dictionaryForApplication(*active);
}

QStringList VEWorkspace::visibleApplications() const
{
    QStringList paths;
    for (const auto& application : backend().launchedApplications()) {
        if (isVisibleApplicationWithPSN(application.psn))
            paths << pathOf(application);
    }
    return paths;
}

QStringList VEWorkspace::hiddenApplications() const
{
    QStringList paths;
    for (const auto& application : backend().launchedApplications()) {
        if (!isVisibleApplicationWithPSN(application.psn))
            paths << pathOf(application);
    }
    return paths;
}

void VEWorkspace::setCurrentApplicationFront()
{
    backend().setFrontProcess(kVECurrentProcess);
}

void VEWorkspace::setFrontApplication(const QString& path)
{
    setFrontApplicationWithPSN(PSNForApplication(path));
}

void VEWorkspace::setFrontApplicationWithPSN(VEProcessSerialNumber psn)
{
    if (psn == kVENoProcess)
        return;
    backend().setFrontProcess(psn);
}

void VEWorkspace::hideApplication(const QString& path)
{
    if (visibleApplications().size() == 1) {
        const std::optional<QString> finder = finderApplicationPath();
        // The Finder stays when it is the only visible application.
        if (finder && *finder == path)
            return;
        if (finder)
            setFrontApplication(*finder);
    }
    hideApplicationWithPSN(PSNForApplication(path));
}

void VEWorkspace::hideApplicationWithPSN(VEProcessSerialNumber psn)
{
    if (psn == kVENoProcess)
        return;
    backend().showHideProcess(psn, false);
}

void VEWorkspace::hideAllApplications()
{
    hideAllApplicationsExcept({});
}

void VEWorkspace::hideAllApplicationsExcept(const QStringList& paths)
{
    for (const auto& application : backend().launchedApplications()) {
        if (!paths.contains(pathOf(application)))
            hideApplicationWithPSN(application.psn);
    }
}

void VEWorkspace::showApplication(const QString& path)
{
    showApplicationWithPSN(PSNForApplication(path));
}

void VEWorkspace::showApplicationWithPSN(VEProcessSerialNumber psn)
{
    if (psn == kVENoProcess)
        return;
    backend().showHideProcess(psn, true);
}

void VEWorkspace::showAllApplications()
{
    for (const auto& application : backend().launchedApplications()) {
        if (!backend().isProcessVisible(application.psn))
            backend().showHideProcess(application.psn, true);
    }
}

bool VEWorkspace::isVisibleApplication(const QString& path) const
{
    return isVisibleApplicationWithPSN(PSNForApplication(path));
}

bool VEWorkspace::isVisibleApplicationWithPSN(VEProcessSerialNumber psn) const
{
    if (psn == kVENoProcess)
        return false;
    return backend().isProcessVisible(psn);
}

void VEWorkspace::quitApplication(const QString& path)
{
    const std::optional<QString> finder = finderApplicationPath();
    if (finder && *finder == path)
        return;
    quitApplicationWithPSN(PSNForApplication(path));
}

void VEWorkspace::quitApplicationWithPSN(VEProcessSerialNumber psn)
{
    if (psn == kVENoProcess)
        return;
    backend().sendQuitEvent(psn);
}

VEProcessSerialNumber VEWorkspace::PSNForApplication(const QString& path) const
{
    for (const auto& application : backend().launchedApplications()) {
        if (application.path == path)
            return application.psn;
    }
    return kVENoProcess;
}

VEProcessSerialNumber VEWorkspace::PSNForApplicationDictionary(const VEApplicationDictionary& dictionary)
{
    // A missing entry, or one that is not an unsigned 32-bit number, names no
    // process: the dictionary then addresses nothing.
    auto word = [&](const QString& key) -> std::optional<uint32_t> {
        const auto it = dictionary.find(key);
        if (it == dictionary.end() || !it->second.isInteger())
            return std::nullopt;
        const qint64 value = it->second.toInteger();
        if (value < 0 || value > 0xFFFFFFFFLL)
            return std::nullopt;
        return static_cast<uint32_t>(value);
    };
    const auto high = word(kVEApplicationPSNHighKey);
    const auto low = word(kVEApplicationPSNLowKey);
    if (!high || !low)
        return kVENoProcess;
    return VEProcessSerialNumber{*high, *low};
}

std::optional<QString> VEWorkspace::finderApplicationPath()
{
    if (mFinderPath)
        return mFinderPath;
    // The Finder is the user's default file manager; a running application is
    // it when its path ends in the same desktop entry name.
    const std::optional<QString> location = backend().fileManagerLocation();
    if (!location || location->isEmpty())
        return std::nullopt;
    const QString finderName = lastPathComponent(*location);
    for (const auto& application : backend().launchedApplications()) {
        if (lastPathComponent(application.path) == finderName) {
            mFinderPath = application.path;
            return mFinderPath;
        }
    }
    if (backend().fileExistsAtPath(*location)) {
        mFinderPath = *location;
        return mFinderPath;
    }
    return std::nullopt;
}

bool VEWorkspace::launchApplication(const QString& path)
{
    return !path.isEmpty() && backend().launchApplication(path);
}

bool VEWorkspace::openFile(const QString& path)
{
    return !path.isEmpty() && backend().openFile(path);
}

bool VEWorkspace::openURL(const QUrl& url)
{
    return url.isValid() && !url.isEmpty() && backend().openURL(url);
}

bool VEWorkspace::selectFileInFileViewerRootedAtPath(const QString& path, const QString& rootFullPath)
{
    (void)rootFullPath;
    return !path.isEmpty() && backend().selectFile(path);
}

QString VEWorkspace::displayNameAtPath(const QString& path) const
{
    return backend().displayNameAtPath(path);
}
