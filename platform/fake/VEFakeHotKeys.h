#pragma once

#include "platform/VEHotKeyService.h"

#include <set>
#include <utility>
#include <vector>

// Hot keys for unit tests: records registrations, lets tests mark keys as
// taken by another program and press keys.
class VEFakeHotKeys final : public VEHotKeyService {
public:
    struct Registration {
        int32_t keyCode = 0;
        uint32_t modifiers = 0;
        VEEventHotKeyID identifier;
    };

    void installHotKeyHandler(Handler handler) override { mHandler = std::move(handler); }
    bool registerEventHotKey(int32_t keyCode, uint32_t modifiers, VEEventHotKeyID identifier) override;
    void unregisterEventHotKey(int32_t keyCode, uint32_t modifiers) override;

    // A press of a registered key: delivers its identifier to the handler and
    // returns whether it was handled; false when nobody holds the key.
    bool press(int32_t keyCode, uint32_t modifiers = 0);
    // An event whose identifier cannot be read; returns whether it was handled.
    bool pressUnreadable();
    bool isRegistered(int32_t keyCode, uint32_t modifiers = 0) const;

    Handler mHandler;
    std::vector<Registration> mRegistrations;
    // Keys held by another program: registering them fails.
    std::set<std::pair<int32_t, uint32_t>> mTakenKeys;
    // Every registration attempt, successful or not.
    int mRegisterCalls = 0;
    int mUnregisterCalls = 0;
};
