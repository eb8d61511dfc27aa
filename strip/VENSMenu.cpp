#include "strip/VENSMenu.h"

VENSMenu::VENSMenu(QWidget* parent) : QMenu(parent) {}

VENSMenu::VENSMenu(const QString& title, QWidget* parent) : QMenu(title, parent) {}

VENSMenu::~VENSMenu() = default;

void VENSMenu::setWillOpenCallbackTarget(QObject* target)
{
    mOpenCallbackTarget = dynamic_cast<VEMenuWillOpenTarget*>(target) ? target : nullptr;
    // The opening handler: installed once, on the menu's own about-to-show signal.
    if (!mOpenMenuEventHandler)
        mOpenMenuEventHandler = connect(this, &QMenu::aboutToShow, this, [this] { menuWillOpen(false); });
}

void VENSMenu::menuWillOpen(bool ignored)
{
    (void)ignored;
    if (auto* target = dynamic_cast<VEMenuWillOpenTarget*>(mOpenCallbackTarget.data()))
        target->menuWillOpenFirstTime(this, !mOpenedBefore);
    mOpenedBefore = true;
}
