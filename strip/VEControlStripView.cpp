#include "strip/VEControlStripView.h"

#include "platform/VECoordinates.h"
#include "platform/VEToolkit.h"
#include "services/VEBundle.h"
#include "strip/VECustomWindow.h"
#include "strip/VEScreenAdditions.h"
#include "strip/VEShadow.h"
#include "strip/VEViewFrame.h"

#include <QPaintEvent>
#include <QPainter>

VEControlStripView::VEControlStripView(const VERect& frame, QWidget* parent) : QWidget(parent)
{
    setAttribute(Qt::WA_TranslucentBackground);
    const bool oldest = VEToolkit::isInstalled() && VEToolkit::shared().generation() == VEToolkitGeneration::Oldest;
    mBackgroundImageName = oldest ? QStringLiteral("MenuBackgroundJag") : QStringLiteral("MenuBackground");
    mBackgroundImage = VEBundle::imageNamed(mBackgroundImageName);
    if (parent)
        VEViewFrame::setFrame(this, frame);
    else
        resize(static_cast<int>(frame.width()), static_cast<int>(frame.height()));
}

VEControlStripView::~VEControlStripView() = default;

float VEControlStripView::_edgeOffset() const
{
    const VERect windowFrame = VECustomWindow::frameOfWindow(window());
    const std::optional<VEScreen> screen = VEScreenAdditions::screenForFrame(windowFrame);
    if (screen && windowFrame.x() == screen->frame.x())
        return -1;
    return 1;
}

VERect VEControlStripView::_backgroundRect() const
{
    return VEViewFrame::bounds(this).insetBy(0, kShadowBand);
}

void VEControlStripView::drawRect(const VERect& rect)
{
    (void)rect;
    const float e = _edgeOffset();
    _showShadowHeightRadiusAzimuthKa(2, 2, 90, 0.85f);
    QPainter* painter = shadowValues ? shadowValues->painter() : mPassPainter;
    if (painter) {
        const VERect fill = _backgroundRect();
        const float h = static_cast<float>(height());
        // The solid shape casts the shadow.
        painter->fillRect(VECoordinates::toQtLocal(fill, h), Qt::black);
        if (!mBackgroundImage.isNull()) {
            painter->setRenderHint(QPainter::SmoothPixmapTransform, true);
            painter->drawPixmap(VECoordinates::toQtLocal(fill.offsetBy(e, 0), h), mBackgroundImage,
                                QRectF(QPointF(0, 0), QSizeF(mBackgroundImage.size())));
        }
    }
    _hideShadow();
}

void VEControlStripView::paintEvent(QPaintEvent* event)
{
    (void)event;
    QPainter painter(this);
    mPassPainter = &painter;
    drawRect(VEViewFrame::bounds(this));
    mPassPainter = nullptr;
}

void VEControlStripView::_showShadowHeightRadiusAzimuthKa(int height, int radius, int azimuth, float ka)
{
    if (!mPassPainter || shadowValues)
        return;
    shadowValues = std::make_unique<VEShadowLayer>(mPassPainter, size(), mPassPainter->device()->devicePixelRatioF(),
                                                   height, radius, azimuth, ka);
}

void VEControlStripView::_hideShadow()
{
    if (!shadowValues)
        return;
    std::unique_ptr<VEShadowLayer> layer = std::move(shadowValues);
    layer->finish();
}
