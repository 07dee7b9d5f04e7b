#include "OutputGuard.h"

#include "model/UserError.h"

#include <QDir>
#include <QFile>
#include <QFileInfo>

#include <sys/stat.h>

using namespace Qt::StringLiterals;

bool sameFile(const QString &one, const QString &other)
{
    struct stat first
    {
    }, second{};
    const bool firstExists = ::stat(QFile::encodeName(one).constData(), &first) == 0;
    const bool secondExists = ::stat(QFile::encodeName(other).constData(), &second) == 0;
    if (firstExists && secondExists)
        return first.st_dev == second.st_dev && first.st_ino == second.st_ino;
    if (firstExists || secondExists)
        return false;
    return QDir::cleanPath(QFileInfo(one).absoluteFilePath()) ==
           QDir::cleanPath(QFileInfo(other).absoluteFilePath());
}

void refuseOutputOverAnInput(const QString &output, const QStringList &inputs)
{
    if (output.isEmpty())
        return;
    for (const QString &input : inputs) {
        if (!input.isEmpty() && sameFile(output, input))
            throw UserError(u"izlazna datoteka %1 je i ulazna; odaberite drugu"_s.arg(output));
    }
}
