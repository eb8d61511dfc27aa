#pragma once

#include "platform/VEService.h"

#include <cstdint>
#include <functional>
#include <optional>

// Modifier bits of a hot key registration.
inline constexpr uint32_t kVECmdKey = 0x0100;
inline constexpr uint32_t kVEShiftKey = 0x0200;
inline constexpr uint32_t kVEOptionKey = 0x0800;
inline constexpr uint32_t kVEControlKey = 0x1000;

// The identifier a hot key carries back in its press events: a four-character
// signature and a number.
struct VEEventHotKeyID {
    uint32_t signature = 0;
    uint32_t id = 0;
    friend bool operator==(const VEEventHotKeyID&, const VEEventHotKeyID&) = default;
};

// Global hot keys: keys that reach this program whichever application is in
// front. Key codes are the virtual key codes of an ANSI keyboard (98 = F7).
class VEHotKeyService : public VEService<VEHotKeyService> {
public:
    // Called on the main thread for each press of a registered hot key with its
    // identifier, or with none when the identifier cannot be read. Returns true
    // when the press was handled; otherwise it goes on to the rest of the
    // program.
    using Handler = std::function<bool(const std::optional<VEEventHotKeyID>&)>;

    // InstallEventHandler for hot key presses; replaces an earlier handler (an
    // empty one removes it).
    virtual void installHotKeyHandler(Handler handler) = 0;
    // RegisterEventHotKey: false when the key cannot be had (unknown key code, or
    // taken by another program).
    virtual bool registerEventHotKey(int32_t keyCode, uint32_t modifiers, VEEventHotKeyID identifier) = 0;
    // Releases a registration made here; nothing when there is none.
    virtual void unregisterEventHotKey(int32_t keyCode, uint32_t modifiers) = 0;
};
