#pragma once

#include "app/EntryField.h"
#include "app/EntryStyle.h"

// A box of a fixed number of digit positions. Only digits can be typed; a typed digit stays in the
// position where it was typed, Delete and Backspace leave a blank, and the text always has every
// position (blanks as spaces). A value set by the program is fitted to the positions and kept as
// it is, whatever its characters, until the user edits the box: then anything but a digit becomes
// a blank in its place. A click puts the cursor on the position clicked.
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

protected:
    void keyPressEvent(QKeyEvent *event) override;
    void mousePressEvent(QMouseEvent *event) override;
    void contextMenuEvent(QContextMenuEvent *event) override;

private:
    QString digitMask() const;
    // Turns a program-set value with other characters into digits and blanks before an edit.
    void beginUserEdit();

    int m_count = 0;
    bool m_reverse = true;
    bool m_holdsOtherCharacters = false; // shown without the digit mask, as the program set it
};
