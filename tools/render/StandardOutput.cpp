#include "StandardOutput.h"

#include "ToolReport.h"

#include <cerrno>

int afterWritingOut(QTextStream &out, QTextStream &errors, int status)
{
    errno = 0;
    out.flush();
    if (out.status() == QTextStream::Ok)
        return status;
    errors << "zorprint-render: " << (errno == ENOSPC ? "Disk full" : "Stream write error") << '\n';
    return ToolReport::exitNotWritten;
}
