#pragma once

#include "app/EntryField.h"
#include "app/EntryStyle.h"

#include <QValidator>

// A single-line entry field. Characters that Windows-1250 cannot hold are refused, typed or pasted.
// An optional typing limit stops the user from making the text longer than the limit; a value set
// by the program is kept whole even when it is longer.
class LineBox : public EntryLineEdit, public EntryField
{
    Q_OBJECT

public:
    explicit LineBox(QWidget *parent = nullptr);

    // 0 means no limit.
    void setTypingLimit(int length);
    int typingLimit() const { return m_typingLimit; }

    void configure(const FieldSpec &fieldRow) override;
    QString fieldText() const override { return text(); }
    void setFieldText(const QString &text) override;
    void connectChange(QObject *context, std::function<void()> handler) override;

private:
    class EditRule;
    QValidator::State checkEdit(QString &input, int &pos) const;

    int m_typingLimit = 0;
    qsizetype m_lengthBefore = 0;
    bool m_settingByProgram = false;
};
