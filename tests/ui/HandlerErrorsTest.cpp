#include "ui/HandlerErrors.h"
#include "UserErrorOf.h"
#include "model/UserError.h"

#include <gtest/gtest.h>

#include <stdexcept>

namespace {

using namespace Qt::StringLiterals;

// Of the handlers one event runs, the first failure is what the user is told; once taken, it is gone.
TEST(HandlerErrors, KeepsTheFirstErrorUntilItIsTaken)
{
    int ran = 0;
    runHandler([&] { ++ran; });
    EXPECT_EQ(userErrorOf([] {}), QString());

    runHandler([] { throw UserError(u"prva"_s); });
    runHandler([] { throw std::runtime_error("druga"); });
    runHandler([&] { ++ran; });
    EXPECT_EQ(ran, 2);
    EXPECT_EQ(userErrorOf([] {}), u"prva"_s);
    EXPECT_NO_THROW(rethrowHandlerError());

    runHandler([] { throw std::runtime_error("treća"); });
    EXPECT_THROW(rethrowHandlerError(), std::runtime_error);
    EXPECT_NO_THROW(rethrowHandlerError());
}

} // namespace
