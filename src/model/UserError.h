#pragma once

#include <QString>

#include <stdexcept>

// A failure whose message is the exact text the user sees in the standard error box.
class UserError : public std::runtime_error
{
public:
    explicit UserError(const QString &text) : std::runtime_error(text.toStdString()), m_text(text) {}
    QString text() const { return m_text; }

private:
    QString m_text;
};
