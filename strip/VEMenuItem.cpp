#include "strip/VEMenuItem.h"

#include "platform/VECoordinates.h"
#include "platform/VEToolkit.h"
#include "services/VEBundle.h"
#include "services/VENotificationCenter.h"
#include "services/VERunLoop.h"
#include "services/VEUserDefaults.h"
#include "strip/VEMenuItemRegistry.h"
#include "strip/VEMenuView.h"
#include "strip/VEShadow.h"
#include "strip/VEStripNotifications.h"
#include "strip/VEViewFrame.h"

#include <QApplication>
#include <QEvent>
#include <QFontMetricsF>
#include <QGuiApplication>
#include <QImage>
#include <QMenu>
#include <QMouseEvent>
#include <QPainter>
#include <QPalette>
#include <cmath>

namespace {

// The title font: the platform's menu font at 14 points, without font smoothing.
QFont titleFont()
{
    QFont font = QApplication::font("QMenu");
    font.setPixelSize(14);
    font.setStyleStrategy(QFont::NoAntialias);
    return font;
}

VESize pointSize(const QPixmap& image)
{
    if (image.isNull())
        return {};
    const QSizeF size = image.deviceIndependentSize();
    return {static_cast<float>(size.width()), static_cast<float>(size.height())};
}

} // namespace

VEMenuItem::VEMenuItem(const VERect& frame)
{
    VEViewFrame::setFrame(this, frame);
    _commonInit();
}

VEMenuItem::VEMenuItem(const QString& title) : VEMenuItem(VERect(0, 0, 0, kItemHeight))
{
    setTitle(title);
}

VEMenuItem::VEMenuItem(const QPixmap& image) : VEMenuItem(VERect(0, 0, 0, kItemHeight))
{
    setImage(image);
}

VEMenuItem::VEMenuItem(const VEPlistDictionary* dictionary) : VEMenuItem(VERect(0, 0, 0, kItemHeight))
{
    if (dictionary) {
        const auto image = dictionary->find(QStringLiteral("Image"));
        if (image != dictionary->end() && image->second.isData()) {
            // An undecodable image leaves the item without one.
            const QImage decoded = QImage::fromData(image->second.toData());
            if (!decoded.isNull())
                mImage = QPixmap::fromImage(decoded);
        }
        const auto title = dictionary->find(QStringLiteral("Title"));
        setTitle(title != dictionary->end() ? title->second.toString() : QString());
        const auto enabled = dictionary->find(QStringLiteral("Enabled"));
        mEnabled = enabled != dictionary->end() && enabled->second.toBool(false);
        const auto shadow = dictionary->find(QStringLiteral("DropShadow"));
        mDrawShadow = shadow != dictionary->end() && shadow->second.toBool(false);
    } else {
        mDrawShadow = false;
        mEnabled = true;
        setTitle(QStringLiteral("No Title"));
    }
    // Virtual calls in a base constructor reach the base: subclasses with their own
    // geometry call their _updateLength in their constructor.
    VEMenuItem::_updateLength();
}

VEMenuItem::~VEMenuItem()
{
    VENotificationCenter::defaultCenter().removeObserver(this);
}

void VEMenuItem::_commonInit()
{
    // A click acts at once: no focus or activation is needed first.
    setAttribute(Qt::WA_ShowWithoutActivating);
    setFocusPolicy(Qt::NoFocus);
    setAttribute(Qt::WA_TranslucentBackground);
    mEnabled = true;
    VEMenuItem::_updateHilightImage();
}

void VEMenuItem::registerClass()
{
    VEMenuItemRegistry::shared().registerItemClass<VEMenuItem>(QStringLiteral("VEMenuItem"));
}

QString VEMenuItem::className() const
{
    return QStringLiteral("VEMenuItem");
}

VEPlistDictionary VEMenuItem::saveDictionary() const
{
    VEPlistDictionary dictionary;
    dictionary[QStringLiteral("ClassName")] = className();
    dictionary[QStringLiteral("Enabled")] = mEnabled;
    dictionary[QStringLiteral("DropShadow")] = mDrawShadow;
    return dictionary;
}

void VEMenuItem::setImage(const QPixmap& image)
{
    mImage = image;
    _updateLength();
    QWidget::update();
}

void VEMenuItem::setTitle(const QString& title)
{
    mAttributedTitle.reset();
    if (!title.isEmpty())
        mAttributedTitle = VEAttributedString{title, titleFont(), Qt::black};
    _updateLength();
    QWidget::update();
}

std::optional<QString> VEMenuItem::title() const
{
    if (!mAttributedTitle)
        return std::nullopt;
    return mAttributedTitle->string;
}

void VEMenuItem::setMenu(QMenu* menu)
{
    if (menu == mMenu.data())
        return;
    QMenu* old = mMenu.data();
    mMenu = menu;
    if (menu && menu->parent() != this)
        menu->setParent(this, menu->windowFlags());
    if (old && old->parent() == this)
        delete old;
}

float VEMenuItem::length() const
{
    return static_cast<float>(width());
}

void VEMenuItem::setEnabled(bool enabled)
{
    mEnabled = enabled;
}

VESize VEMenuItem::sizeOfAttributedString(const VEAttributedString& string)
{
    const QFontMetricsF metrics(string.font);
    return {static_cast<float>(metrics.horizontalAdvance(string.string)), static_cast<float>(metrics.height())};
}

void VEMenuItem::_updateLength()
{
    float length = 0;
    if (mAttributedTitle)
        length = std::ceil(sizeOfAttributedString(*mAttributedTitle).width);
    if (hasImage())
        length += std::ceil(pointSize(mImage).width);
    if (hasImage() || mAttributedTitle)
        length += 11;
    if (hasImage() && !mAttributedTitle)
        length -= 1;
    if (hasImage() && mAttributedTitle)
        length += 4;
    _setLengthAndUpdate(length);
}

void VEMenuItem::_setLengthAndUpdate(float length)
{
    if (length == this->length())
        return;
    const VERect f = frame();
    setFrame(VERect(f.x(), f.y(), length, f.height()));
    if (auto* view = qobject_cast<VEMenuView*>(parentWidget()))
        view->update();
}

VERect VEMenuItem::frame() const
{
    return VEViewFrame::frame(this);
}

void VEMenuItem::setFrame(const VERect& frame)
{
    VEViewFrame::setFrame(this, frame);
}

void VEMenuItem::setFrameOrigin(VEPoint origin)
{
    VEViewFrame::setFrameOrigin(this, origin);
}

VERect VEMenuItem::bounds() const
{
    return VEViewFrame::bounds(this);
}

// ---- Drawing ----------------------------------------------------------------

VEMenuItemDrawingLayout VEMenuItem::_standardDrawingLayout() const
{
    VEMenuItemDrawingLayout layout;
    VERect titleRect(5.5f, 3.0f, 0, 0);
    if (mAttributedTitle) {
        const VESize size = sizeOfAttributedString(*mAttributedTitle);
        titleRect = VERect(5.5f, 3.0f, size.width, size.height);
    }
    if (hasImage()) {
        const VESize size = pointSize(mImage);
        const float y = std::floor((kItemHeight - size.height) * 0.5f);
        const float x = mAttributedTitle ? 6.0f : 5.0f;
        layout.imageOrigin = VEPoint{x, y};
        titleRect = titleRect.offsetBy(size.width + 4, 0);
    }
    if (mAttributedTitle)
        layout.titleRect = titleRect;
    return layout;
}

void VEMenuItem::drawRect(const VERect& rect)
{
    (void)rect;
    QPainter* painter = currentPainter();
    if (!painter)
        return;
    // Font smoothing off: the title font's style strategy is NoAntialias.
    painter->setRenderHint(QPainter::TextAntialiasing, false);
    if (mHilighted) {
        drawImageInRect(mHilightImage, bounds(), 1.0);
        if (mAttributedTitle)
            mAttributedTitle->color = Qt::white;
    } else if (mAttributedTitle) {
        mAttributedTitle->color = Qt::black;
    }
    const bool shadow = mDrawShadow;
    if (shadow)
        _showShadowHeightRadiusAzimuthKa(2, 2, 90, 0.6f);
    const VEMenuItemDrawingLayout layout = _standardDrawingLayout();
    if (layout.imageOrigin)
        compositeImageAt(mImage, *layout.imageOrigin);
    if (mAttributedTitle && layout.titleRect) {
        VERect titleRect = *layout.titleRect;
        titleRect.size.width = sizeOfAttributedString(*mAttributedTitle).width;
        drawAttributedStringInRect(*mAttributedTitle, titleRect);
    }
    if (shadow)
        _hideShadow();
}

void VEMenuItem::paintEvent(QPaintEvent* event)
{
    (void)event;
    QPainter painter(this);
    mPassPainter = &painter;
    drawRect(bounds());
    // A bracket left open by a subclass is closed with the pass.
    while (shadowValues)
        _hideShadow();
    mPassPainter = nullptr;
}

QPainter* VEMenuItem::currentPainter() const
{
    if (shadowValues)
        return shadowValues->painter();
    return mPassPainter;
}

void VEMenuItem::compositeImageAt(const QPixmap& image, VEPoint bottomLeft, qreal opacity)
{
    QPainter* painter = currentPainter();
    if (!painter || image.isNull())
        return;
    const VESize size = pointSize(image);
    drawImageInRect(image, VERect(bottomLeft.x, bottomLeft.y, size.width, size.height), opacity);
}

void VEMenuItem::drawImageInRect(const QPixmap& image, const VERect& rect, qreal opacity)
{
    QPainter* painter = currentPainter();
    if (!painter || image.isNull())
        return;
    painter->save();
    painter->setCompositionMode(QPainter::CompositionMode_SourceOver);
    painter->setOpacity(opacity);
    painter->setRenderHint(QPainter::SmoothPixmapTransform, true);
    painter->drawPixmap(VECoordinates::toQtLocal(rect, static_cast<float>(height())), image,
                        QRectF(QPointF(0, 0), QSizeF(image.size())));
    painter->restore();
}

void VEMenuItem::drawAttributedStringInRect(const VEAttributedString& string, const VERect& rect)
{
    QPainter* painter = currentPainter();
    if (!painter)
        return;
    painter->save();
    painter->setFont(string.font);
    painter->setPen(string.color);
    painter->setRenderHint(QPainter::TextAntialiasing, false);
    // The text hangs from the top of its rectangle.
    const QRectF qt = VECoordinates::toQtLocal(rect, static_cast<float>(height()));
    painter->drawText(QRectF(qt.x(), qt.y(), qt.width() + 1, qt.height()), Qt::AlignLeft | Qt::AlignTop | Qt::TextSingleLine,
                      string.string);
    painter->restore();
}

void VEMenuItem::_showShadowHeightRadiusAzimuthKa(int height, int radius, int azimuth, float ka)
{
    QPainter* painter = mPassPainter;
    if (!painter || shadowValues)
        return;
    shadowValues = std::make_unique<VEShadowLayer>(painter, size(), painter->device()->devicePixelRatioF(), height,
                                                   radius, azimuth, ka);
}

void VEMenuItem::_hideShadow()
{
    if (!shadowValues)
        return;
    std::unique_ptr<VEShadowLayer> layer = std::move(shadowValues);
    layer->finish();
}

// ---- Highlight image and tint -------------------------------------------------

void VEMenuItem::_updateHilightImage()
{
    const bool graphite = _useGraphite();
    const VEToolkitGeneration generation =
        VEToolkit::isInstalled() ? VEToolkit::shared().generation() : VEToolkitGeneration::Newest;
    QString name;
    switch (generation) {
    case VEToolkitGeneration::Newest:
        name = graphite ? QStringLiteral("MenuHighlightTG") : QStringLiteral("MenuHighlightT");
        break;
    case VEToolkitGeneration::Middle:
        name = graphite ? QStringLiteral("MenuHighlightG") : QStringLiteral("MenuHighlight");
        break;
    case VEToolkitGeneration::Oldest:
        name = graphite ? QStringLiteral("MenuHighlightJagG") : QStringLiteral("MenuHighlightJag");
        break;
    }
    mHilightImageName = name;
    mHilightImage = VEBundle::imageNamed(name);
}

bool VEMenuItem::_useGraphite() const
{
    const VEToolkitGeneration generation =
        VEToolkit::isInstalled() ? VEToolkit::shared().generation() : VEToolkitGeneration::Newest;
    if (generation == VEToolkitGeneration::Oldest) {
        const VEPlistValue variant =
            VEUserDefaults::standardUserDefaults().objectForKey(QStringLiteral("AppleAquaColorVariant"));
        return variant.isNumber() && variant.toInteger() == 6;
    }
    // The desktop's graphite counterpart: an accent (highlight) colour without
    // hue, that is with a saturation below 15 %.
    const QColor accent = QGuiApplication::palette().color(QPalette::Active, QPalette::Highlight);
    return accent.hsvSaturationF() < 0.15f;
}

void VEMenuItem::_controlTintDidChange()
{
    VERunLoop::performAfterDelay(this, 1.0, [this] { _updateHilightImage(); });
}

void VEMenuItem::changeEvent(QEvent* event)
{
    // The application palette's change is the desktop's tint change.
    if (event->type() == QEvent::ApplicationPaletteChange)
        _controlTintDidChange();
    QWidget::changeEvent(event);
}

// ---- Click -------------------------------------------------------------------

bool VEMenuItem::acceptsFirstMouse(QMouseEvent* event) const
{
    (void)event;
    return true;
}

void VEMenuItem::mousePressEvent(QMouseEvent* event)
{
    if (event->button() != Qt::LeftButton) {
        QWidget::mousePressEvent(event);
        return;
    }
    event->accept();
    mouseDown(event);
}

void VEMenuItem::mouseDown(QMouseEvent* event)
{
    (void)event;
    QMenu* menu = mMenu.data();
    if (!menu)
        return;
    QPointer<VEMenuItem> self(this);
    VENotificationCenter::defaultCenter().postNotificationName(kVEMenuItemWillBeginTrackingNotification, this);
    if (!self || !mMenu)
        return;
    mHilighted = true;
    repaint();
    // The pull-down opens below the cell: the item's bounds moved 4 points left
    // and 1 point down.
    const VERect cell = bounds().offsetBy(-4, -1);
    const QPointF below = VECoordinates::toQtLocal(VEPoint{cell.minX(), cell.minY()}, static_cast<float>(height()));
    menu->setMinimumWidth(static_cast<int>(cell.width()));
    menu->exec(mapToGlobal(below.toPoint()));
    if (!self)
        return;
    mHilighted = false;
    repaint();
    VENotificationCenter::defaultCenter().postNotificationName(kVEMenuItemDidEndTrackingNotification, this);
}

// ---- Preferences hooks ----------------------------------------------------------

QWidget* VEMenuItem::preferencesView()
{
    return nullptr;
}

QString VEMenuItem::preferencesName()
{
    return title().value_or(QString());
}

QPixmap VEMenuItem::preferencesIcon()
{
    return mImage;
}
