#pragma once

#include <QString>
#include <QStringList>

#include <optional>

// The program's message boxes and file dialogs. The real one shows Qt dialogs; tests answer them.
class UserDialogs
{
public:
    virtual ~UserDialogs() = default;

    // A plain message box with the text and an OK button.
    virtual void showMessage(const QString &text) = 0;
    // The standard error box: error icon, the application's title as caption, the text (with a full
    // stop appended when it does not end in one) and an OK button.
    virtual void showError(const QString &text) = 0;
    // A question with "Da" and "Ne"; true for "Da".
    virtual bool askYesNo(const QString &text) = 0;
    // Modal file dialogs without a type filter; nothing when the user cancels. A save dialog given a
    // suffix ("pdf") adds it to a name without one before it asks whether to replace that file; given
    // a suggested name, it opens with that name filled in.
    virtual std::optional<QString> getOpenFileName(const QString &title) = 0;
    virtual std::optional<QString> getSaveFileName(const QString &title, const QString &suffix = QString(),
                                                   const QString &suggestedName = QString()) = 0;
    // Several files at once, offered by filter ("Računi (*.pdf *.png)"); empty when the user cancels.
    // Without a dialog of its own it asks for one file.
    virtual QStringList getOpenFileNames(const QString &title, const QString &filter)
    {
        Q_UNUSED(filter);
        const std::optional<QString> path = getOpenFileName(title);
        return path ? QStringList{*path} : QStringList{};
    }
};

// The error box text: a full stop is appended when the text does not end in one.
inline QString errorBoxText(const QString &text)
{
    return text.endsWith(u'.') ? text : text + u'.';
}
