#pragma once

#include "platform/VEGeometry.h"
#include "platform/VEService.h"

#include <cstdint>

// Modifier key bits as GetCurrentKeyModifiers reports them.
enum VEKeyModifier : uint32_t {
    VECommandKeyBit = 0x0100, // the Super (logo) key
    VEShiftKeyBit = 0x0200,
    VEAlphaLockBit = 0x0400, // Caps Lock
    VEOptionKeyBit = 0x0800, // Alt
    VEControlKeyBit = 0x1000,
};

// The mouse and keyboard state and the menu bar, read from the display server so
// that the answers hold even when no window of the program has the pointer.
class VEInputService : public VEService<VEInputService> {
public:
    // The pointer position in points, global coordinates (origin bottom-left).
    virtual VEPoint mouseLocation() const = 0;
    // Button: true while the (left) mouse button is held down.
    virtual bool button() const = 0;
    // GetCurrentKeyModifiers: the VEKeyModifier bits of the keys held now.
    virtual uint32_t currentKeyModifiers() const = 0;
    // GetMBarHeight: the height in points of the band reserved at the top of the
    // menu-bar screen; 0 when nothing reserves it.
    virtual float menuBarHeight() const = 0;
};
