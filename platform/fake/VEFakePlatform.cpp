#include "platform/fake/VEFakePlatform.h"

#include <memory>

VEFakeScreens::VEFakeScreens()
{
    mScreens = {VEScreen{VERect(0, 0, 1440, 900), VERect(0, 0, 1440, 878)}};
}

QRectF VEFakeScreens::firstScreenQtGeometry() const
{
    // The first fake screen stands at Qt's origin.
    if (mScreens.empty())
        return {};
    return {0, 0, mScreens.front().frame.width(), mScreens.front().frame.height()};
}

void VEFakeScreens::setFrames(const std::vector<VERect>& frames)
{
    mScreens.clear();
    for (const auto& frame : frames)
        mScreens.push_back(VEScreen{frame, frame});
}

namespace {
VEFakePlatform gFakes;

template <class Interface, class Fake>
Fake* installFake()
{
    auto fake = std::make_unique<Fake>();
    Fake* raw = fake.get();
    Interface::install(std::move(fake));
    return raw;
}
} // namespace

VEFakePlatform& installFakePlatform()
{
    gFakes.screens = installFake<VEScreenService, VEFakeScreens>();
    gFakes.input = installFake<VEInputService, VEFakeInput>();
    gFakes.frontProcess = installFake<VEFrontProcessService, VEFakeFrontProcess>();
    gFakes.toolkit = installFake<VEToolkit, VEFakeToolkit>();
    gFakes.time = installFake<VETimeSource, VEFakeTimeSource>();
    return gFakes;
}

VEFakePlatform& fakePlatform()
{
    return gFakes;
}
