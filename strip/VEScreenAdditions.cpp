#include "strip/VEScreenAdditions.h"

#include <algorithm>

namespace VEScreenAdditions {

std::optional<VEScreen> screenForPoint(VEPoint point)
{
    if (!VEScreenService::isInstalled())
        return std::nullopt;
    const std::vector<VEScreen> screens = VEScreenService::shared().screens();
    for (const VEScreen& screen : screens)
        if (screen.frame.containsPoint(point))
            return screen;
    if (screens.empty())
        return std::nullopt;
    const int main = VEScreenService::shared().mainScreenIndex();
    if (main >= 0 && static_cast<size_t>(main) < screens.size())
        return screens[static_cast<size_t>(main)];
    return screens.front();
}

std::optional<VEScreen> screenWithMenuBar()
{
    if (!VEScreenService::isInstalled())
        return std::nullopt;
    const std::vector<VEScreen> screens = VEScreenService::shared().screens();
    if (screens.empty())
        return std::nullopt;
    return screens.front();
}

std::optional<VEScreen> screenForFrame(const VERect& frame)
{
    if (!VEScreenService::isInstalled())
        return std::nullopt;
    std::optional<VEScreen> best;
    float bestArea = 0;
    for (const VEScreen& screen : VEScreenService::shared().screens()) {
        const float w = std::min(frame.maxX(), screen.frame.maxX()) - std::max(frame.minX(), screen.frame.minX());
        const float h = std::min(frame.maxY(), screen.frame.maxY()) - std::max(frame.minY(), screen.frame.minY());
        // A zero-height frame (a collapsed layout in progress) still counts by width.
        const float area = (w > 0 ? w : 0) * (frame.height() > 0 ? (h > 0 ? h : 0) : 1);
        if (area > bestArea) {
            bestArea = area;
            best = screen;
        }
    }
    return best;
}

bool isMenuBarScreen(const VEScreen& screen)
{
    const std::optional<VEScreen> menuBarScreen = screenWithMenuBar();
    return menuBarScreen && menuBarScreen->frame == screen.frame;
}

} // namespace VEScreenAdditions
