#pragma once

#include "ui/UserDialogs.h"

#include <QFileInfo>
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
    // As the real dialog, a name without a suffix gains the one asked for.
    std::optional<QString> getSaveFileName(const QString &title, const QString &suffix = QString(),
                                           const QString &suggestedName = QString()) override
    {
        suggestedNames.append(suggestedName);
        std::optional<QString> path = answer(title);
        if (path && !suffix.isEmpty() && QFileInfo(*path).suffix().isEmpty())
            *path += u'.' + suffix;
        return path;
    }

    void setNextFileName(const QString &path) { fileNames.push_back(path); }

    QStringList messages;
    QStringList errors; // as the error box shows them
    QStringList questions;
    bool answerYes = true;
    QStringList fileTitles;     // titles of the file dialogs shown
    QStringList suggestedNames; // the names the save dialogs opened with (empty: none)
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
