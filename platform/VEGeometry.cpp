#include "platform/VEGeometry.h"

#include <QRegularExpression>

namespace {
QString formatCoordinate(float value)
{
    // Whole numbers without a fraction, others with up to 6 significant digits.
    return QString::number(static_cast<double>(value), 'g', 6);
}
} // namespace

QString VEStringFromPoint(VEPoint point)
{
    return QStringLiteral("{%1, %2}").arg(formatCoordinate(point.x), formatCoordinate(point.y));
}

std::optional<VEPoint> VEPointFromString(const QString& text)
{
    static const QRegularExpression pattern(QStringLiteral(
        R"(^\s*\{\s*([-+]?(?:\d+\.?\d*|\.\d+)(?:[eE][-+]?\d+)?)\s*,\s*([-+]?(?:\d+\.?\d*|\.\d+)(?:[eE][-+]?\d+)?)\s*\}\s*$)"));
    const auto match = pattern.match(text);
    if (!match.hasMatch())
        return std::nullopt;
    return VEPoint{match.captured(1).toFloat(), match.captured(2).toFloat()};
}
