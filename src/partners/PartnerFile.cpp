#include "partners/PartnerFile.h"

#include "model/TextFile.h"
#include "model/Win1250.h"

namespace PartnerFile {

QByteArray toBytes(const QStringList &entries)
{
    // One text encoded at once: a converter per entry would cost more than the entries themselves.
    QString text;
    for (const QString &entry : entries)
        text += memoToOneLine(entry) + QLatin1StringView("\r\n");
    return Win1250::encode(text);
}

QStringList fromBytes(const QByteArray &bytes)
{
    const qsizetype nul = bytes.indexOf('\0');
    // Windows-1250 gives one character per byte, so the line ends stand where their bytes stood.
    const QString text = Win1250::decode(nul < 0 ? bytes : bytes.left(nul));
    const qsizetype end = text.size();
    QStringList entries;
    qsizetype pos = 0;
    while (pos < end) {
        qsizetype stop = pos;
        while (stop < end && text[stop] != u'\r' && text[stop] != u'\n')
            ++stop;
        entries.append(memoFromOneLine(text.sliced(pos, stop - pos)));
        pos = stop;
        if (pos < end && text[pos] == u'\r')
            ++pos;
        if (pos < end && text[pos] == u'\n')
            ++pos;
    }
    return entries;
}

} // namespace PartnerFile
