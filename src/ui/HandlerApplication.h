#pragma once

#include <QApplication>

#include <exception>

// The application object that keeps the error a handler raised (see runHandler) until whoever
// delivered the event takes it. Handlers run on the one GUI thread, so one slot is enough.
class HandlerApplication : public QApplication
{
    Q_OBJECT

public:
    HandlerApplication(int &argc, char **argv);

    // The running application, or null when it is not a HandlerApplication.
    static HandlerApplication *current();

    // Keeps error unless an earlier one is kept: that one is the error the user would have seen
    // had it stopped the event.
    void keepError(std::exception_ptr error);
    // The kept error, which is no longer kept; null when there is none.
    std::exception_ptr takeKeptError();

private:
    std::exception_ptr m_keptError;
};
