// Benchmark programs: headless, on the fake platform, with a private preferences
// folder.
#include "platform/fake/VEFakePlatform.h"
#include "services/VEUserDefaults.h"

#include <QApplication>
#include <QTemporaryDir>
#include <benchmark/benchmark.h>

int main(int argc, char** argv)
{
    if (qEnvironmentVariableIsEmpty("QT_QPA_PLATFORM"))
        qputenv("QT_QPA_PLATFORM", "offscreen");
    QApplication app(argc, argv);
    installFakePlatform();
    QTemporaryDir preferences;
    VEUserDefaults::resetStandardUserDefaults(preferences.path());
    ::benchmark::Initialize(&argc, argv);
    ::benchmark::RunSpecifiedBenchmarks();
    ::benchmark::Shutdown();
    return 0;
}
