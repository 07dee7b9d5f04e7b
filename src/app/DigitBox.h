#pragma once

#include "EntryField.h"
#include "EntryStyle.h"

// A box of a fixed number of digit positions. Only digits can be typed; a typed digit stays in the
// position where it was typed, Delete and Backspace leave a blank, and the text always has every
// position (blanks as spaces). A value set by the program is fitted to the positions first.
class DigitBox : public EntryLineEdit, public EntryField
{
    Q_OBJECT

public:
    explicit DigitBox(QWidget *parent = nullptr);

    // count positions; with reverse a shorter program-set value stands at the right.
    void setPositions(int count, bool reverse);

    void configure(const FieldSpec &fieldRow) override;
    QString fieldText() const override;
    void setFieldText(const QString &text) override;
    void connectChange(QObject *context, std::function<void()> handler) override;

private:
    int m_count = 0;
    bool m_reverse = true;
};
