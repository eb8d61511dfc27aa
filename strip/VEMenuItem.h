#pragma once

#include "platform/VEGeometry.h"
#include "services/VEPropertyList.h"

#include <QFont>
#include <QPixmap>
#include <QPointer>
#include <QString>
#include <QWidget>
#include <memory>
#include <optional>

#include <QMenu>
class QPainter;
class VEShadowLayer;

// A styled title: the text and its one attribute, the font, plus the colour the
// drawing applies on every pass.
struct VEAttributedString {
    QString string;
    QFont font;
    QColor color = Qt::black;
};

// Where the standard drawing puts the image and the title, in the item's own
// coordinates (origin bottom-left).
struct VEMenuItemDrawingLayout {
    std::optional<VEPoint> imageOrigin; // bottom-left corner of the image, when there is one
    std::optional<VERect> titleRect;    // the rectangle the title is drawn into, when there is one
};

// The base class of every tool in the strip: a widget 22 points high whose width
// is its length. It holds an optional title, image and drop-down menu, the
// enabled, clipped, highlighted and drop-shadow flags; it draws image then title
// with a pressed-state highlight, computes its length, pops up its menu on a
// click with the tracking notifications around it, and is made from and saved to
// an item dictionary.
//
// Geometry is in points in the item's own coordinates: origin at the bottom-left
// corner, y up. Items live on the main thread only.
//
// Ownership: the strip view owns the items in its list (they are its child
// widgets); setMenu() makes the item own its menu.
class VEMenuItem : public QWidget {
    Q_OBJECT
public:
    // initWithFrame: the designated constructor; the item is enabled, has chosen
    // its highlight image and reloads it on tint changes.
    explicit VEMenuItem(const VERect& frame);
    // initWithTitle: frame (0, 0, 0, 22), then setTitle.
    explicit VEMenuItem(const QString& title);
    // initWithImage: frame (0, 0, 0, 22), then setImage.
    explicit VEMenuItem(const QPixmap& image);
    // initWithDictionary: from a stored item dictionary, or from none (nullptr)
    // for a new item: enabled, no drop shadow, titled "No Title".
    explicit VEMenuItem(const VEPlistDictionary* dictionary);
    ~VEMenuItem() override;

    // Enters "VEMenuItem" into VEMenuItemRegistry.
    static void registerClass();

    // The class name written under "ClassName" ("VEMenuItem", "VEClockMenuItem", ...).
    virtual QString className() const;
    // A new dictionary with "ClassName", "Enabled" and "DropShadow"; subclasses
    // call the base and add their keys.
    virtual VEPlistDictionary saveDictionary() const;

    // The image (a null pixmap is none); its size in points is its
    // device-independent size.
    virtual void setImage(const QPixmap& image);
    QPixmap image() const { return mImage; }
    bool hasImage() const { return !mImage.isNull(); }

    // A null or empty string clears the title.
    virtual void setTitle(const QString& title);
    std::optional<QString> title() const;

    // The item takes ownership of the menu (it becomes the item's child); the old
    // menu is destroyed. nullptr clears it.
    virtual void setMenu(QMenu* menu);
    QMenu* menu() const { return mMenu.data(); }

    // The frame width.
    float length() const;

    // Shown in the strip only when enabled. Plain store and read; the caller
    // re-lays out the strip. (Distinct from QWidget's enabled state: an item
    // always takes clicks.)
    virtual void setEnabled(bool enabled);
    bool isEnabled() const { return mEnabled; }
    void setClipped(bool clipped) { mClipped = clipped; }
    bool isClipped() const { return mClipped; }
    void setDrawsShadow(bool drawsShadow) { mDrawShadow = drawsShadow; }
    bool drawsShadow() const { return mDrawShadow; }
    bool isHilighted() const { return mHilighted; }

    // The click: pops up the menu (see the source for the order of notifications).
    virtual void mouseDown(QMouseEvent* event);
    // The drawing, in the item's coordinates; the painter of the pass is
    // currentPainter().
    virtual void drawRect(const VERect& rect);
    // A click acts at once, even when the program is not active.
    virtual bool acceptsFirstMouse(QMouseEvent* event) const;

    // The item's frame in its parent's coordinates (origin bottom-left).
    VERect frame() const;
    void setFrame(const VERect& frame);
    void setFrameOrigin(VEPoint origin);
    VERect bounds() const;

    // The preferences window's hooks: the settings pane (none: the item has no
    // settings; the item keeps the pane), the name in the item list and the icon.
    virtual QWidget* preferencesView();
    virtual QString preferencesName();
    virtual QPixmap preferencesIcon();

    // Recomputes the length; when it changed, sets the frame width and asks the
    // containing strip view to re-lay out.
    virtual void _updateLength();
    // Push and pop a drop shadow for the drawing in between (height and radius in
    // points, azimuth in degrees with 90 straight down, ka the density 0..1).
    virtual void _showShadowHeightRadiusAzimuthKa(int height, int radius, int azimuth, float ka);
    virtual void _hideShadow();
    // Schedules a highlight image reload 1 second later.
    virtual void _controlTintDidChange();
    // Chooses the highlight image by toolkit generation and appearance.
    virtual void _updateHilightImage();
    // Whether the user's appearance is the graphite (grey accent) variant.
    virtual bool _useGraphite() const;

    // The positions the standard drawing uses (exposed for tests).
    VEMenuItemDrawingLayout _standardDrawingLayout() const;
    // The name of the highlight image that _updateHilightImage chose.
    QString _hilightImageName() const { return mHilightImageName; }

    // The height of every item.
    static constexpr float kItemHeight = 22;

protected:
    // Drawing helpers in the item's coordinates, on the painter of the pass in
    // progress (inside a shadow bracket, the shadow layer).
    QPainter* currentPainter() const;
    void compositeImageAt(const QPixmap& image, VEPoint bottomLeft, qreal opacity = 1.0);
    void drawImageInRect(const QPixmap& image, const VERect& rect, qreal opacity = 1.0);
    void drawAttributedStringInRect(const VEAttributedString& string, const VERect& rect);
    // Measures a styled string (width and height in points).
    static VESize sizeOfAttributedString(const VEAttributedString& string);
    // Sets the frame width and asks the containing strip view to re-lay out,
    // when the width differs.
    void _setLengthAndUpdate(float length);

    void paintEvent(QPaintEvent* event) override;
    void mousePressEvent(QMouseEvent* event) override;
    void changeEvent(QEvent* event) override;

    QPixmap mImage;
    std::optional<VEAttributedString> mAttributedTitle;
    QPointer<QMenu> mMenu;
    bool mHilighted = false;
    bool mEnabled = true;
    bool mClipped = false;
    bool mDrawShadow = false;
    std::unique_ptr<VEShadowLayer> shadowValues;
    QPixmap mHilightImage;

private:
    void _commonInit();

    QString mHilightImageName;
    QPainter* mPassPainter = nullptr;
};
