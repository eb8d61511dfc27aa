// Unit-test programs: headless (offscreen), on the fake platform.
#include "platform/fake/VEFakePlatform.h"
#include "tests/support/VETestEnvironment.h"

#include <QApplication>
#include <gtest/gtest.h>

int main(int argc, char** argv)
{
    qputenv("QT_QPA_PLATFORM", "offscreen");
    ::testing::InitGoogleTest(&argc, argv);
    QApplication app(argc, argv);
    installFakePlatform();
    VETestEnvironment::setUp();
    return RUN_ALL_TESTS();
}
