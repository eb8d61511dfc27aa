#pragma once

#include "platform/VEGeometry.h"
#include "platform/VEService.h"

#include <QRectF>
#include <vector>

// One screen of the desktop, in points (origin at the bottom-left of the first
// screen, y up).
struct VEScreen {
    VERect frame;
    VERect visibleFrame; // the frame less what panels and docks reserve
    friend bool operator==(const VEScreen&, const VEScreen&) = default;
};

// The screens of the desktop. The first screen of the list is the menu-bar
// screen; the list may be empty while no screen is attached.
class VEScreenService : public VEService<VEScreenService> {
public:
    virtual std::vector<VEScreen> screens() const = 0;
    // Index of the main screen (the one with keyboard focus) in screens().
    virtual int mainScreenIndex() const = 0;
    // The first screen's geometry in Qt's logical top-left coordinates; the
    // anchor of the coordinate conversion (VECoordinates).
    virtual QRectF firstScreenQtGeometry() const = 0;
};
