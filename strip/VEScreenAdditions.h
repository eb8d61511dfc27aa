#pragma once

#include "platform/VEGeometry.h"
#include "platform/VEScreenService.h"

#include <optional>

// Screen queries of the window placement and the drag bar, on VEScreenService.
// Coordinates are global points (origin bottom-left of the first screen, y up).
namespace VEScreenAdditions {

// The first screen, in the screen list's order, whose frame contains the point;
// when none does, the main screen; none only when there is no screen at all.
std::optional<VEScreen> screenForPoint(VEPoint point);
// The first screen of the list (the one with the menu bar); none when the list
// is empty.
std::optional<VEScreen> screenWithMenuBar();
// The screen that holds a window frame: the one its frame overlaps most (the
// first of equals); none when the frame overlaps no screen.
std::optional<VEScreen> screenForFrame(const VERect& frame);
// Whether a screen is the menu-bar screen (compares frames).
bool isMenuBarScreen(const VEScreen& screen);

} // namespace VEScreenAdditions
