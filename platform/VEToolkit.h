#pragma once

#include "platform/VEService.h"

// The toolkit generation chooses images, hot-key modifiers and some timings.
enum class VEToolkitGeneration { Oldest, Middle, Newest };

// The toolkit's version number. The Linux build counts as the newest generation;
// the fake lets tests set any number so that the older rules stay testable.
class VEToolkit : public VEService<VEToolkit> {
public:
    virtual double versionNumber() const = 0;

    // newest when floor(v) > 743, middle when floor(v) > 663.6, oldest otherwise.
    static VEToolkitGeneration generationForVersion(double version);
    VEToolkitGeneration generation() const { return generationForVersion(versionNumber()); }
};

// The version number the Linux build reports: comfortably in the newest generation.
inline constexpr double kVELinuxToolkitVersion = 1000.0;
