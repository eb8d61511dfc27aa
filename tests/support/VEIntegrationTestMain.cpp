// Integration-test programs: each run starts a private Xvfb with openbox, runs
// the tests against it with the Linux platform backends, and stops it again.
#include "platform/linux/VELinuxPlatform.h"
#include "tests/support/VETestEnvironment.h"
#include "tests/support/VEXSession.h"

#include <QApplication>
#include <cstdio>
#include <cstring>
#include <gtest/gtest.h>

int main(int argc, char** argv)
{
    ::testing::InitGoogleTest(&argc, argv);
    if (::testing::GTEST_FLAG(list_tests))
        return RUN_ALL_TESTS();

    VEXSession& session = VEXSession::current();
    if (!session.startServer() || !session.startWindowManager("openbox")) {
        std::fprintf(stderr, "could not start Xvfb with openbox\n");
        return 1;
    }
    qputenv("QT_QPA_PLATFORM", "xcb");
    int result = 1;
    {
        QApplication app(argc, argv);
        installLinuxPlatform();
        VETestEnvironment::setUp();
        result = RUN_ALL_TESTS();
    }
    session.stop();
    return result;
}
