#pragma once

#include "model/UserError.h"
#include "ui/HandlerErrors.h"

#include <QString>

// The text of the UserError that action throws, itself or in a handler it makes Qt run, or the
// empty text when it throws none.
template <typename Action> QString userErrorOf(Action &&action)
{
    try {
        action();
        rethrowHandlerError();
    } catch (const UserError &error) {
        return error.text();
    }
    return QString();
}
