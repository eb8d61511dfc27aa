#pragma once

#include <QObject>
#include <QPointer>
#include <QString>
#include <QVariantMap>
#include <functional>
#include <vector>

// A notification: a name, the object that posted it and optional extra values.
struct VENotification {
    QString name;
    QObject* object = nullptr;
    QVariantMap userInfo;
};

// The default notification centre. Names are strings; the object is the poster.
// An observer watches one name from one sender, or from any sender when the
// sender is none. Observers are removed when the observing object is destroyed,
// or explicitly. Posting delivers synchronously, in the order observers were
// added. Main thread only.
class VENotificationCenter final {
public:
    using Handler = std::function<void(const VENotification&)>;

    static VENotificationCenter& defaultCenter();

    void addObserver(QObject* observer, const QString& name, QObject* sender, Handler handler);
    void removeObserver(QObject* observer);
    void removeObserver(QObject* observer, const QString& name, QObject* sender = nullptr);

    void postNotificationName(const QString& name, QObject* object, const QVariantMap& userInfo = {});

    // How many observations are registered (for tests of removal).
    size_t observationCount() const { return mObservations.size(); }

private:
    VENotificationCenter() = default;

    struct Observation {
        quint64 serial;
        QObject* observer;
        QPointer<QObject> observerGuard;
        QString name;
        QObject* sender;
        bool anySender;
        Handler handler;
    };

    bool isRegistered(quint64 serial) const;

    std::vector<Observation> mObservations;
    quint64 mSerial = 0;
};
