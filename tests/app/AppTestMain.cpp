#include "TestEnvironment.h"
#include "app/ZorvatApplication.h"

#include <gtest/gtest.h>

// The window tests run under the program's own application object, so that an error escaping a
// handler reaches the error box as it does in the program. Defining main here keeps the shared
// test main out of this executable.
int main(int argc, char **argv)
{
    QTemporaryDir runtimeDir;
    prepareTestEnvironment(runtimeDir);
    checkHandlerErrorsAfterEachTest();
    ZorvatApplication app(argc, argv);
    ::testing::InitGoogleTest(&argc, argv);
    return RUN_ALL_TESTS();
}
