#include "services/VEBundle.h"

#include <QCoreApplication>
#include <QFileInfo>
#include <QGuiApplication>
#include <QHash>
#include <QPainter>
#include <QSvgRenderer>

namespace {
QString& resourcePathOverride()
{
    static QString path;
    return path;
}

QPixmap renderImage(const QString& name)
{
    const QString svgPath = QStringLiteral(":/images/%1.svg").arg(name);
    if (QFileInfo::exists(svgPath)) {
        QSvgRenderer renderer(svgPath);
        if (!renderer.isValid())
            return {};
        const QSize size = renderer.defaultSize();
        const qreal ratio = qApp ? qApp->devicePixelRatio() : 1.0;
        QPixmap pixmap(size * ratio);
        pixmap.setDevicePixelRatio(ratio);
        pixmap.fill(Qt::transparent);
        QPainter painter(&pixmap);
        renderer.render(&painter, QRectF(QPointF(0, 0), QSizeF(size)));
        return pixmap;
    }
    const QString pngPath = QStringLiteral(":/images/%1.png").arg(name);
    if (QFileInfo::exists(pngPath))
        return QPixmap(pngPath);
    return {};
}
} // namespace

namespace VEBundle {

QString resourcePath()
{
    if (!resourcePathOverride().isEmpty())
        return resourcePathOverride();
    return QCoreApplication::applicationDirPath() + QStringLiteral("/Resources");
}

void setResourcePath(const QString& path)
{
    resourcePathOverride() = path;
}

QPixmap imageNamed(const QString& name)
{
    // Named images are shared and never change while the program runs.
    static QHash<QString, QPixmap> cache;
    const auto it = cache.constFind(name);
    if (it != cache.constEnd())
        return *it;
    QPixmap pixmap = renderImage(name);
    cache.insert(name, pixmap);
    return pixmap;
}

QString pathForResourceOfType(const QString& name, const QString& type)
{
    const QString fileName = type.isEmpty() ? name : name + QLatin1Char('.') + type;
    const QString compiled = QStringLiteral(":/") + fileName;
    if (QFileInfo::exists(compiled))
        return compiled;
    const QString onDisk = resourcePath() + QLatin1Char('/') + fileName;
    if (QFileInfo::exists(onDisk))
        return onDisk;
    return {};
}

} // namespace VEBundle
