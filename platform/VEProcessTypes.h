#pragma once

#include <cstdint>

// A process serial number: a pair of unsigned 32-bit words. (0, 0) names no
// process, (0, 2) this program itself.
struct VEProcessSerialNumber {
    uint32_t highLongOfPSN = 0;
    uint32_t lowLongOfPSN = 0;
    friend bool operator==(const VEProcessSerialNumber&, const VEProcessSerialNumber&) = default;
};

inline constexpr VEProcessSerialNumber kVENoProcess{0, 0};
inline constexpr VEProcessSerialNumber kVECurrentProcess{0, 2};
