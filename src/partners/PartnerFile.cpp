#include "PartnerFile.h"

#include "TextFile.h"
#include "Win1250.h"

namespace PartnerFile {

QByteArray toBytes(const QStringList &entries)
{
    QByteArray bytes;
    for (const QString &entry : entries)
        bytes += Win1250::encode(memoToOneLine(entry)) + "\r\n";
    return bytes;
}

QStringList fromBytes(const QByteArray &bytes)
{
    const qsizetype nul = bytes.indexOf('\0');
    const qsizetype end = nul < 0 ? bytes.size() : nul;
    QStringList entries;
    qsizetype pos = 0;
    while (pos < end) {
        qsizetype stop = pos;
        while (stop < end && bytes[stop] != '\r' && bytes[stop] != '\n')
            ++stop;
        entries.append(memoFromOneLine(Win1250::decode(bytes.mid(pos, stop - pos))));
        pos = stop;
        if (pos < end && bytes[pos] == '\r')
            ++pos;
        if (pos < end && bytes[pos] == '\n')
            ++pos;
    }
    return entries;
}

} // namespace PartnerFile
