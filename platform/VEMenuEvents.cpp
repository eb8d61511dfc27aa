#include "platform/VEMenuEvents.h"

#include <QApplication>
#include <QEvent>
#include <QMenu>
#include <QPointer>
#include <vector>

namespace {

// Sees every Show event of the application; a menu's Show arrives before its
// window is mapped, so the handlers run before the menu appears.
class MenuOpeningFilter final : public QObject {
public:
    struct Entry {
        QPointer<QObject> installer;
        VEMenuEvents::Handler handler;
        quint64 serial;
    };

    static MenuOpeningFilter& shared()
    {
        static MenuOpeningFilter* filter = [] {
            auto* f = new MenuOpeningFilter;
            qApp->installEventFilter(f);
            return f;
        }();
        return *filter;
    }

    void install(QObject* installer, VEMenuEvents::Handler handler)
    {
        remove(installer);
        mEntries.push_back({installer, std::move(handler), ++mSerial});
        QObject::connect(installer, &QObject::destroyed, this,
                         [this, installer] { remove(installer); });
    }

    void remove(QObject* installer)
    {
        std::erase_if(mEntries, [installer](const Entry& e) {
            return e.installer.isNull() || e.installer.data() == installer;
        });
    }

    bool has(QObject* installer) const
    {
        for (const auto& e : mEntries)
            if (e.installer.data() == installer)
                return true;
        return false;
    }

protected:
    bool eventFilter(QObject* watched, QEvent* event) override
    {
        if (event->type() == QEvent::Show && watched->isWidgetType()) {
            if (auto* menu = qobject_cast<QMenu*>(watched)) {
                // Handlers may remove themselves or others while running.
                const std::vector<Entry> entries = mEntries;
                for (const auto& e : entries) {
                    if (e.installer.isNull() || !stillInstalled(e.serial))
                        continue;
                    e.handler(e.installer.data(), menu);
                }
            }
        }
        return false; // never consumed: the menu opens normally
    }

private:
    bool stillInstalled(quint64 serial) const
    {
        for (const auto& e : mEntries)
            if (e.serial == serial)
                return true;
        return false;
    }

    std::vector<Entry> mEntries;
    quint64 mSerial = 0;
};

} // namespace

namespace VEMenuEvents {

void installMenuOpeningHandler(QObject* installer, Handler handler)
{
    if (!installer || !handler)
        return;
    MenuOpeningFilter::shared().install(installer, std::move(handler));
}

void removeMenuOpeningHandler(QObject* installer)
{
    MenuOpeningFilter::shared().remove(installer);
}

bool hasMenuOpeningHandler(QObject* installer)
{
    return MenuOpeningFilter::shared().has(installer);
}

} // namespace VEMenuEvents
