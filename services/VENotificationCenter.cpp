#include "services/VENotificationCenter.h"

#include <algorithm>

VENotificationCenter& VENotificationCenter::defaultCenter()
{
    static VENotificationCenter center;
    return center;
}

void VENotificationCenter::addObserver(QObject* observer, const QString& name, QObject* sender,
                                       Handler handler)
{
    if (!observer || !handler)
        return;
    const bool firstForObserver = std::none_of(mObservations.begin(), mObservations.end(),
                                               [observer](const Observation& o) { return o.observer == observer; });
    mObservations.push_back(
        {++mSerial, observer, QPointer<QObject>(observer), name, sender, sender == nullptr, std::move(handler)});
    if (firstForObserver)
        QObject::connect(observer, &QObject::destroyed, [this, observer] { removeObserver(observer); });
    // A watched sender that goes away can no longer post; its observations go too,
    // so that a later object at the same address is not mistaken for it.
    if (sender)
        QObject::connect(sender, &QObject::destroyed, observer, [this, sender] {
            std::erase_if(mObservations, [sender](const Observation& o) { return !o.anySender && o.sender == sender; });
        });
}

void VENotificationCenter::removeObserver(QObject* observer)
{
    std::erase_if(mObservations, [observer](const Observation& o) { return o.observer == observer; });
}

void VENotificationCenter::removeObserver(QObject* observer, const QString& name, QObject* sender)
{
    std::erase_if(mObservations, [&](const Observation& o) {
        return o.observer == observer && o.name == name && (sender == nullptr || o.sender == sender);
    });
}

bool VENotificationCenter::isRegistered(quint64 serial) const
{
    return std::any_of(mObservations.begin(), mObservations.end(),
                       [serial](const Observation& o) { return o.serial == serial; });
}

void VENotificationCenter::postNotificationName(const QString& name, QObject* object, const QVariantMap& userInfo)
{
    const VENotification notification{name, object, userInfo};
    // Handlers may add or remove observers while the notification is delivered:
    // deliver to those registered at the moment of posting that are still registered.
    std::vector<std::pair<quint64, Handler>> targets;
    for (const auto& o : mObservations) {
        if (o.name == name && (o.anySender || o.sender == object) && !o.observerGuard.isNull())
            targets.emplace_back(o.serial, o.handler);
    }
    for (const auto& [serial, handler] : targets) {
        if (isRegistered(serial))
            handler(notification);
    }
}
