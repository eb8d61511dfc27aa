#include "platform/linux/VEX11.h"

#include <QGuiApplication>
#include <QPointer>
#include <QScreen>
#include <QtGui/qguiapplication_platform.h>

#include <cstdlib>
#include <cstring>
#include <memory>
#include <string>
#include <unordered_map>

namespace {

// What is known about the current connection; rebuilt when Qt's application is
// replaced.
struct State {
    QPointer<QGuiApplication> application;
    xcb_connection_t* connection = nullptr;
    xcb_screen_t* screen = nullptr;
    bool ewmhReady = false;
    xcb_ewmh_connection_t ewmh{};
    std::unordered_map<std::string, xcb_atom_t> atoms;

    ~State() { reset(); }

    void reset()
    {
        if (ewmhReady)
            xcb_ewmh_connection_wipe(&ewmh);
        ewmhReady = false;
        ewmh = {};
        atoms.clear();
        connection = nullptr;
        screen = nullptr;
        application = nullptr;
    }
};

State& state()
{
    static State s;
    return s;
}

// The screen number of DISPLAY (":1.2" -> 2), the one Qt's xcb plugin opens.
int defaultScreenNumber()
{
    const char* display = std::getenv("DISPLAY");
    if (!display)
        return 0;
    const char* colon = std::strrchr(display, ':');
    const char* dot = colon ? std::strchr(colon, '.') : nullptr;
    return dot ? std::atoi(dot + 1) : 0;
}

State& current()
{
    State& s = state();
    auto* app = qobject_cast<QGuiApplication*>(QCoreApplication::instance());
    if (s.application.isNull() || s.application.data() != app) {
        s.reset();
        if (!app)
            return s;
        s.application = app;
        auto* x11 = app->nativeInterface<QNativeInterface::QX11Application>();
        s.connection = x11 ? x11->connection() : nullptr;
        if (s.connection && xcb_connection_has_error(s.connection) == 0) {
            xcb_screen_iterator_t it = xcb_setup_roots_iterator(xcb_get_setup(s.connection));
            int wanted = defaultScreenNumber();
            xcb_screen_t* first = it.rem > 0 ? it.data : nullptr;
            for (; it.rem > 0 && wanted > 0; --wanted)
                xcb_screen_next(&it);
            s.screen = it.rem > 0 ? it.data : first;
        } else {
            s.connection = nullptr;
        }
    }
    return s;
}

} // namespace

namespace VEX11 {

xcb_connection_t* connection()
{
    return current().connection;
}

xcb_screen_t* screen()
{
    return current().screen;
}

xcb_window_t rootWindow()
{
    const xcb_screen_t* s = current().screen;
    return s ? s->root : XCB_NONE;
}

xcb_ewmh_connection_t* ewmh()
{
    State& s = current();
    if (!s.connection)
        return nullptr;
    if (!s.ewmhReady) {
        xcb_intern_atom_cookie_t* cookies = xcb_ewmh_init_atoms(s.connection, &s.ewmh);
        if (!cookies)
            return nullptr;
        if (!xcb_ewmh_init_atoms_replies(&s.ewmh, cookies, nullptr)) {
            s.ewmh = {};
            return nullptr;
        }
        s.ewmhReady = true;
    }
    return &s.ewmh;
}

xcb_atom_t atom(const char* name)
{
    State& s = current();
    if (!s.connection || !name || !*name)
        return XCB_ATOM_NONE;
    const std::string key(name);
    if (auto it = s.atoms.find(key); it != s.atoms.end())
        return it->second;
    const auto cookie = xcb_intern_atom(s.connection, 0, static_cast<uint16_t>(key.size()), key.c_str());
    std::unique_ptr<xcb_intern_atom_reply_t, decltype(&std::free)> reply(
        xcb_intern_atom_reply(s.connection, cookie, nullptr), &std::free);
    if (!reply)
        return XCB_ATOM_NONE;
    s.atoms.emplace(key, reply->atom);
    return reply->atom;
}

QPointF deviceToLogical(QPointF devicePoint)
{
    if (!qGuiApp)
        return devicePoint;
    const auto screens = QGuiApplication::screens();
    for (const QScreen* screen : screens) {
        const QRectF logical(screen->geometry());
        const qreal ratio = screen->devicePixelRatio();
        const QRectF device(logical.topLeft(), logical.size() * ratio);
        if (device.contains(devicePoint) && ratio > 0)
            return logical.topLeft() + (devicePoint - logical.topLeft()) / ratio;
    }
    const QScreen* primary = QGuiApplication::primaryScreen();
    const qreal ratio = primary ? primary->devicePixelRatio() : 1.0;
    if (!primary || ratio <= 0)
        return devicePoint;
    const QPointF origin = QRectF(primary->geometry()).topLeft();
    return origin + (devicePoint - origin) / ratio;
}

QRect logicalToDevice(const QRectF& logicalRect)
{
    const QScreen* screen = nullptr;
    if (qGuiApp) {
        screen = QGuiApplication::screenAt(logicalRect.center().toPoint());
        if (!screen)
            screen = QGuiApplication::screenAt(logicalRect.topLeft().toPoint());
        if (!screen)
            screen = QGuiApplication::primaryScreen();
    }
    const qreal ratio = screen ? screen->devicePixelRatio() : 1.0;
    const QPointF origin = screen ? QRectF(screen->geometry()).topLeft() : QPointF();
    const QPointF topLeft = origin + (logicalRect.topLeft() - origin) * ratio;
    const QSizeF size = logicalRect.size() * ratio;
    return QRect(qRound(topLeft.x()), qRound(topLeft.y()), qRound(size.width()), qRound(size.height()));
}

} // namespace VEX11
