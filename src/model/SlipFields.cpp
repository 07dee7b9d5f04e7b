#include "SlipFields.h"

namespace {

constexpr FieldSpec memo(const char *control, const char16_t *label, int width, int height, int lines)
{
    return {control, label, FieldKind::Memo, 0, false, width, height, lines};
}
constexpr FieldSpec line(const char *control, const char16_t *label, int maxLength)
{
    return {control, label, FieldKind::Line, maxLength, false, 0, 0, 0};
}
constexpr FieldSpec digits(const char *control, const char16_t *label, int n, bool reverse = true)
{
    return {control, label, FieldKind::DigitBox, n, reverse, 0, 0, 0};
}

constexpr SlipFieldTable uplatnicaFields = {{
    digits("MaskEdit1", u"Broj pošte :", 5),
    memo("Memo1", u"Uplatitelj :", 325, 37, 2),
    memo("Memo2", u"Svrha doznake :", 325, 55, 3),
    memo("Memo3", u"Primatelj :", 325, 37, 2),
    line("Edit2", u"U", 0),
    line("Edit1", u"dana", 0),
    digits("MaskEdit2", u"Način izvrš. :", 3),
    digits("MaskEdit3", u"Šifra :", 3),
    digits("MaskEdit4", u"Šifra :", 3),
    digits("MaskEdit5", u"Šifra :", 3),
    line("Edit3", u"Iznos (kn) :", 18),
    line("MaskEdit7", u"Broj računa :", 18),
    digits("MaskEdit6", u"Poziv na broj :", 3),
    line("MaskEdit8", u"Poziv na broj :", 18),
}};

constexpr SlipFieldTable zorvatFields = {{
    memo("Nalogodavac", u"Nalogodavac:", 297, 57, 3),
    memo("SvrhaZorvata", u"Svrha doznake :", 299, 55, 3),
    memo("Primatelj", u"Primatelj :", 301, 57, 3),
    line("Racun1", u"Broj računa :", 0),
    digits("pb11", u"Poziv na broj :", 3),
    line("pb12", u"Poziv na broj :", 0),
    digits("Nacin", u"Način izvrš. :", 3),
    line("IznosZorvat", u"Iznos (kn) :", 0),
    line("Racun2", u"Broj računa :", 0),
    digits("pb21", u"Poziv na broj :", 3),
    digits("pb22", u"Poziv na broj :", 15, false),
    digits("sif1", u"Šifra :", 3),
    digits("sif2", u"Šifra :", 3),
    digits("sif3", u"Šifra :", 3),
}};

} // namespace

const SlipFieldTable &slipFields(SlipKind kind)
{
    return kind == SlipKind::Uplatnica ? uplatnicaFields : zorvatFields;
}

int slipFieldIndex(SlipKind kind, QLatin1StringView control)
{
    const SlipFieldTable &table = slipFields(kind);
    for (int i = 0; i < slipFieldCount; ++i) {
        if (table[static_cast<size_t>(i)].name() == control)
            return i;
    }
    return -1;
}

QString slipKindName(SlipKind kind)
{
    return kind == SlipKind::Uplatnica ? QStringLiteral("Uplatnica") : QStringLiteral("Zorvat");
}

QString slipFileTag(SlipKind kind)
{
    return kind == SlipKind::Uplatnica ? QStringLiteral("UPLATNICA") : QStringLiteral("ZORVAT");
}

QString fitDigitBox(const QString &value, int n, bool reverse)
{
    if (value.size() >= n)
        return reverse ? value.right(n) : value.left(n);
    return reverse ? value.rightJustified(n, u' ') : value.leftJustified(n, u' ');
}

QString joinReference(const QString &model, const QString &number)
{
    return model + u' ' + number;
}
