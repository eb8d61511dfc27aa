#pragma once

#include <QObject>
#include <functional>

class QMenu;

// Menus of the program about to open.
//
// An installer (an item) registers one handler; it runs on the main thread for
// every menu of the program that is about to be shown, before it appears, with
// the installer as its argument. The menu then opens normally. The handler is
// removed by removeMenuOpeningHandler or when its installer is destroyed; an
// installer holds at most one (installing again replaces it).
namespace VEMenuEvents {

using Handler = std::function<void(QObject* installer, QMenu* menu)>;

void installMenuOpeningHandler(QObject* installer, Handler handler);
void removeMenuOpeningHandler(QObject* installer);
bool hasMenuOpeningHandler(QObject* installer);

} // namespace VEMenuEvents
