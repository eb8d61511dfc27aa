#include "platform/fake/VEFakeHotKeys.h"

#include <algorithm>

bool VEFakeHotKeys::registerEventHotKey(int32_t keyCode, uint32_t modifiers, VEEventHotKeyID identifier)
{
    ++mRegisterCalls;
    if (mTakenKeys.count({keyCode, modifiers}) || isRegistered(keyCode, modifiers))
        return false;
    mRegistrations.push_back(Registration{keyCode, modifiers, identifier});
    return true;
}

void VEFakeHotKeys::unregisterEventHotKey(int32_t keyCode, uint32_t modifiers)
{
    ++mUnregisterCalls;
    mRegistrations.erase(std::remove_if(mRegistrations.begin(), mRegistrations.end(),
                                        [&](const Registration& r) {
                                            return r.keyCode == keyCode && r.modifiers == modifiers;
                                        }),
                         mRegistrations.end());
}

bool VEFakeHotKeys::isRegistered(int32_t keyCode, uint32_t modifiers) const
{
    return std::any_of(mRegistrations.begin(), mRegistrations.end(),
                       [&](const Registration& r) { return r.keyCode == keyCode && r.modifiers == modifiers; });
}

bool VEFakeHotKeys::press(int32_t keyCode, uint32_t modifiers)
{
    for (const auto& r : mRegistrations) {
        if (r.keyCode == keyCode && r.modifiers == modifiers)
            return mHandler ? mHandler(r.identifier) : false;
    }
    return false;
}

bool VEFakeHotKeys::pressUnreadable()
{
    return mHandler ? mHandler(std::nullopt) : false;
}
