#pragma once

#include "strip/VEMenuItem.h"

class VEMenuView;

// The handle at the free end of the control strip. Dragging it moves the control
// strip window along the screen edge and from one edge or screen to another;
// clicking it collapses or expands the strip. It belongs to the strip view and is
// never saved.
//
// The drag runs on the real mouse events: the press starts it (mouseDown), the
// moves while the button is held (Qt grabs the mouse for the bar) drag the
// window, the release ends it. Positions are global program coordinates.
class VEDragBarMenuItem : public VEMenuItem {
    Q_OBJECT
public:
    // The dictionary is ignored: no title, picture "DragBar", pressed "DragBarH".
    explicit VEDragBarMenuItem(const VEPlistDictionary* dictionary = nullptr);
    ~VEDragBarMenuItem() override;

    QString className() const override;
    void mouseDown(QMouseEvent* event) override;
    void drawRect(const VERect& rect) override;
    void _updateLength() override;

    // The drag-loop steps, in global program coordinates (the mouse events call
    // them; tests may too).
    void _dragBegin(VEPoint location);
    void _dragMoved(VEPoint location);
    void _dragEnded(VEPoint location);
    bool isTrackingPress() const { return mPressed; }
    bool hasBegunDrag() const { return mDragging; }

    // The hot spot of the drag cursor in the cursor image.
    static constexpr int kCursorHotSpotX = 5;
    static constexpr int kCursorHotSpotY = 7;

protected:
    void mouseMoveEvent(QMouseEvent* event) override;
    void mouseReleaseEvent(QMouseEvent* event) override;

    QPixmap mBarHilightImage;

private:
    VEMenuView* _menuView() const;
    // Computes the docked origin and wanted side for a mouse position.
    struct Placement {
        float nx = 0;
        float ny = 0;
        bool flipped = false;
        VERect screen;
    };
    std::optional<Placement> _placementFor(VEPoint location) const;

    bool mPressed = false;
    bool mDragging = false;
    bool mCursorPushed = false;
    VEPoint mPressLocation;
    VEPoint mWindowOrigin;
};
