#include "tests/support/VETestEnvironment.h"

#include "services/VEBundle.h"
#include "services/VEUserDefaults.h"

#include <QDir>
#include <QTemporaryDir>
#include <memory>

namespace {
std::unique_ptr<QTemporaryDir>& preferencesDir()
{
    static std::unique_ptr<QTemporaryDir> dir;
    return dir;
}
} // namespace

namespace VETestEnvironment {

QString preferencesFolder()
{
    if (!preferencesDir())
        preferencesDir() = std::make_unique<QTemporaryDir>();
    return preferencesDir()->path();
}

void resetPreferences()
{
    preferencesDir() = std::make_unique<QTemporaryDir>();
    VEUserDefaults::resetStandardUserDefaults(preferencesDir()->path());
}

void setUp()
{
    VEBundle::setResourcePath(QStringLiteral(VELMORA_BUNDLE_DIR "/Resources"));
    resetPreferences();
}

} // namespace VETestEnvironment
