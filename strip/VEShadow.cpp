#include "strip/VEShadow.h"

#include <algorithm>
#include <cmath>
#include <numbers>
#include <vector>

namespace {

// One pass of a box blur of the given radius (in device pixels) over an alpha
// plane, horizontally then vertically.
void boxBlur(std::vector<float>& alpha, int width, int height, int radius)
{
    if (radius <= 0 || width <= 0 || height <= 0)
        return;
    std::vector<float> line(static_cast<size_t>(std::max(width, height)));
    const float norm = 1.0f / static_cast<float>(2 * radius + 1);
    auto at = [&](int x, int y) -> float& { return alpha[static_cast<size_t>(y) * static_cast<size_t>(width) + static_cast<size_t>(x)]; };
    for (int y = 0; y < height; ++y) {
        float sum = 0;
        for (int k = -radius; k <= radius; ++k)
            sum += (k >= 0 && k < width) ? at(k, y) : 0.0f;
        for (int x = 0; x < width; ++x) {
            line[static_cast<size_t>(x)] = sum * norm;
            const int out = x - radius;
            const int in = x + radius + 1;
            if (out >= 0)
                sum -= at(out, y);
            if (in < width)
                sum += at(in, y);
        }
        for (int x = 0; x < width; ++x)
            at(x, y) = line[static_cast<size_t>(x)];
    }
    for (int x = 0; x < width; ++x) {
        float sum = 0;
        for (int k = -radius; k <= radius; ++k)
            sum += (k >= 0 && k < height) ? at(x, k) : 0.0f;
        for (int y = 0; y < height; ++y) {
            line[static_cast<size_t>(y)] = sum * norm;
            const int out = y - radius;
            const int in = y + radius + 1;
            if (out >= 0)
                sum -= at(x, out);
            if (in < height)
                sum += at(x, in);
        }
        for (int y = 0; y < height; ++y)
            at(x, y) = line[static_cast<size_t>(y)];
    }
}

} // namespace

VEShadowLayer::VEShadowLayer(QPainter* target, QSize logicalSize, qreal devicePixelRatio, int height,
                             int radius, int azimuth, float ka)
    : mTarget(target), mHeight(height), mRadius(radius), mAzimuth(azimuth), mKa(std::clamp(ka, 0.0f, 1.0f))
{
    const QSize pixels(std::max(1, static_cast<int>(std::ceil(logicalSize.width() * devicePixelRatio))),
                       std::max(1, static_cast<int>(std::ceil(logicalSize.height() * devicePixelRatio))));
    mLayer = QImage(pixels, QImage::Format_ARGB32_Premultiplied);
    mLayer.setDevicePixelRatio(devicePixelRatio);
    mLayer.fill(Qt::transparent);
    mPainter.begin(&mLayer);
    if (mTarget) {
        mPainter.setRenderHints(mTarget->renderHints());
        mPainter.setFont(mTarget->font());
    }
}

VEShadowLayer::~VEShadowLayer()
{
    finish();
}

QPointF VEShadowLayer::offsetFor(int height, int azimuth)
{
    const double radians = azimuth * std::numbers::pi / 180.0;
    return {height * std::cos(radians), height * std::sin(radians)};
}

QImage VEShadowLayer::shadowImage(const QImage& content, int radius, float ka)
{
    const QImage source = content.convertToFormat(QImage::Format_ARGB32_Premultiplied);
    const int w = source.width();
    const int h = source.height();
    std::vector<float> alpha(static_cast<size_t>(w) * static_cast<size_t>(h));
    for (int y = 0; y < h; ++y) {
        const QRgb* row = reinterpret_cast<const QRgb*>(source.constScanLine(y));
        for (int x = 0; x < w; ++x)
            alpha[static_cast<size_t>(y) * static_cast<size_t>(w) + static_cast<size_t>(x)] =
                static_cast<float>(qAlpha(row[x])) / 255.0f;
    }
    // Three box passes approximate a Gaussian whose spread is the radius.
    const int pixelRadius = static_cast<int>(std::lround(radius * source.devicePixelRatio()));
    const int boxRadius = std::max(0, (pixelRadius + 1) / 2);
    for (int pass = 0; pass < 3; ++pass)
        boxBlur(alpha, w, h, boxRadius);
    QImage shadow(w, h, QImage::Format_ARGB32_Premultiplied);
    shadow.setDevicePixelRatio(source.devicePixelRatio());
    const float density = std::clamp(ka, 0.0f, 1.0f);
    for (int y = 0; y < h; ++y) {
        QRgb* row = reinterpret_cast<QRgb*>(shadow.scanLine(y));
        for (int x = 0; x < w; ++x) {
            const float a = alpha[static_cast<size_t>(y) * static_cast<size_t>(w) + static_cast<size_t>(x)] * density;
            row[x] = qRgba(0, 0, 0, std::clamp(static_cast<int>(std::lround(a * 255.0f)), 0, 255));
        }
    }
    return shadow;
}

void VEShadowLayer::finish()
{
    if (mFinished)
        return;
    mFinished = true;
    mPainter.end();
    if (!mTarget)
        return;
    const QImage shadow = shadowImage(mLayer, mRadius, mKa);
    mTarget->save();
    mTarget->setCompositionMode(QPainter::CompositionMode_SourceOver);
    mTarget->setOpacity(1.0);
    mTarget->drawImage(offsetFor(mHeight, mAzimuth), shadow);
    mTarget->drawImage(QPointF(0, 0), mLayer);
    mTarget->restore();
}
