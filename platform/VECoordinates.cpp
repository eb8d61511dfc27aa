#include "platform/VECoordinates.h"

#include "platform/VEScreenService.h"

namespace {
// The y of the first screen's bottom edge in Qt coordinates is the program's y = 0;
// its left edge is x = 0.
QRectF reference()
{
    return VEScreenService::shared().firstScreenQtGeometry();
}
} // namespace

namespace VECoordinates {

VEPoint fromQt(QPointF qtPoint)
{
    const QRectF ref = reference();
    return {static_cast<float>(qtPoint.x() - ref.left()),
            static_cast<float>(ref.top() + ref.height() - qtPoint.y())};
}

QPointF toQt(VEPoint point)
{
    const QRectF ref = reference();
    return {ref.left() + point.x, ref.top() + ref.height() - point.y};
}

VERect fromQt(const QRectF& qtRect)
{
    const VEPoint bottomLeft = fromQt(QPointF(qtRect.left(), qtRect.top() + qtRect.height()));
    return {bottomLeft.x, bottomLeft.y, static_cast<float>(qtRect.width()),
            static_cast<float>(qtRect.height())};
}

QRectF toQt(const VERect& rect)
{
    const QPointF topLeft = toQt(VEPoint{rect.x(), rect.maxY()});
    return {topLeft, QSizeF(rect.width(), rect.height())};
}

VEPoint fromQtLocal(QPointF qtPoint, float widgetHeight)
{
    return {static_cast<float>(qtPoint.x()), widgetHeight - static_cast<float>(qtPoint.y())};
}

QPointF toQtLocal(VEPoint point, float widgetHeight)
{
    return {point.x, widgetHeight - point.y};
}

QRectF toQtLocal(const VERect& rect, float widgetHeight)
{
    return {QPointF(rect.x(), widgetHeight - rect.maxY()), QSizeF(rect.width(), rect.height())};
}

} // namespace VECoordinates
