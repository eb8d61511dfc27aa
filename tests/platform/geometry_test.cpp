#include "platform/VECoordinates.h"
#include "platform/VEGeometry.h"
#include "platform/VEToolkit.h"
#include "platform/fake/VEFakePlatform.h"

#include <gtest/gtest.h>

TEST(VEGeometry, PointStringsRoundTrip)
{
    struct Case {
        VEPoint point;
        const char* text;
    };
    const Case cases[] = {{{1383, 828}, "{1383, 828}"}, {{-7.5f, 0}, "{-7.5, 0}"}, {{0.25f, -12}, "{0.25, -12}"}};
    for (const auto& c : cases) {
        EXPECT_EQ(VEStringFromPoint(c.point), QString::fromUtf8(c.text));
        const auto back = VEPointFromString(QString::fromUtf8(c.text));
        ASSERT_TRUE(back.has_value()) << c.text;
        EXPECT_EQ(*back, c.point);
    }
    EXPECT_EQ(VEPointFromString(QStringLiteral("{ 3 ,4 }")), (VEPoint{3, 4}));
    for (const char* bad : {"", "{1}", "1, 2", "{a, b}", "{1, 2", "{1, 2} x"})
        EXPECT_FALSE(VEPointFromString(QString::fromUtf8(bad)).has_value()) << bad;
}

TEST(VEGeometry, ContainsUsesHalfOpenEdgesAndInsetWidens)
{
    const VERect r(10, 20, 100, 50);
    EXPECT_TRUE(r.containsPoint({10, 20}));
    EXPECT_FALSE(r.containsPoint({110, 20}));
    EXPECT_FALSE(r.containsPoint({10, 70}));
    EXPECT_EQ(r.insetBy(-20, -20), VERect(-10, 0, 140, 90));
    EXPECT_EQ(r.insetBy(-2, 4), VERect(8, 24, 104, 42));
}

TEST(VECoordinates, ConvertsAgainstTheFirstScreen)
{
    installFakePlatform();
    // First screen 1440 x 900: Qt's top-left (0, 0) is the program's (0, 900).
    EXPECT_EQ(VECoordinates::fromQt(QPointF(0, 0)), (VEPoint{0, 900}));
    EXPECT_EQ(VECoordinates::toQt(VEPoint{100, 850}), QPointF(100, 50));
    const VERect window(1340, 828, 100, 36);
    const QRectF qt = VECoordinates::toQt(window);
    EXPECT_EQ(qt, QRectF(1340, 36, 100, 36));
    EXPECT_EQ(VECoordinates::fromQt(qt), window);
    EXPECT_EQ(VECoordinates::fromQtLocal(QPointF(3, 2), 22), (VEPoint{3, 20}));
    EXPECT_EQ(VECoordinates::toQtLocal(VERect(5.5f, 3, 10, 16), 22), QRectF(5.5, 3, 10, 16));
}

TEST(VEToolkit, GenerationsFollowTheVersionNumber)
{
    struct Case {
        double version;
        VEToolkitGeneration generation;
    };
    const Case cases[] = {{1000, VEToolkitGeneration::Newest}, {744, VEToolkitGeneration::Newest},
                          {743.9, VEToolkitGeneration::Middle}, {664, VEToolkitGeneration::Middle},
                          {663.9, VEToolkitGeneration::Oldest}, {620, VEToolkitGeneration::Oldest}};
    for (const auto& c : cases)
        EXPECT_EQ(VEToolkit::generationForVersion(c.version), c.generation) << c.version;
}
