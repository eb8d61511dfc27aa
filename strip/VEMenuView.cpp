#include "strip/VEMenuView.h"

#include "platform/VEInputService.h"
#include "services/VENotificationCenter.h"
#include "services/VERunLoop.h"
#include "strip/VECustomWindow.h"
#include "strip/VEDragBarMenuItem.h"
#include "strip/VEMenuItem.h"
#include "strip/VEScreenAdditions.h"
#include "strip/VEStripNotifications.h"
#include "strip/VEViewFrame.h"

#include <QTimer>
#include <cmath>

VEMenuView::VEMenuView(const VERect& frame, QWidget* parent) : QWidget(parent)
{
    (void)frame;
    setAttribute(Qt::WA_TranslucentBackground);
    setFocusPolicy(Qt::StrongFocus); // acceptsFirstResponder
    resize(0, static_cast<int>(VEMenuItem::kItemHeight));
    mDragBar = new VEDragBarMenuItem(nullptr);
    mDragBar->setParent(this);
    mDragBar->hide();
    setAutoCollapses(true);
    auto& center = VENotificationCenter::defaultCenter();
    center.addObserver(this, kVEMenuItemWillBeginTrackingNotification, nullptr,
                       [this](const VENotification&) { menuTrackingWillStart(); });
    center.addObserver(this, kVEMenuItemDidEndTrackingNotification, nullptr,
                       [this](const VENotification&) { menuTrackingDidEnd(); });
}

VEMenuView::~VEMenuView()
{
    VENotificationCenter::defaultCenter().removeObserver(this);
    delete mMouseCheckTimer;
    mMouseCheckTimer = nullptr;
    // The items and the drag bar are child widgets and go with the view.
}

// ---- The list ----------------------------------------------------------------

void VEMenuView::setMenuItems(const QList<VEMenuItem*>& items)
{
    QList<VEMenuItem*> list;
    for (VEMenuItem* item : items) {
        // A null entry, the drag bar or an item given twice would break the layout.
        if (!item || item == mDragBar || list.contains(item))
            continue;
        list.append(item);
    }
    const QList<VEMenuItem*> old = mMenuItems;
    mMenuItems = list;
    for (VEMenuItem* item : old) {
        if (!mMenuItems.contains(item)) {
            item->hide();
            delete item;
        }
    }
    for (VEMenuItem* item : mMenuItems) {
        if (item->parentWidget() != this) {
            item->setParent(this);
            item->hide();
        }
    }
    update();
}

void VEMenuView::addMenuItem(VEMenuItem* item)
{
    insertMenuItemAtIndex(item, mMenuItems.size());
}

bool VEMenuView::insertMenuItemAtIndex(VEMenuItem* item, qsizetype index)
{
    if (!item || item == mDragBar || index < 0 || index > mMenuItems.size() || mMenuItems.contains(item))
        return false;
    mMenuItems.insert(index, item);
    if (item->parentWidget() != this) {
        item->setParent(this);
        item->hide();
    }
    update();
    return true;
}

std::unique_ptr<VEMenuItem> VEMenuView::removeMenuItem(VEMenuItem* item)
{
    if (!item || item == mDragBar)
        return nullptr;
    item->hide();
    const bool listed = mMenuItems.removeOne(item);
    std::unique_ptr<VEMenuItem> removed;
    if (listed) {
        item->setParent(nullptr);
        removed.reset(item);
    }
    update();
    return removed;
}

void VEMenuView::removeAllItems()
{
    while (!mMenuItems.isEmpty())
        removeMenuItem(mMenuItems.last());
}

// ---- Modes -------------------------------------------------------------------

void VEMenuView::setShowsDragBar(bool showsDragBar)
{
    if (showsDragBar == mShowDragBar)
        return;
    mShowDragBar = showsDragBar;
    update();
}

void VEMenuView::setAutoCollapses(bool autoCollapses)
{
    if (autoCollapses == mAutoCollapses)
        return;
    mAutoCollapses = autoCollapses;
    delete mMouseCheckTimer;
    mMouseCheckTimer = nullptr;
    if (autoCollapses)
        mMouseCheckTimer = VERunLoop::scheduledRepeatingTimer(this, kMouseCheckInterval, [this] { checkMouseMoved(); });
}

void VEMenuView::setCollapsed(bool collapsed)
{
    setCollapsedAnimate(collapsed, false);
}

void VEMenuView::setDisplaysFlipped(bool flipped)
{
    if (flipped == mFlipped)
        return;
    mFlipped = flipped;
    updateAndResize(false);
}

// ---- Layout ------------------------------------------------------------------

void VEMenuView::update()
{
    updateAndResize(true);
}

void VEMenuView::updateAndResize(bool resize)
{
    const bool S = mShowDragBar;
    const bool F = mFlipped;
    const bool C = mCollapsed;
    const qsizetype n = mMenuItems.size();
    const float d = mDragBar->length();

    // Which widgets are shown after this pass; the others are taken out.
    QList<QWidget*> shown;
    shown.reserve(n + 1);
    float x = 0;
    if (S && F) {
        mDragBar->setFrameOrigin(VEPoint{0, 0});
        shown.append(mDragBar);
        x += d;
    }
    if (!(C && S)) {
        if (S && !F)
            x = kMargin;
        for (qsizetype k = 0; k < n; ++k) {
            VEMenuItem* item = F ? mMenuItems[n - 1 - k] : mMenuItems[k];
            if (!item->isEnabled())
                continue;
            if (S || !item->isClipped()) {
                item->setFrameOrigin(VEPoint{x, 0});
                x += item->length();
                shown.append(item);
            }
        }
    }
    if (S && F)
        x += kMargin;
    if (S && !F) {
        mDragBar->setFrameOrigin(VEPoint{x, 0});
        shown.append(mDragBar);
        x += d;
    }
    // Take the others out without a redraw of each, then put the shown ones in.
    const bool updates = updatesEnabled();
    setUpdatesEnabled(false);
    if (!shown.contains(mDragBar))
        mDragBar->hide();
    for (VEMenuItem* item : mMenuItems)
        if (!shown.contains(item))
            item->hide();
    for (QWidget* widget : shown)
        widget->show();
    setUpdatesEnabled(updates);
    QWidget::update();

    if (x == 0)
        x = 1;
    if (resize) {
        const VERect before = frame();
        if (isWindow())
            VEViewFrame::setFrameSize(this, VESize{x, VEMenuItem::kItemHeight});
        else
            setFrame(VERect(0, 0, x, VEMenuItem::kItemHeight));
        if (frame() != before)
            emit frameDidChange();
    }
}

// ---- Collapsing --------------------------------------------------------------

void VEMenuView::setCollapsedAnimate(bool collapsed, bool animate)
{
    if (collapsed == mCollapsed || !mShowDragBar)
        return;
    VERect W = windowFrame();
    mCollapsed = collapsed;
    VENotificationCenter::defaultCenter().postNotificationName(kVEMenuViewWillCollapseNotification, this);
    const float d = mDragBar->length();
    float w = d;
    if (!collapsed) {
        w = kMargin + d;
        for (VEMenuItem* item : mMenuItems)
            if (item->isEnabled())
                w += item->length();
        updateAndResize(false);
    }
    if (mFlipped) {
        if (const auto screen = VEScreenAdditions::screenForFrame(W))
            W.origin.x = screen->frame.maxX() - w;
    }
    W.size.width = w;
    _setWindowFrame(W, animate);
    updateAndResize(!collapsed);
    QWidget::update();
}

void VEMenuView::_setWindowFrame(const VERect& frame, bool animate)
{
    QWidget* w = window();
    if (!w || w == this)
        return;
    mInWindowAnimation = true;
    VECustomWindow::setFrameOfWindow(w, frame, true, animate);
    mInWindowAnimation = false;
}

void VEMenuView::checkMouseMoved()
{
    if (!mAutoCollapses || mInWindowAnimation)
        return;
    if (!VEInputService::isInstalled())
        return;
    const VEInputService& input = VEInputService::shared();
    const VEPoint M = input.mouseLocation();
    const std::optional<VEScreen> menuBarScreen = VEScreenAdditions::screenWithMenuBar();
    if (!menuBarScreen)
        return;
    const VERect S = menuBarScreen->frame;
    const VERect W = windowFrame();
    const float h = input.menuBarHeight();
    const VERect B(S.x(), S.height() - h, S.width(), S.height());
    const VERect R = mCollapsed ? VERect(W.x() - 2, W.y() + 4, W.width() + 4, W.height() - 8)
                                : W.insetBy(-20, -20);
    if (mPreventCollapsing)
        return;
    if (!mCollapsed && B.containsPoint(M))
        return;
    bool wantCollapsed;
    if (R.containsPoint(M))
        wantCollapsed = false;
    else if (!B.containsPoint(M))
        wantCollapsed = true;
    else
        wantCollapsed = !(std::fabs(M.y - R.y()) < 50 && std::fabs(M.x - R.x()) < 500);
    if (wantCollapsed != mCollapsed && !input.button())
        setCollapsedAnimate(wantCollapsed, true);
}

void VEMenuView::menuTrackingWillStart()
{
    mPreventCollapsing = true;
    if (mCollapsed)
        setCollapsedAnimate(false, true);
}

void VEMenuView::menuTrackingDidEnd()
{
    mPreventCollapsing = false;
}

// ---- Frames ------------------------------------------------------------------

VERect VEMenuView::frame() const
{
    return VEViewFrame::frame(this);
}

void VEMenuView::setFrame(const VERect& frame)
{
    VEViewFrame::setFrame(this, frame);
}

void VEMenuView::setFrameOrigin(VEPoint origin)
{
    VEViewFrame::setFrameOrigin(this, origin);
}

VERect VEMenuView::windowFrame() const
{
    return VECustomWindow::frameOfWindow(window());
}
