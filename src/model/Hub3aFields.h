#pragma once

#include <QLatin1StringView>
#include <QString>

#include <array>

// The fields of a HUB-3A slip in the order of its slip file.
enum class Hub3aField {
    PayerName,
    PayerStreet,
    PayerPlace,
    RecipientName,
    RecipientStreet,
    RecipientPlace,
    PayerIban,
    PayerModel,
    PayerReference,
    RecipientIban,
    RecipientModel,
    RecipientReference,
    PurposeCode,
    Description,
    Amount,
    ExecutionDate,
    Urgent,
};

constexpr int hub3aFieldCount = 17;

// Which characters a field takes. Text is the barcode's repertoire: digits, A-Z, a-z, Č Ć Đ Š Ž
// č ć đ š ž, space and , . : - + ? ' / ( ). The coded fields take capitals (small letters are
// raised), digits and what their codes use.
enum class Hub3aCharset { Text, Account, Model, Reference, Purpose, Amount, Digits, Flag };

struct Hub3aFieldSpec
{
    Hub3aField field;
    const char *key; // the field's name in reports and the ops listing
    int maxLength;   // in characters
    Hub3aCharset charset;
    const char *caption; // what messages to the clerk call it, UTF-8 ("naziv primatelja")

    QLatin1StringView name() const { return QLatin1StringView(key); }
    QString label() const { return QString::fromUtf8(caption); }
};

using Hub3aFieldTable = std::array<Hub3aFieldSpec, hub3aFieldCount>;

const Hub3aFieldTable &hub3aFields();
const Hub3aFieldSpec &hub3aField(Hub3aField field);

// True when the charset takes ch as it is.
bool hub3aAccepts(Hub3aCharset charset, QChar ch);

// The text with the small ASCII letters of a coded field (IBAN, model, purpose code) raised, as the
// clerk may type them; other fields' texts as they are.
QString raisedHub3aCodes(Hub3aField field, const QString &text);

// What a field keeps of a text: small ASCII letters raised in the coded fields, characters the
// field does not take dropped, then cut to the field's length.
QString cleanHub3aText(Hub3aField field, const QString &text);
