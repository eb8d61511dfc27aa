#pragma once

#include "platform/VEScreenService.h"

// Screens from Qt's screen list (the primary screen first); the visible frame is
// the screen less what panels reserve (Qt reads _NET_WORKAREA on X11).
class VELinuxScreens final : public VEScreenService {
public:
    std::vector<VEScreen> screens() const override;
    int mainScreenIndex() const override;
    QRectF firstScreenQtGeometry() const override;
};
