#include "model/SlipFields.h"

namespace {

constexpr FieldSpec memo(const char *field, const char16_t *label, int width, int height, int lines)
{
    return {field, label, FieldKind::Memo, 0, false, width, height, lines};
}
constexpr FieldSpec line(const char *field, const char16_t *label, int maxLength)
{
    return {field, label, FieldKind::Line, maxLength, false, 0, 0, 0};
}
constexpr FieldSpec digits(const char *field, const char16_t *label, int n, bool reverse = true)
{
    return {field, label, FieldKind::DigitBox, n, reverse, 0, 0, 0};
}

constexpr SlipFieldTable uplatnicaFields = {{
    digits("postcode", u"Broj pošte :", 5),
    memo("payer", u"Uplatitelj :", 325, 37, 2),
    memo("purpose", u"Svrha doznake :", 325, 55, 3),
    memo("recipient", u"Primatelj :", 325, 37, 2),
    line("place", u"U", 0),
    line("date", u"dana", 0),
    digits("executionCode", u"Način izvrš. :", 3),
    digits("code1", u"Šifra :", 3),
    digits("code2", u"Šifra :", 3),
    digits("code3", u"Šifra :", 3),
    line("amount", u"Iznos (kn) :", 18),
    line("account", u"Broj računa :", 18),
    digits("referenceModel", u"Poziv na broj :", 3),
    line("reference", u"Poziv na broj :", 18),
}};

constexpr SlipFieldTable zorvatFields = {{
    memo("payer", u"Nalogodavac:", 297, 57, 3),
    memo("purpose", u"Svrha doznake :", 299, 55, 3),
    memo("recipient", u"Primatelj :", 301, 57, 3),
    line("payerAccount", u"Broj računa :", 0),
    digits("payerReferenceModel", u"Poziv na broj :", 3),
    line("payerReference", u"Poziv na broj :", 0),
    digits("executionCode", u"Način izvrš. :", 3),
    line("amount", u"Iznos (kn) :", 0),
    line("recipientAccount", u"Broj računa :", 0),
    digits("recipientReferenceModel", u"Poziv na broj :", 3),
    digits("recipientReference", u"Poziv na broj :", 15, false),
    digits("code1", u"Šifra :", 3),
    digits("code2", u"Šifra :", 3),
    digits("code3", u"Šifra :", 3),
}};

} // namespace

const SlipFieldTable &slipFields(SlipKind kind)
{
    return kind == SlipKind::Uplatnica ? uplatnicaFields : zorvatFields;
}

int slipFieldIndex(SlipKind kind, QLatin1StringView field)
{
    const SlipFieldTable &table = slipFields(kind);
    for (int i = 0; i < slipFieldCount; ++i) {
        if (table[static_cast<size_t>(i)].name() == field)
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
