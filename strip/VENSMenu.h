#pragma once

#include <QMenu>
#include <QMetaObject>
#include <QPointer>

class VENSMenu;

// What a VENSMenu's target implements: told before the menu opens, and whether
// this is its first opening, so that it can fill the menu lazily.
class VEMenuWillOpenTarget {
public:
    virtual ~VEMenuWillOpenTarget() = default;
    virtual void menuWillOpenFirstTime(VENSMenu* menu, bool firstTime) = 0;
};

// A menu that tells a target object when it is about to open (on aboutToShow)
// and whether it opens for the first time. The flag is never reset.
class VENSMenu : public QMenu {
    Q_OBJECT
public:
    explicit VENSMenu(QWidget* parent = nullptr);
    explicit VENSMenu(const QString& title, QWidget* parent = nullptr);
    ~VENSMenu() override;

    // Stores the target when it implements VEMenuWillOpenTarget, else stores
    // none; installs the opening handler once. The target is not owned; it is
    // forgotten when destroyed.
    void setWillOpenCallbackTarget(QObject* target);
    QObject* willOpenCallbackTarget() const { return mOpenCallbackTarget.data(); }

    // Tells the target (when there is one) with the negation of mOpenedBefore,
    // then sets mOpenedBefore. The argument is ignored.
    void menuWillOpen(bool ignored = false);
    bool hasOpenedBefore() const { return mOpenedBefore; }

private:
    QMetaObject::Connection mOpenMenuEventHandler;
    QPointer<QObject> mOpenCallbackTarget;
    bool mOpenedBefore = false;
};
