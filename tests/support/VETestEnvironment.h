#pragma once

#include <QString>

// Shared set-up of the test programs: a private preferences folder and the
// build's bundle resources.
namespace VETestEnvironment {

// A fresh, empty folder for this test program's preferences (removed at exit).
QString preferencesFolder();
// Points the preferences store at a fresh empty folder (call from a test's SetUp
// when it needs a clean store).
void resetPreferences();
// Common set-up for both kinds of test program, after the QApplication exists.
void setUp();

} // namespace VETestEnvironment
