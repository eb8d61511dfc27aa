#include "services/VEHotKeyManager.h"

#include "platform/VEHotKeyService.h"
#include "platform/VEToolkit.h"

#include <algorithm>

namespace {

// Every manager alive, so that a destroyed observer leaves all of them.
std::vector<VEHotKeyManager*>& liveManagers()
{
    static std::vector<VEHotKeyManager*> managers;
    return managers;
}

// The modifiers of a registration: the bare key, or Command with it on the
// oldest toolkit generation.
uint32_t hotKeyModifiers()
{
    if (VEToolkit::isInstalled() && VEToolkit::shared().generation() == VEToolkitGeneration::Oldest)
        return kVECmdKey;
    return 0;
}

} // namespace

VEHotKeyObserver::~VEHotKeyObserver()
{
    const std::vector<VEHotKeyManager*> managers = liveManagers();
    for (VEHotKeyManager* manager : managers)
        manager->removeObserver(this);
}

VEHotKeyManager& VEHotKeyManager::sharedHotKeyManager()
{
    // Kept for the life of the program, on purpose never destroyed.
    static VEHotKeyManager* manager = new VEHotKeyManager;
    return *manager;
}

VEHotKeyManager::VEHotKeyManager()
{
    liveManagers().push_back(this);
    if (VEHotKeyService::isInstalled()) {
        mService = &VEHotKeyService::shared();
        mService->installHotKeyHandler([this](const std::optional<VEEventHotKeyID>& identifier) {
            if (!identifier)
                return false;
            // The signature is not checked: every hot key of this program is ours.
            _hotKeyHit(static_cast<int32_t>(identifier->id));
            return true;
        });
    }
}

VEHotKeyManager::~VEHotKeyManager()
{
    auto& managers = liveManagers();
    managers.erase(std::remove(managers.begin(), managers.end(), this), managers.end());
    // Give the keys back and remove the handler, unless the service was replaced.
    if (mService && VEHotKeyService::isInstalled() && &VEHotKeyService::shared() == mService) {
        for (const auto& [keyCode, modifiers] : mRegisteredKeys)
            mService->unregisterEventHotKey(keyCode, modifiers);
        mService->installHotKeyHandler({});
    }
}

void VEHotKeyManager::addObserverForKeyCode(VEHotKeyObserver* observer, int32_t keyCode)
{
    if (!observer || keyCode <= 0)
        return;
    auto& observers = mObserverDict[keyCode];
    if (observers.empty() && mService && !mRegisteredKeys.count(keyCode)) {
        const uint32_t modifiers = hotKeyModifiers();
        const VEEventHotKeyID identifier{kVEHotKeySignature, static_cast<uint32_t>(keyCode)};
        // A key that cannot be had is recorded all the same; it is simply never pressed.
        if (mService->registerEventHotKey(keyCode, modifiers, identifier))
            mRegisteredKeys[keyCode] = modifiers;
    }
    observers.push_back(observer);
}

void VEHotKeyManager::removeObserverForKeyCode(VEHotKeyObserver* observer, int32_t keyCode)
{
    const auto it = mObserverDict.find(keyCode);
    if (it == mObserverDict.end())
        return;
    auto& observers = it->second;
    observers.erase(std::remove(observers.begin(), observers.end(), observer), observers.end());
    _releaseIfUnobserved(keyCode);
}

void VEHotKeyManager::removeObserver(VEHotKeyObserver* observer)
{
    for (auto& [keyCode, observers] : mObserverDict) {
        observers.erase(std::remove(observers.begin(), observers.end(), observer), observers.end());
        _releaseIfUnobserved(keyCode);
    }
}

void VEHotKeyManager::_releaseIfUnobserved(int32_t keyCode)
{
    // The key's entry stays; only the platform registration goes with the last observer.
    const auto observers = mObserverDict.find(keyCode);
    if (observers == mObserverDict.end() || !observers->second.empty())
        return;
    const auto registered = mRegisteredKeys.find(keyCode);
    if (registered == mRegisteredKeys.end())
        return;
    if (mService && VEHotKeyService::isInstalled() && &VEHotKeyService::shared() == mService)
        mService->unregisterEventHotKey(keyCode, registered->second);
    mRegisteredKeys.erase(registered);
}

void VEHotKeyManager::_hotKeyHit(int32_t keyCode)
{
    const auto it = mObserverDict.find(keyCode);
    if (it == mObserverDict.end())
        return;
    // An observer may remove itself or others while being called; each one is
    // called only while it is still registered.
    const std::vector<VEHotKeyObserver*> snapshot = it->second;
    for (VEHotKeyObserver* observer : snapshot) {
        const auto live = mObserverDict.find(keyCode);
        if (live == mObserverDict.end())
            return;
        auto position = std::find(live->second.begin(), live->second.end(), observer);
        if (position == live->second.end())
            continue;
        observer->hotKeyDown(keyCode);
    }
}

std::vector<VEHotKeyObserver*> VEHotKeyManager::observersForKeyCode(int32_t keyCode) const
{
    const auto it = mObserverDict.find(keyCode);
    return it == mObserverDict.end() ? std::vector<VEHotKeyObserver*>{} : it->second;
}
