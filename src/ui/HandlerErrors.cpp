#include "ui/HandlerErrors.h"

#include "ui/HandlerApplication.h"

#include <QtGlobal>

void runHandler(const std::function<void()> &handler)
{
    try {
        handler();
    } catch (...) {
        if (HandlerApplication *application = HandlerApplication::current())
            application->keepError(std::current_exception());
        else
            qCritical("A handler failed with no application to keep its error");
    }
}

void rethrowHandlerError()
{
    HandlerApplication *application = HandlerApplication::current();
    if (std::exception_ptr error = application ? application->takeKeptError() : nullptr)
        std::rethrow_exception(error);
}
