#pragma once

#include <cstdint>
#include <map>
#include <vector>

// An object that reacts to a global hot key. Destroying an observer removes it
// from every key of the hot key managers, so a registration never outlives the
// object it calls.
class VEHotKeyObserver {
public:
    virtual void hotKeyDown(int32_t keyCode) = 0;

protected:
    VEHotKeyObserver() = default;
    VEHotKeyObserver(const VEHotKeyObserver&) = default;
    VEHotKeyObserver& operator=(const VEHotKeyObserver&) = default;
    virtual ~VEHotKeyObserver();
};

// The signature of Velmora's hot keys: 'Kvlr'.
inline constexpr uint32_t kVEHotKeySignature = 0x4B766C72;

// Global hot keys for the items. An observer registers for a key code (a
// virtual key code of an ANSI keyboard, such as 98 for F7); the manager takes
// the key from the desktop when its first observer arrives, passes every press
// to the key's observers in the order they were added, and gives the key back
// when its last observer leaves. A key another program holds is simply never
// pressed. Main thread only.
class VEHotKeyManager final {
public:
    // The shared manager, created on the first call and never destroyed.
    static VEHotKeyManager& sharedHotKeyManager();

    // A manager of its own on the installed hot key service (tests); normally
    // use sharedHotKeyManager().
    VEHotKeyManager();
    ~VEHotKeyManager();
    VEHotKeyManager(const VEHotKeyManager&) = delete;
    VEHotKeyManager& operator=(const VEHotKeyManager&) = delete;

    // Key codes of 0 and below (-1: no hot key) and a null observer are ignored.
    // The same observer added twice is called twice.
    void addObserverForKeyCode(VEHotKeyObserver* observer, int32_t keyCode);
    // Removes every occurrence of the observer from the key's list.
    void removeObserverForKeyCode(VEHotKeyObserver* observer, int32_t keyCode);
    // Removes the observer from every key.
    void removeObserver(VEHotKeyObserver* observer);

    // Calls hotKeyDown on every observer of the key, in list order.
    void _hotKeyHit(int32_t keyCode);

    // The observers of a key, in order (empty when none).
    std::vector<VEHotKeyObserver*> observersForKeyCode(int32_t keyCode) const;

private:
    void _releaseIfUnobserved(int32_t keyCode);

    std::map<int32_t, std::vector<VEHotKeyObserver*>> mObserverDict;
    // The keys this manager holds from the platform, with the modifiers used.
    std::map<int32_t, uint32_t> mRegisteredKeys;
    // The hot key service the handler was installed on.
    class VEHotKeyService* mService = nullptr;
};
