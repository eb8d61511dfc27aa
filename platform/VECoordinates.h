#pragma once

#include "platform/VEGeometry.h"

#include <QPointF>
#include <QRectF>

// The one conversion between the program's coordinates (points, origin at the
// bottom-left of the first screen, y up) and Qt's global logical coordinates
// (origin at the top-left of the virtual desktop, y down). Nothing else in the
// program converts between the two.
namespace VECoordinates {

VEPoint fromQt(QPointF qtPoint);
QPointF toQt(VEPoint point);
VERect fromQt(const QRectF& qtRect);
QRectF toQt(const VERect& rect);

// Conversions inside a widget of the given height: local Qt coordinates
// (top-left origin) to the widget's own bottom-left-origin coordinates.
VEPoint fromQtLocal(QPointF qtPoint, float widgetHeight);
QPointF toQtLocal(VEPoint point, float widgetHeight);
QRectF toQtLocal(const VERect& rect, float widgetHeight);

} // namespace VECoordinates
