#include "platform/linux/VELinuxPlatform.h"

#include "platform/VETimeSource.h"
#include "platform/VEToolkit.h"
#include "platform/linux/VELinuxScreens.h"

#include <memory>

namespace {

class VELinuxToolkit final : public VEToolkit {
public:
    double versionNumber() const override { return kVELinuxToolkitVersion; }
};

class VELinuxTimeSource final : public VETimeSource {
public:
    QDateTime now() const override { return QDateTime::currentDateTime(); }
};

} // namespace

void installLinuxPlatform()
{
    VEScreenService::install(std::make_unique<VELinuxScreens>());
    VEToolkit::install(std::make_unique<VELinuxToolkit>());
    VETimeSource::install(std::make_unique<VELinuxTimeSource>());
}
