#include "strip/VESeparatorMenuItem.h"

#include "services/VEBundle.h"
#include "strip/VEMenuItemRegistry.h"

#include <QPainter>

VESeparatorMenuItem::VESeparatorMenuItem(const VEPlistDictionary* dictionary) : VEMenuItem(dictionary)
{
    // The picture; the separator draws nothing else (a title of the base
    // construction is kept but never drawn).
    mImage = VEBundle::imageNamed(QStringLiteral("Separator"));
    VESeparatorMenuItem::_updateLength();
}

VESeparatorMenuItem::~VESeparatorMenuItem() = default;

void VESeparatorMenuItem::registerClass()
{
    VEMenuItemRegistry::shared().registerItemClass<VESeparatorMenuItem>(QStringLiteral("VESeparatorMenuItem"));
}

QString VESeparatorMenuItem::className() const
{
    return QStringLiteral("VESeparatorMenuItem");
}

void VESeparatorMenuItem::mouseDown(QMouseEvent* event)
{
    (void)event;
}

void VESeparatorMenuItem::drawRect(const VERect& rect)
{
    (void)rect;
    if (hasImage())
        compositeImageAt(mImage, VEPoint{0, 0});
}

void VESeparatorMenuItem::_updateLength()
{
    _setLengthAndUpdate(static_cast<float>(mImage.deviceIndependentSize().width()));
}

QString VESeparatorMenuItem::preferencesName()
{
    return QStringLiteral("Separator Item");
}

QPixmap VESeparatorMenuItem::preferencesIcon()
{
    if (mPreferencesImage.isNull()) {
        QPixmap icon(16, 16);
        icon.fill(Qt::transparent);
        if (hasImage()) {
            QPainter painter(&icon);
            painter.setCompositionMode(QPainter::CompositionMode_SourceOver);
            // (5, -1) from the bottom-left corner of the 16-point icon.
            const QSizeF size = mImage.deviceIndependentSize();
            const QRectF target(5, 16 - (-1 + size.height()), size.width(), size.height());
            painter.drawPixmap(target, mImage, QRectF(QPointF(0, 0), QSizeF(mImage.size())));
        }
        mPreferencesImage = icon;
    }
    return mPreferencesImage;
}
