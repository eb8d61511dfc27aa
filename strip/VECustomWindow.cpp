#include "strip/VECustomWindow.h"

#include "platform/VECoordinates.h"
#include "platform/VEToolkit.h"
#include "strip/VEViewFrame.h"

#include <QEventLoop>
#include <QPropertyAnimation>
#include <QResizeEvent>
#include <cmath>

namespace {
QRect qtGeometry(const VERect& frame)
{
    const QRectF qt = VECoordinates::toQt(frame);
    return {static_cast<int>(std::lround(qt.x())), static_cast<int>(std::lround(qt.y())),
            std::max(0, static_cast<int>(std::lround(frame.width()))),
            std::max(0, static_cast<int>(std::lround(frame.height())))};
}
} // namespace

VECustomWindow::VECustomWindow(const VERect& contentRect)
    : QWidget(nullptr, Qt::Window | Qt::FramelessWindowHint)
{
    // Not opaque: the background view draws the strip's backing and its shadow on
    // a clear window.
    setAttribute(Qt::WA_TranslucentBackground);
    setAttribute(Qt::WA_ShowWithoutActivating);
    setAutoFillBackground(false);
    setMouseTracking(true);
    setFocusPolicy(Qt::StrongFocus);
    setGeometry(qtGeometry(contentRect));
}

VECustomWindow::~VECustomWindow()
{
    if (mAnimation)
        mAnimation->stop();
}

double VECustomWindow::animationResizeTime(const VERect& newFrame) const
{
    const VEToolkitGeneration generation =
        VEToolkit::isInstalled() ? VEToolkit::shared().generation() : VEToolkitGeneration::Newest;
    if (generation == VEToolkitGeneration::Oldest)
        return std::fabs(frame().width() - newFrame.width()) / 150.0 * 0.165;
    return kDefaultAnimationResizeTime;
}

VERect VECustomWindow::frame() const
{
    return VECoordinates::fromQt(QRectF(geometry()));
}

bool VECustomWindow::isAnimating() const
{
    return mAnimation && mAnimation->state() == QAbstractAnimation::Running;
}

void VECustomWindow::setFrameDisplayAnimate(const VERect& frame, bool display, bool animate)
{
    const QRect target = qtGeometry(frame);
    // A change while another runs: the earlier one jumps to its end first.
    if (mAnimation) {
        mAnimation->stop();
        delete mAnimation.data();
    }
    const double seconds = animate ? animationResizeTime(frame) : 0;
    if (animate && seconds > 0 && geometry() != target) {
        QPointer<VECustomWindow> self(this);
        auto* animation = new QPropertyAnimation(this, "geometry", this);
        mAnimation = animation;
        animation->setStartValue(geometry());
        animation->setEndValue(target);
        animation->setDuration(static_cast<int>(std::lround(seconds * 1000)));
        animation->setEasingCurve(QEasingCurve::InOutQuad);
        QEventLoop loop;
        connect(animation, &QAbstractAnimation::finished, &loop, &QEventLoop::quit);
        connect(animation, &QObject::destroyed, &loop, &QEventLoop::quit);
        animation->start();
        // The animation runs to its end before the call returns; user input waits.
        loop.exec(QEventLoop::ExcludeUserInputEvents);
        if (!self)
            return;
        if (mAnimation)
            delete mAnimation.data();
    }
    if (geometry() != target)
        setGeometry(target);
    if (display)
        repaint();
}

void VECustomWindow::setFrameOrigin(VEPoint origin)
{
    const VERect f = frame();
    setFrameDisplayAnimate(VERect(origin.x, origin.y, f.width(), f.height()), true, false);
}

void VECustomWindow::setContentView(QWidget* view)
{
    if (view == mContentView.data())
        return;
    QWidget* old = mContentView.data();
    mContentView = view;
    if (view) {
        view->setParent(this);
        view->setGeometry(rect());
        view->show();
    }
    if (old && old->parentWidget() == this)
        delete old;
}

void VECustomWindow::orderFrontRegardless()
{
    show();
    raise();
}

void VECustomWindow::resizeEvent(QResizeEvent* event)
{
    QWidget::resizeEvent(event);
    if (mContentView)
        mContentView->setGeometry(rect());
}

VERect VECustomWindow::frameOfWindow(const QWidget* window)
{
    if (!window)
        return {};
    if (auto* custom = qobject_cast<const VECustomWindow*>(window))
        return custom->frame();
    return VEViewFrame::frame(window);
}

void VECustomWindow::setFrameOfWindow(QWidget* window, const VERect& frame, bool display, bool animate)
{
    if (!window)
        return;
    if (auto* custom = qobject_cast<VECustomWindow*>(window)) {
        custom->setFrameDisplayAnimate(frame, display, animate);
        return;
    }
    VEViewFrame::setFrame(window, frame);
    if (display)
        window->update();
}
