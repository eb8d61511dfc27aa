#include "services/VENotificationCenter.h"

#include <QObject>
#include <gtest/gtest.h>
#include <memory>

namespace {
const QString kName = QStringLiteral("VETestNotification");
}

TEST(VENotificationCenter, DeliversBySenderAndToAnySender)
{
    auto& center = VENotificationCenter::defaultCenter();
    QObject poster, other;
    auto observer = std::make_unique<QObject>();
    int fromPoster = 0, fromAny = 0;
    center.addObserver(observer.get(), kName, &poster, [&](const VENotification& n) {
        EXPECT_EQ(n.object, &poster);
        ++fromPoster;
    });
    center.addObserver(observer.get(), kName, nullptr, [&](const VENotification&) { ++fromAny; });
    center.postNotificationName(kName, &poster);
    center.postNotificationName(kName, &other);
    center.postNotificationName(QStringLiteral("VEOtherName"), &poster);
    EXPECT_EQ(fromPoster, 1);
    EXPECT_EQ(fromAny, 2);

    const size_t before = center.observationCount();
    observer.reset(); // observers go with their owner
    EXPECT_EQ(center.observationCount(), before - 2);
    center.postNotificationName(kName, &poster); // nothing left to call
}

TEST(VENotificationCenter, ObserversRemovedWhileDeliveringAreNotCalled)
{
    auto& center = VENotificationCenter::defaultCenter();
    QObject first, second;
    int secondCalls = 0;
    center.addObserver(&first, kName, nullptr, [&](const VENotification&) { center.removeObserver(&second); });
    center.addObserver(&second, kName, nullptr, [&](const VENotification&) { ++secondCalls; });
    center.postNotificationName(kName, nullptr);
    EXPECT_EQ(secondCalls, 0);
    center.removeObserver(&first);
}
