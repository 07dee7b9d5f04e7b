#include "TestEnvironment.h"

#include "model/UserError.h"
#include "ui/HandlerErrors.h"

#include <gtest/gtest.h>

#include <cstdio>
#include <cstdlib>

namespace {

// A test that makes a handler fail must take the error (userErrorOf, or the application reporting
// it); one left behind would otherwise pass unseen, or be blamed on the next test.
class UnreportedHandlerErrorCheck : public ::testing::EmptyTestEventListener
{
    void OnTestEnd(const ::testing::TestInfo &test) override
    {
        try {
            rethrowHandlerError();
        } catch (const UserError &error) {
            fail(test, qUtf8Printable(error.text()));
        } catch (const std::exception &error) {
            fail(test, error.what());
        }
    }

    static void fail(const ::testing::TestInfo &test, const char *text)
    {
        std::fprintf(stderr, "%s.%s left a handler error unreported: %s\n", test.test_suite_name(),
                     test.name(), text);
        std::abort();
    }
};

} // namespace

void checkHandlerErrorsAfterEachTest()
{
    ::testing::UnitTest::GetInstance()->listeners().Append(new UnreportedHandlerErrorCheck);
}
