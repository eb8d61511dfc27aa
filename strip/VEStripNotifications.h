#pragma once

#include <QString>

// Names of the notifications the strip posts on the default notification centre
// (VENotificationCenter). The object of each is its poster.

// An item is about to show its menu or pop-up window (object: the item).
inline const QString kVEMenuItemWillBeginTrackingNotification = QStringLiteral("VEMenuItemWillBeginTracking");
// That menu or window has closed (object: the item).
inline const QString kVEMenuItemDidEndTrackingNotification = QStringLiteral("VEMenuItemDidEndTracking");
// The strip view changes its collapsed state, expanding as well as collapsing,
// before its window is resized (object: the strip view).
inline const QString kVEMenuViewWillCollapseNotification = QStringLiteral("VEMenuViewWillCollapse");
// The drag bar starts moving the control strip window (object: the drag bar).
inline const QString kVEDragBarDidBeginDragNotification = QStringLiteral("VEDragBarDidBeginDrag");
// The drag bar was released after a drag (object: the drag bar).
inline const QString kVEDragBarDidEndDragNotification = QStringLiteral("VEDragBarDidEndDrag");
