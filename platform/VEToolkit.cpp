#include "platform/VEToolkit.h"

#include <cmath>

VEToolkitGeneration VEToolkit::generationForVersion(double version)
{
    const double whole = std::floor(version);
    if (whole > 743)
        return VEToolkitGeneration::Newest;
    if (whole > 663.6)
        return VEToolkitGeneration::Middle;
    return VEToolkitGeneration::Oldest;
}
