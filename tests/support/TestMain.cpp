#include "TestEnvironment.h"
#include "ui/HandlerApplication.h"

#include <gtest/gtest.h>

int main(int argc, char **argv)
{
    QTemporaryDir runtimeDir;
    prepareTestEnvironment(runtimeDir);
    checkHandlerErrorsAfterEachTest();
    HandlerApplication app(argc, argv);
    ::testing::InitGoogleTest(&argc, argv);
    return RUN_ALL_TESTS();
}
