#pragma once

#include "ui/UserDialogs.h"

#include <QStringList>

#include <deque>
#include <optional>

// Answers the file dialogs from a queue, then with everyFileName (nothing: the user cancels), and
// records every box.
class FakeUserDialogs : public UserDialogs
{
public:
    void showMessage(const QString &text) override { messages.append(text); }
    void showError(const QString &text) override { errors.append(errorBoxText(text)); }
    bool askYesNo(const QString &text) override
    {
        questions.append(text);
        return answerYes;
    }
    std::optional<QString> getOpenFileName(const QString &title) override { return answer(title); }
    std::optional<QString> getSaveFileName(const QString &title) override { return answer(title); }

    void setNextFileName(const QString &path) { fileNames.push_back(path); }

    QStringList messages;
    QStringList errors; // as the error box shows them
    QStringList questions;
    bool answerYes = true;
    QStringList fileTitles; // titles of the file dialogs shown
    std::optional<QString> everyFileName;

private:
    std::optional<QString> answer(const QString &title)
    {
        fileTitles.append(title);
        if (fileNames.empty())
            return everyFileName;
        QString path = fileNames.front();
        fileNames.pop_front();
        return path;
    }

    std::deque<QString> fileNames;
};
