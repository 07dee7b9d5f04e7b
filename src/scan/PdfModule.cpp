#include "scan/PdfModule.h"

#include "model/UserError.h"

#include <QDir>
#include <QFileInfo>
#include <QLibrary>

#include <algorithm>

using namespace Qt::StringLiterals;

namespace {

const QString moduleName = u"zorvat-pdf.so"_s;

// Where the module may be, in the order it is looked for: a program run from its build folder (or
// a folder under it) takes the module built there; an installed program the one installed for it;
// a program copied elsewhere the one copied beside it or into a "modules" folder beside it.
QStringList moduleCandidates()
{
    const QString programFolder = QFileInfo(u"/proc/self/exe"_s).canonicalPath();
    const QString buildFolder = QDir::cleanPath(QStringLiteral(ZORVAT_BUILD_DIR));
    QStringList candidates;
    if (programFolder == buildFolder || programFolder.startsWith(buildFolder + u'/'))
        candidates.append(QStringLiteral(ZORVAT_PDF_MODULE_BUILT));
    candidates.append(QDir::cleanPath(programFolder + u'/' + QStringLiteral(ZORVAT_PDF_MODULE_FROM_PROGRAM)));
    candidates.append(programFolder + u'/' + moduleName);
    candidates.append(programFolder + u"/modules/"_s + moduleName);
    return candidates;
}

struct LoadedModule
{
    QLibrary library;
    QString failure;
    OpenPdfPages open = nullptr;

    LoadedModule()
    {
        const QStringList candidates = moduleCandidates();
        const auto found = std::find_if(candidates.cbegin(), candidates.cend(),
                                        [](const QString &file) { return QFileInfo(file).isFile(); });
        if (found == candidates.cend()) {
            failure = u"%1 nije pronađen ni u jednoj od mapa: %2"_s.arg(
                moduleName, candidates.join(u", "_s).remove(u'/' + moduleName));
            return;
        }
        library.setFileName(*found);
        open = reinterpret_cast<OpenPdfPages>(library.resolve(openPdfPagesEntry));
        if (!open)
            failure = u"%1 se ne može učitati"_s.arg(*found);
    }
};

} // namespace

std::unique_ptr<DocumentPages> openPdfPages(const QString &path)
{
    // Loaded once, by the first file's reader, and kept until the program ends.
    static const LoadedModule module;
    if (!module.open)
        throw UserError(u"PDF datoteke se ne mogu čitati: nedostaje dio programa (%1)"_s.arg(module.failure));
    QString failure;
    std::unique_ptr<DocumentPages> pages(module.open(path, failure));
    if (!pages)
        throw UserError(failure);
    return pages;
}
