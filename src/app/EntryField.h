#pragma once

#include <QObject>
#include <QString>

#include <functional>

struct FieldSpec;
class QWidget;

// One entry control of a slip record, whatever its kind: memo, line or digit box.
class EntryField
{
public:
    virtual ~EntryField() = default;

    // Takes the field's rules from its row in the field table (digit positions, typing limit).
    virtual void configure(const FieldSpec &fieldRow) = 0;
    // The field's text as the record holds it.
    virtual QString fieldText() const = 0;
    // Sets the text as the program does (a file, a default, a partner); counts as a change.
    virtual void setFieldText(const QString &text) = 0;
    // Calls handler on every change of the text, typed or set.
    virtual void connectChange(QObject *context, std::function<void()> handler) = 0;
};
