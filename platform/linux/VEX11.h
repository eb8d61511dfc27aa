#pragma once

#include <QPointF>
#include <QRect>
#include <QRectF>

#include <xcb/xcb.h>
#include <xcb/xcb_ewmh.h>

// Shared access to the X server for every Linux backend.
//
// The program talks to X through the xcb connection that Qt's xcb platform
// plugin opened; nothing here opens a connection of its own. When the program
// does not run on xcb (offscreen, Wayland, no QGuiApplication), connection() is
// null and every other call answers "nothing there" (XCB_NONE, null, empty), so
// the backends degrade to empty answers without further checks.
//
// Stable API (other backends rely on it; keep it small):
//   connection()          the xcb connection of Qt's X11 application, or null
//   rootWindow()          the root window of Qt's default screen, or XCB_NONE
//   screen()              that xcb screen, or null
//   ewmh()                an initialised xcb_ewmh_connection_t for the
//                         connection (xcb-ewmh), or null
//   atom(name)            a cached interned atom, or XCB_ATOM_NONE
//   deviceToLogical(p)    root-window device pixels -> Qt's global logical
//   logicalToDevice(r)    Qt's global logical rectangle -> device pixels
//
// Everything is for the main thread only (like Qt's own use of the connection).
// The caches follow the connection: when Qt's application is replaced by a new
// one, the next call sets them up again for the new connection.
namespace VEX11 {

xcb_connection_t* connection();
xcb_window_t rootWindow();
xcb_screen_t* screen();
xcb_ewmh_connection_t* ewmh();
// Interns the atom on first use (one round trip) and caches it.
xcb_atom_t atom(const char* name);

// Conversions between X's root-window device pixels and Qt's global logical
// coordinates, per screen with its device pixel ratio (a screen keeps its
// top-left corner; distances inside it scale). The identity when the ratio is 1.
QPointF deviceToLogical(QPointF devicePoint);
QRect logicalToDevice(const QRectF& logicalRect);

} // namespace VEX11
