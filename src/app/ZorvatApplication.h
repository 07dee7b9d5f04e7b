#pragma once

#include "ui/HandlerApplication.h"

#include <functional>

class UserDialogs;

// The application object. It is the one place where an error that no operation handled is shown:
// every event handler runs inside notify, and the start-up and closing steps run through
// runReportingErrors; both also report the error a handler kept through runHandler. The user sees
// the standard error box and the program goes on.
class ZorvatApplication : public HandlerApplication
{
    Q_OBJECT

public:
    ZorvatApplication(int &argc, char **argv);

    // The caption of message boxes.
    static QString title();

    // Where errors are shown; without one they go to the standard error stream.
    void setErrorDialogs(UserDialogs *dialogs);

    bool notify(QObject *receiver, QEvent *event) override;

    // Runs step; an error it raises is shown in the standard error box. False when it failed.
    bool runReportingErrors(const std::function<void()> &step);

private:
    // Shows the exception being handled; call only inside a catch block.
    void reportCurrentException();

    UserDialogs *m_dialogs = nullptr;
};
