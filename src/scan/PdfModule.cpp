#include "scan/PdfModule.h"

#include "model/UserError.h"

#include <QFileInfo>
#include <QLibrary>

using namespace Qt::StringLiterals;

namespace {

// A program run from its build folder takes the module built there; an installed program the
// module installed beside it, never one from another place.
QString moduleFile()
{
    const QString programFolder = QFileInfo(u"/proc/self/exe"_s).canonicalPath();
    if (programFolder.startsWith(QStringLiteral(ZORVAT_BUILD_DIR "/")))
        return QStringLiteral(ZORVAT_PDF_MODULE_BUILT);
    return programFolder + u"/"_s + QStringLiteral(ZORVAT_PDF_MODULE_FROM_PROGRAM);
}

struct LoadedModule
{
    QLibrary library{moduleFile()};
    OpenPdfPages open = reinterpret_cast<OpenPdfPages>(library.resolve(openPdfPagesEntry));
};

} // namespace

std::unique_ptr<DocumentPages> openPdfPages(const QString &path)
{
    // Loaded once, by the first file's reader, and kept until the program ends.
    static LoadedModule module;
    if (!module.open)
        throw UserError(u"PDF datoteke se ne mogu čitati: nedostaje dio programa (%1)"_s.arg(
            module.library.errorString()));
    QString failure;
    std::unique_ptr<DocumentPages> pages(module.open(path, failure));
    if (!pages)
        throw UserError(failure);
    return pages;
}
