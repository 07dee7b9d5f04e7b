#pragma once

#include "model/UserError.h"

#include <QString>

// The text of the UserError that action throws, or the empty text when it throws none.
template <typename Action> QString thrownErrorOf(Action &&action)
{
    try {
        action();
    } catch (const UserError &error) {
        return error.text();
    }
    return QString();
}
