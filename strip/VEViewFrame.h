#pragma once

#include "platform/VEGeometry.h"

class QWidget;

// Frames of child widgets in their parent's coordinates, in points with the
// origin at the parent's bottom-left corner (y up). A widget without a parent
// (a top-level window) is measured in global program coordinates. Conversion
// goes through VECoordinates.
namespace VEViewFrame {

VERect frame(const QWidget* view);
void setFrame(QWidget* view, const VERect& frame);
void setFrameOrigin(QWidget* view, VEPoint origin);
void setFrameSize(QWidget* view, VESize size);
// The widget's own bounds: (0, 0, width, height).
VERect bounds(const QWidget* view);

} // namespace VEViewFrame
