#pragma once

#include <QImage>
#include <QPainter>
#include <memory>

// A drop shadow drawn by the program itself, as a push/pop bracket around
// drawing: while the layer is pushed, drawing goes into an offscreen image the
// size of the target; popping it blurs that image's coverage by the radius,
// offsets it by the height along the azimuth (degrees, 90 = straight down),
// paints it in black with the density ka as its opacity, then paints the
// drawing itself on top.
class VEShadowLayer final {
public:
    VEShadowLayer(QPainter* target, QSize logicalSize, qreal devicePixelRatio, int height, int radius,
                  int azimuth, float ka);
    ~VEShadowLayer();
    VEShadowLayer(const VEShadowLayer&) = delete;
    VEShadowLayer& operator=(const VEShadowLayer&) = delete;

    // The painter that draws into the layer.
    QPainter* painter() { return &mPainter; }
    // Composites the shadow and the drawing onto the target (once).
    void finish();

    // The shadow of an image's coverage: blurred alpha, black, opacity ka (tests).
    static QImage shadowImage(const QImage& content, int radius, float ka);
    // The shadow's offset in Qt's (y down) logical coordinates.
    static QPointF offsetFor(int height, int azimuth);

private:
    QPainter* mTarget;
    QImage mLayer;
    QPainter mPainter;
    int mHeight;
    int mRadius;
    int mAzimuth;
    float mKa;
    bool mFinished = false;
};
