#include "bankfile/BankText.h"

namespace {

const QString croatianLetters = QStringLiteral("ČĆĐŠŽčćđšž");
const QString latinLetters = QStringLiteral("CCDSZccdsz"); // each in the place of its Croatian one

} // namespace

bool bankTextAccepts(QChar ch)
{
    static const QString others = QStringLiteral("/-?:().,'+ ");
    return (ch >= u'a' && ch <= u'z') || (ch >= u'A' && ch <= u'Z') || (ch >= u'0' && ch <= u'9') ||
           croatianLetters.contains(ch) || others.contains(ch);
}

QString bankTextProblem(const QString &text)
{
    for (QChar ch : text) {
        if (!bankTextAccepts(ch)) {
            const QString shown = ch.isPrint() ? QString(ch) : QStringLiteral("U+%1").arg(static_cast<uint>(ch.unicode()), 4, 16, QChar(u'0'));
            return QStringLiteral("znak '%1' nije dopušten u nalogu banci").arg(shown);
        }
    }
    if (text.startsWith(u' '))
        return QStringLiteral("ne smije počinjati razmakom");
    if (text.startsWith(u'-'))
        return QStringLiteral("ne smije počinjati znakom '-'");
    if (text.startsWith(u'/'))
        return QStringLiteral("ne smije počinjati kosom crtom '/'");
    if (text.endsWith(u'/'))
        return QStringLiteral("ne smije završavati kosom crtom '/'");
    if (text.contains(QStringLiteral("//")))
        return QStringLiteral("ne smije imati dvije kose crte '//' zaredom");
    return QString();
}

bool hasCroatianLetters(const QString &text)
{
    for (QChar ch : text) {
        if (croatianLetters.contains(ch))
            return true;
    }
    return false;
}

QString withoutCroatianLetters(const QString &text)
{
    QString latin = text;
    for (QChar &ch : latin) {
        if (const qsizetype index = croatianLetters.indexOf(ch); index >= 0)
            ch = latinLetters[index];
    }
    return latin;
}
