#pragma once

#include "app/EntryField.h"
#include "app/EntryStyle.h"

#include <QValidator>

#include <functional>

// A single-line entry field. Characters that Windows-1250 cannot hold, or that another character
// filter drops, are refused, typed or pasted.
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
    // What the box keeps of an edited text, in place of keeping what Windows-1250 holds. The filter
    // may drop characters or change them one for one; it must not add any.
    void setCharacterFilter(std::function<QString(const QString &)> filter);

    void configure(const FieldSpec &fieldRow) override;
    QString fieldText() const override { return text(); }
    void setFieldText(const QString &text) override;
    // Sets the text whole, past the character filter, as a file holds it: what the field's rules
    // make of it is for the caller to say. The next edit filters the whole text again.
    void setFieldTextAsIs(const QString &text);
    void connectChange(QObject *context, std::function<void()> handler) override;

signals:
    // A typed or pasted edit lost characters: those the character filter drops (characters), and
    // of an inserted text longer than the room left the part kept (kept of inserted characters;
    // both 0 when nothing was cut or a single key was).
    void editCut(const QStringList &characters, int kept, int inserted);

private:
    class EditRule;
    QValidator::State checkEdit(QString &input, int &pos);

    std::function<QString(const QString &)> m_filter;
    int m_typingLimit = 0;
    QString m_textBefore;
    bool m_settingByProgram = false;
    bool m_keepingWhole = false;
};
