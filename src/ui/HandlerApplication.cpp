#include "ui/HandlerApplication.h"

#include <utility>

HandlerApplication::HandlerApplication(int &argc, char **argv) : QApplication(argc, argv) {}

HandlerApplication *HandlerApplication::current()
{
    return qobject_cast<HandlerApplication *>(QCoreApplication::instance());
}

void HandlerApplication::keepError(std::exception_ptr error)
{
    if (!m_keptError)
        m_keptError = std::move(error);
}

std::exception_ptr HandlerApplication::takeKeptError()
{
    return std::exchange(m_keptError, nullptr);
}
