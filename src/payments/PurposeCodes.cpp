#include "payments/PurposeCodes.h"

#include <QFile>
#include <QSet>
#include <QStringList>

#include <stdexcept>

namespace {

struct PurposeCodeList
{
    QString version;
    QSet<QString> codes;
};

PurposeCodeList readList()
{
    QFile file(QStringLiteral(":/payments/PurposeCodes.txt"));
    if (!file.open(QIODevice::ReadOnly))
        throw std::logic_error("the purpose code list is not compiled into the program");
    PurposeCodeList list;
    const QStringList lines = QString::fromUtf8(file.readAll()).split(u'\n');
    for (const QString &line : lines) {
        const QString text = line.trimmed();
        if (text.isEmpty() || text.startsWith(u'#'))
            continue;
        if (text.startsWith(QStringLiteral("version ")))
            list.version = text.mid(8).trimmed();
        else
            list.codes.insert(text);
    }
    return list;
}

const PurposeCodeList &purposeCodeList()
{
    static const PurposeCodeList list = readList();
    return list;
}

} // namespace

bool isIsoPurposeCode(QStringView code)
{
    return purposeCodeList().codes.contains(code.toString());
}

QString purposeCodeListVersion()
{
    return purposeCodeList().version;
}
