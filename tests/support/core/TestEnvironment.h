#pragma once

#include <QTemporaryDir>

// Sets up what every test program needs before its application object exists: the offscreen
// platform, a private runtime folder (kept alive by runtimeDir) with
// the data folder (the payments book) in it, the C locale and 96 dpi.
void prepareTestEnvironment(const QTemporaryDir &runtimeDir);

// After every test of a program with windows, a check that no error a handler kept was left
// unreported, which ends the program.
void checkHandlerErrorsAfterEachTest();
