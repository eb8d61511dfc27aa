#include "strip/VEDragBarMenuItem.h"

#include "platform/VECoordinates.h"
#include "services/VEBundle.h"
#include "services/VENotificationCenter.h"
#include "strip/VECustomWindow.h"
#include "strip/VEMenuView.h"
#include "strip/VEScreenAdditions.h"
#include "strip/VEStripNotifications.h"

#include <QCursor>
#include <QGuiApplication>
#include <QMouseEvent>

VEDragBarMenuItem::VEDragBarMenuItem(const VEPlistDictionary* dictionary) : VEMenuItem(QString())
{
    (void)dictionary;
    mImage = VEBundle::imageNamed(QStringLiteral("DragBar"));
    mBarHilightImage = VEBundle::imageNamed(QStringLiteral("DragBarH"));
    VEDragBarMenuItem::_updateLength();
}

VEDragBarMenuItem::~VEDragBarMenuItem()
{
    if (mCursorPushed)
        QGuiApplication::restoreOverrideCursor();
}

QString VEDragBarMenuItem::className() const
{
    return QStringLiteral("VEDragBarMenuItem");
}

void VEDragBarMenuItem::_updateLength()
{
    _setLengthAndUpdate(static_cast<float>(mImage.deviceIndependentSize().width()));
}

void VEDragBarMenuItem::drawRect(const VERect& rect)
{
    (void)rect;
    if (!hasImage())
        return;
    compositeImageAt(mHilighted && !mBarHilightImage.isNull() ? mBarHilightImage : mImage, VEPoint{0, 0});
}

VEMenuView* VEDragBarMenuItem::_menuView() const
{
    return qobject_cast<VEMenuView*>(parentWidget());
}

// ---- The drag loop on mouse events -------------------------------------------------

void VEDragBarMenuItem::mouseDown(QMouseEvent* event)
{
    _dragBegin(VECoordinates::fromQt(event->globalPosition()));
}

void VEDragBarMenuItem::mouseMoveEvent(QMouseEvent* event)
{
    if (mPressed && (event->buttons() & Qt::LeftButton)) {
        event->accept();
        _dragMoved(VECoordinates::fromQt(event->globalPosition()));
        return;
    }
    VEMenuItem::mouseMoveEvent(event);
}

void VEDragBarMenuItem::mouseReleaseEvent(QMouseEvent* event)
{
    if (mPressed && event->button() == Qt::LeftButton) {
        event->accept();
        _dragEnded(VECoordinates::fromQt(event->globalPosition()));
        return;
    }
    VEMenuItem::mouseReleaseEvent(event);
}

void VEDragBarMenuItem::_dragBegin(VEPoint location)
{
    mPressed = true;
    mDragging = false;
    mPressLocation = location;
    mWindowOrigin = VECustomWindow::frameOfWindow(window()).origin;
    mHilighted = true;
    repaint();
}

std::optional<VEDragBarMenuItem::Placement> VEDragBarMenuItem::_placementFor(VEPoint location) const
{
    const std::optional<VEScreen> screen = VEScreenAdditions::screenForPoint(location);
    if (!screen)
        return std::nullopt;
    const VERect s = screen->frame;
    const VERect window = VECustomWindow::frameOfWindow(this->window());
    Placement p;
    p.screen = s;
    p.ny = mWindowOrigin.y + (location.y - mPressLocation.y);
    if (location.x > s.x() + s.width() * 0.5f) {
        p.nx = s.x() + s.width() - window.width();
        p.flipped = true;
    } else {
        p.nx = s.x();
        p.flipped = false;
    }
    const float top = VEScreenAdditions::isMenuBarScreen(*screen) ? 50 : 29;
    if (p.ny > s.y() + s.height() - top)
        p.ny = s.y() + s.height() - top;
    if (p.ny < s.y() - 7)
        p.ny = s.y() - 7;
    return p;
}

void VEDragBarMenuItem::_dragMoved(VEPoint location)
{
    if (!mPressed)
        return;
    QPointer<VEDragBarMenuItem> self(this);
    if (const std::optional<Placement> p = _placementFor(location)) {
        QWidget* w = window();
        VEMenuView* view = _menuView();
        const bool currentFlipped = view ? view->displaysFlipped() : p->flipped;
        if (w && w != this && w != view) {
            const VERect frame = VECustomWindow::frameOfWindow(w);
            if (p->flipped == currentFlipped) {
                VECustomWindow::setFrameOfWindow(w, VERect(p->nx, p->ny, frame.width(), frame.height()), true, false);
            } else if (view) {
                // Changing sides: collapse, jump to the other edge, flip, expand.
                view->setCollapsedAnimate(true, true);
                if (!self)
                    return;
                float nx = p->nx;
                const VERect collapsed = VECustomWindow::frameOfWindow(w);
                if (p->flipped)
                    nx = p->screen.x() + p->screen.width() - collapsed.width();
                VECustomWindow::setFrameOfWindow(w, VERect(nx, p->ny, collapsed.width(), collapsed.height()), true,
                                                 false);
                view->setDisplaysFlipped(p->flipped);
                view->setCollapsedAnimate(false, true);
                if (!self)
                    return;
            }
        }
    }
    if (!mDragging && location.y != mPressLocation.y) {
        const QPixmap image = VEBundle::imageNamed(QStringLiteral("DragCursor"));
        if (!image.isNull()) {
            QGuiApplication::setOverrideCursor(QCursor(image, kCursorHotSpotX, kCursorHotSpotY));
            mCursorPushed = true;
        }
        mDragging = true;
        VENotificationCenter::defaultCenter().postNotificationName(kVEDragBarDidBeginDragNotification, this);
    }
}

void VEDragBarMenuItem::_dragEnded(VEPoint location)
{
    (void)location;
    if (!mPressed)
        return;
    QPointer<VEDragBarMenuItem> self(this);
    mPressed = false;
    mHilighted = false;
    repaint();
    const bool dragged = mDragging;
    mDragging = false;
    if (dragged) {
        VENotificationCenter::defaultCenter().postNotificationName(kVEDragBarDidEndDragNotification, this);
    } else if (VEMenuView* view = _menuView()) {
        // A press without vertical movement is a click: toggle the collapsed state.
        view->setCollapsedAnimate(!view->isCollapsed(), true);
    }
    if (self && mCursorPushed) {
        QGuiApplication::restoreOverrideCursor();
        mCursorPushed = false;
    }
}
