#pragma once

#include "platform/VEFrontProcessService.h"
#include "platform/VEInputService.h"
#include "platform/VEScreenService.h"
#include "platform/VETimeSource.h"
#include "platform/VEToolkit.h"

#include <vector>

// Deterministic stand-ins for the platform services, for unit tests. Every answer
// is a public field that the test sets.

class VEFakeScreens final : public VEScreenService {
public:
    // One 1440 x 900 screen with a 22-point band reserved at its top.
    VEFakeScreens();
    std::vector<VEScreen> screens() const override { return mScreens; }
    int mainScreenIndex() const override { return mMainScreenIndex; }
    QRectF firstScreenQtGeometry() const override;

    // Replaces the screens with plain frames (visible frame = frame).
    void setFrames(const std::vector<VERect>& frames);

    std::vector<VEScreen> mScreens;
    int mMainScreenIndex = 0;
};

class VEFakeInput final : public VEInputService {
public:
    VEPoint mouseLocation() const override { return mMouseLocation; }
    bool button() const override { return mButton; }
    uint32_t currentKeyModifiers() const override { return mModifiers; }
    float menuBarHeight() const override { return mMenuBarHeight; }

    VEPoint mMouseLocation;
    bool mButton = false;
    uint32_t mModifiers = 0;
    float mMenuBarHeight = 22;
};

class VEFakeFrontProcess final : public VEFrontProcessService {
public:
    VEProcessSerialNumber frontProcess() const override { return mFrontProcess; }
    VEProcessSerialNumber mFrontProcess = kVENoProcess;
};

class VEFakeToolkit final : public VEToolkit {
public:
    double versionNumber() const override { return mVersion; }
    double mVersion = kVELinuxToolkitVersion;
};

class VEFakeTimeSource final : public VETimeSource {
public:
    QDateTime now() const override { return mNow; }
    QDateTime mNow = QDateTime(QDate(2026, 1, 1), QTime(12, 0, 0));
};

// The fakes currently installed; installFakePlatform() replaces every service
// with a fresh fake and returns them.
struct VEFakePlatform {
    VEFakeScreens* screens = nullptr;
    VEFakeInput* input = nullptr;
    VEFakeFrontProcess* frontProcess = nullptr;
    VEFakeToolkit* toolkit = nullptr;
    VEFakeTimeSource* time = nullptr;
};

VEFakePlatform& installFakePlatform();
VEFakePlatform& fakePlatform();
