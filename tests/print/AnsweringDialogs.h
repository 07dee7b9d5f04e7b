#pragma once

#include "UserDialogs.h"

#include <QString>
#include <QStringList>

#include <optional>

// Answers the program's dialogs in tests and remembers what was asked.
class AnsweringDialogs : public UserDialogs
{
public:
    void showMessage(const QString &text) override { messages.append(text); }
    void showError(const QString &text) override { errors.append(text); }
    std::optional<QString> getOpenFileName(const QString &title) override
    {
        titles.append(title);
        return nextFileName;
    }
    std::optional<QString> getSaveFileName(const QString &title) override
    {
        titles.append(title);
        return nextFileName;
    }

    std::optional<QString> nextFileName; // nothing: the user cancels
    QStringList titles;
    QStringList messages;
    QStringList errors;
};
