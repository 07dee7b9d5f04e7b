#include "scan/DocumentPages.h"

#include "model/TextFile.h"
#include "model/UserError.h"
#include "scan/ImagePages.h"
#include "scan/PdfModule.h"

#include <QFile>

using namespace Qt::StringLiterals;

std::unique_ptr<DocumentPages> DocumentPages::open(const QString &path)
{
    // Only a regular file is opened: a pipe or a device would block the reader until something
    // writes into it.
    TextFile::checkReadable(path);
    QFile file(path);
    if (!file.open(QIODevice::ReadOnly))
        throw UserError(u"Datoteka se ne može otvoriti"_s);
    // A PDF's header may follow some bytes of junk; readers look at the first kilobyte.
    if (file.read(1024).contains("%PDF-"))
        return openPdfPages(path);
    return std::make_unique<ImagePages>(path);
}
