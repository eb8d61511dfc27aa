#include "strip/VEViewFrame.h"

#include "platform/VECoordinates.h"

#include <QWidget>
#include <cmath>

namespace VEViewFrame {

namespace {
int whole(float value)
{
    return static_cast<int>(std::lround(value));
}
} // namespace

VERect frame(const QWidget* view)
{
    if (!view)
        return {};
    const QRect g = view->geometry();
    if (view->isWindow())
        return VECoordinates::fromQt(QRectF(g));
    const float parentHeight = static_cast<float>(view->parentWidget()->height());
    return {static_cast<float>(g.x()), parentHeight - static_cast<float>(g.y() + g.height()),
            static_cast<float>(g.width()), static_cast<float>(g.height())};
}

void setFrame(QWidget* view, const VERect& frame)
{
    if (!view)
        return;
    QRectF qt;
    if (view->isWindow())
        qt = VECoordinates::toQt(frame);
    else
        qt = VECoordinates::toQtLocal(frame, static_cast<float>(view->parentWidget()->height()));
    const QRect target(whole(static_cast<float>(qt.x())), whole(static_cast<float>(qt.y())),
                       std::max(0, whole(frame.width())), std::max(0, whole(frame.height())));
    if (view->geometry() != target)
        view->setGeometry(target);
}

void setFrameOrigin(QWidget* view, VEPoint origin)
{
    const VERect f = frame(view);
    setFrame(view, VERect(origin.x, origin.y, f.width(), f.height()));
}

void setFrameSize(QWidget* view, VESize size)
{
    const VERect f = frame(view);
    setFrame(view, VERect(f.x(), f.y(), size.width, size.height));
}

VERect bounds(const QWidget* view)
{
    if (!view)
        return {};
    return {0, 0, static_cast<float>(view->width()), static_cast<float>(view->height())};
}

} // namespace VEViewFrame
