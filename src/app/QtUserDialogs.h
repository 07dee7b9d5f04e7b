#pragma once

#include "ui/UserDialogs.h"

#include <QPointer>
#include <QWidget>

// The program's message boxes and file dialogs as real Qt dialogs over the main window.
class QtUserDialogs : public UserDialogs
{
public:
    void setParentWindow(QWidget *window);

    void showMessage(const QString &text) override;
    void showError(const QString &text) override;
    bool askYesNo(const QString &text) override;
    std::optional<QString> getOpenFileName(const QString &title) override;
    QStringList getOpenFileNames(const QString &title, const QString &filter) override;
    std::optional<QString> getSaveFileName(const QString &title, const QString &suffix = QString(),
                                           const QString &suggestedName = QString()) override;

private:
    QPointer<QWidget> m_parent;
};
