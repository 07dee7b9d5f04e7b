#include "HandlerErrors.h"

#include <utility>

namespace {

// Handlers run on the one GUI thread, so one slot is enough.
std::exception_ptr &keptError()
{
    static std::exception_ptr error;
    return error;
}

} // namespace

void runHandler(const std::function<void()> &handler)
{
    try {
        handler();
    } catch (...) {
        if (!keptError())
            keptError() = std::current_exception();
    }
}

void rethrowHandlerError()
{
    if (std::exception_ptr error = std::exchange(keptError(), nullptr))
        std::rethrow_exception(error);
}
