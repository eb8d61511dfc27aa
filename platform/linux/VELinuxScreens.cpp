#include "platform/linux/VELinuxScreens.h"

#include "platform/VECoordinates.h"

#include <QCursor>
#include <QGuiApplication>
#include <QScreen>
#include <QWindow>

std::vector<VEScreen> VELinuxScreens::screens() const
{
    std::vector<VEScreen> result;
    const auto qtScreens = QGuiApplication::screens();
    result.reserve(static_cast<size_t>(qtScreens.size()));
    for (const QScreen* screen : qtScreens)
        result.push_back(VEScreen{VECoordinates::fromQt(QRectF(screen->geometry())),
                                  VECoordinates::fromQt(QRectF(screen->availableGeometry()))});
    return result;
}

int VELinuxScreens::mainScreenIndex() const
{
    const auto qtScreens = QGuiApplication::screens();
    const QScreen* focused = nullptr;
    if (const QWindow* window = QGuiApplication::focusWindow())
        focused = window->screen();
    if (!focused)
        focused = QGuiApplication::primaryScreen();
    const auto index = qtScreens.indexOf(const_cast<QScreen*>(focused));
    return index < 0 ? 0 : static_cast<int>(index);
}

QRectF VELinuxScreens::firstScreenQtGeometry() const
{
    const auto qtScreens = QGuiApplication::screens();
    if (qtScreens.isEmpty())
        return {};
    return QRectF(qtScreens.front()->geometry());
}
