#pragma once

#include "platform/VEGeometry.h"

#include <QList>
#include <QWidget>
#include <memory>

class QTimer;
class VEDragBarMenuItem;
class VEMenuItem;

// The one view that holds the strip: it keeps the ordered item list, places the
// enabled items side by side in a row 22 points high, sizes itself to fit them
// and owns the drag bar, shown only in control-strip mode. With the drag bar it
// can collapse to the drag bar alone and expand again, on request or from the
// mouse position, animating the window that contains it.
//
// Layouts, from left to right:
//   drag bar shown, not flipped, expanded: 7-point margin, item 1 ... item n, drag bar
//   drag bar shown, flipped, expanded:     drag bar, item n ... item 1, 7-point margin
//   drag bar shown, collapsed:             drag bar only (at x = 0)
//   no drag bar, flipped:                  item n ... item 1, clipped items left out
//   no drag bar, not flipped:              item 1 ... item n, clipped items left out
// Disabled items are left out of every layout.
//
// Ownership: the view owns the items of its list (they are its child widgets,
// hidden while not placed) and its drag bar. removeMenuItem hands the item back.
//
// Its window: whatever top-level widget holds it. A VECustomWindow is animated
// and measured through its own frame operations; any other top-level through its
// geometry (VECustomWindow::frameOfWindow / setFrameOfWindow). Main thread only.
class VEMenuView : public QWidget {
    Q_OBJECT
public:
    // The frame given is ignored: the view starts at (0, 0, 0, 22), empty, with
    // auto-collapse on, expanded, not flipped, without drag bar.
    explicit VEMenuView(const VERect& frame = VERect(), QWidget* parent = nullptr);
    ~VEMenuView() override;

    // Replaces the list (taking ownership of the items) and calls update. Items of
    // the old list that are not in the new one are destroyed.
    void setMenuItems(const QList<VEMenuItem*>& items);
    // The live list, in strip order; disabled items included.
    const QList<VEMenuItem*>& menuItems() const { return mMenuItems; }
    // Appends (taking ownership), then update.
    void addMenuItem(VEMenuItem* item);
    // When index <= count: inserts (taking ownership), update, true. A larger index
    // is ignored without any effect (false; the caller keeps the item).
    bool insertMenuItemAtIndex(VEMenuItem* item, qsizetype index);
    // Takes the item out of the view and out of the list, then update. The item
    // is handed back to the caller (destroyed when the result is dropped); none
    // when it was not in the list.
    std::unique_ptr<VEMenuItem> removeMenuItem(VEMenuItem* item);
    // Removes (and destroys) the items one by one, the last first.
    void removeAllItems();

    void setShowsDragBar(bool showsDragBar);
    bool showsDragBar() const { return mShowDragBar; }
    // Starts or stops the 0.2-second mouse check.
    void setAutoCollapses(bool autoCollapses);
    bool autoCollapses() const { return mAutoCollapses; }
    void setCollapsed(bool collapsed);
    void setCollapsedAnimate(bool collapsed, bool animate);
    bool isCollapsed() const { return mCollapsed; }
    // Lays out again without resizing; the caller then places the window.
    void setDisplaysFlipped(bool flipped);
    bool displaysFlipped() const { return mFlipped; }

    // updateAndResize(true). (Hides QWidget::update(); the view's repaint is
    // QWidget::update().)
    void update();
    // The layout; with resize, the view's frame becomes (0, 0, width, 22) and
    // frameDidChange is emitted when the frame changed.
    void updateAndResize(bool resize);

    // The auto-collapse rule, run by the mouse-check timer.
    void checkMouseMoved();
    void menuTrackingWillStart();
    void menuTrackingDidEnd();
    bool acceptsFirstResponder() const { return true; }
    bool isCollapsingPrevented() const { return mPreventCollapsing; }

    VEDragBarMenuItem* dragBar() const { return mDragBar; }
    // The view's frame in its parent's coordinates (origin bottom-left).
    VERect frame() const;
    void setFrame(const VERect& frame);
    void setFrameOrigin(VEPoint origin);
    // The frame of the window that holds the view, in global coordinates.
    VERect windowFrame() const;
    // The mouse-check timer (none while auto-collapse is off).
    QTimer* mouseCheckTimer() const { return mMouseCheckTimer; }

    // The margin at the anchored end of the control strip.
    static constexpr float kMargin = 7;
    // The mouse check's period in seconds.
    static constexpr double kMouseCheckInterval = 0.2;

signals:
    // The view resized itself (the frame-change notification).
    void frameDidChange();

private:
    void _setWindowFrame(const VERect& frame, bool animate);

    QList<VEMenuItem*> mMenuItems;
    VEDragBarMenuItem* mDragBar = nullptr;
    QTimer* mMouseCheckTimer = nullptr;
    bool mShowDragBar = false;
    bool mFlipped = false;
    bool mCollapsed = false;
    bool mAutoCollapses = false;
    bool mPreventCollapsing = false;
    bool mInWindowAnimation = false;
};
