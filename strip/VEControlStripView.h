#pragma once

#include "platform/VEGeometry.h"

#include <QPixmap>
#include <QWidget>
#include <memory>

class QPainter;
class VEShadowLayer;

// The control strip window's background: the strip's backing picture with a soft
// shadow, drawn 7 points in from the top and the bottom and reaching 1 point past
// the screen edge the strip is docked at. The strip view is its subview at (0, 7).
class VEControlStripView : public QWidget {
    Q_OBJECT
public:
    explicit VEControlStripView(const VERect& frame, QWidget* parent = nullptr);
    ~VEControlStripView() override;

    virtual void drawRect(const VERect& rect);
    bool acceptsFirstMouse(QMouseEvent*) const { return true; }
    void _showShadowHeightRadiusAzimuthKa(int height, int radius, int azimuth, float ka);
    void _hideShadow();

    // The sideways shift of the backing: -1 docked at the left edge of its screen,
    // +1 otherwise (exposed for tests).
    float _edgeOffset() const;
    // The rectangle the backing picture is drawn into (exposed for tests).
    VERect _backgroundRect() const;
    QString _backgroundImageName() const { return mBackgroundImageName; }

    // The band above and below the strip left for the shadow.
    static constexpr float kShadowBand = 7;

protected:
    void paintEvent(QPaintEvent* event) override;

    QPixmap mBackgroundImage;
    std::unique_ptr<VEShadowLayer> shadowValues;

private:
    QString mBackgroundImageName;
    QPainter* mPassPainter = nullptr;
};
