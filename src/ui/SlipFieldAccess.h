#pragma once

#include "model/FormField.h"

#include <QString>

// The entry fields of the tabs, by form and field; which control holds a field is the windows'
// concern (SlipControlTable.h). Setting a digit box fits the value into its positions, as a
// program-set value.
class SlipFieldAccess
{
public:
    virtual ~SlipFieldAccess() = default;
    virtual QString fieldText(FormField field) const = 0;
    virtual void setFieldText(FormField field, const QString &text) = 0;
};
