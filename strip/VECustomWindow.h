#pragma once

#include "platform/VEGeometry.h"

#include <QPointer>
#include <QWidget>

class QPropertyAnimation;

// The control strip's window: a borderless top-level that can still take
// keyboard focus (the quick launcher's search field types into it), with its own
// resize-animation time. Frames are in global program coordinates (points,
// origin bottom-left of the first screen).
//
// An animated frame change runs to its end before setFrameDisplayAnimate returns
// (a modal animation: user input waits meanwhile, timers and painting go on), so
// that callers read the final frame right after.
class VECustomWindow : public QWidget {
    Q_OBJECT
public:
    // A borderless window whose content area is the given rectangle.
    explicit VECustomWindow(const VERect& contentRect);
    ~VECustomWindow() override;

    bool canBecomeKeyWindow() const { return true; }
    bool canBecomeMainWindow() const { return true; }
    // Seconds an animated change to the new frame takes: in the oldest toolkit
    // generation |current width - new width| / 150 x 0.165; otherwise 0.2.
    virtual double animationResizeTime(const VERect& newFrame) const;

    VERect frame() const;
    void setFrameDisplayAnimate(const VERect& frame, bool display, bool animate);
    void setFrameDisplay(const VERect& frame, bool display) { setFrameDisplayAnimate(frame, display, false); }
    void setFrameOrigin(VEPoint origin);
    bool isAnimating() const;

    // The content view fills the window; the window owns it. Setting another one
    // destroys the old.
    void setContentView(QWidget* view);
    QWidget* contentView() const { return mContentView.data(); }
    // Shows the window in front without making it the key window.
    void orderFrontRegardless();

    // Frames of any top-level widget: a VECustomWindow through its own
    // operations, other windows through their geometry.
    static VERect frameOfWindow(const QWidget* window);
    static void setFrameOfWindow(QWidget* window, const VERect& frame, bool display, bool animate);

    // The newer generations' animation time.
    static constexpr double kDefaultAnimationResizeTime = 0.2;

protected:
    void resizeEvent(QResizeEvent* event) override;

private:
    QPointer<QWidget> mContentView;
    QPointer<QPropertyAnimation> mAnimation;
};
