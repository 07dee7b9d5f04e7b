#include "model/Hub3aFields.h"

namespace {

constexpr Hub3aFieldTable fieldTable = {{
    {Hub3aField::PayerName, "payerName", 30, Hub3aCharset::Text, "naziv platitelja"},
    {Hub3aField::PayerStreet, "payerStreet", 27, Hub3aCharset::Text, "ulica platitelja"},
    {Hub3aField::PayerPlace, "payerPlace", 27, Hub3aCharset::Text, "mjesto platitelja"},
    {Hub3aField::RecipientName, "recipientName", 25, Hub3aCharset::Text, "naziv primatelja"},
    {Hub3aField::RecipientStreet, "recipientStreet", 25, Hub3aCharset::Text, "ulica primatelja"},
    {Hub3aField::RecipientPlace, "recipientPlace", 27, Hub3aCharset::Text, "mjesto primatelja"},
    {Hub3aField::PayerIban, "payerIban", 21, Hub3aCharset::Account, "IBAN platitelja"},
    {Hub3aField::PayerModel, "payerModel", 4, Hub3aCharset::Model, "model platitelja"},
    {Hub3aField::PayerReference, "payerReference", 22, Hub3aCharset::Reference, "poziv na broj platitelja"},
    // An IBAN of any country, as a table or an EPC code gives it for a bank file; the slip's field
    // and its barcode hold 21 (hub3aSlipIbanProblem).
    {Hub3aField::RecipientIban, "recipientIban", 34, Hub3aCharset::Account, "IBAN primatelja"},
    {Hub3aField::RecipientModel, "recipientModel", 4, Hub3aCharset::Model, "model primatelja"},
    {Hub3aField::RecipientReference, "recipientReference", 22, Hub3aCharset::Reference,
     "poziv na broj primatelja"},
    {Hub3aField::PurposeCode, "purposeCode", 4, Hub3aCharset::Purpose, "šifra namjene"},
    {Hub3aField::Description, "description", 35, Hub3aCharset::Text, "opis plaćanja"},
    // "9.999.999.999.999,99" is the largest amount the 15 digits of the barcode hold.
    {Hub3aField::Amount, "amount", 20, Hub3aCharset::Amount, "iznos"},
    {Hub3aField::ExecutionDate, "executionDate", 8, Hub3aCharset::Digits, "datum izvršenja"},
    {Hub3aField::Urgent, "urgent", 1, Hub3aCharset::Flag, "hitno"},
}};

bool isDigit(QChar ch)
{
    return ch >= u'0' && ch <= u'9';
}

bool isCapital(QChar ch)
{
    return ch >= u'A' && ch <= u'Z';
}

bool isTextCharacter(QChar ch)
{
    static const QString others = QStringLiteral("ČĆĐŠŽčćđšž ,.:-+?'/()");
    return isDigit(ch) || isCapital(ch) || (ch >= u'a' && ch <= u'z') || others.contains(ch);
}

bool isCodedCharset(Hub3aCharset charset)
{
    return charset == Hub3aCharset::Account || charset == Hub3aCharset::Model ||
           charset == Hub3aCharset::Purpose;
}

} // namespace

const Hub3aFieldTable &hub3aFields()
{
    return fieldTable;
}

const Hub3aFieldSpec &hub3aField(Hub3aField field)
{
    return fieldTable[static_cast<size_t>(field)];
}

bool hub3aAccepts(Hub3aCharset charset, QChar ch)
{
    switch (charset) {
    case Hub3aCharset::Text:
        return isTextCharacter(ch);
    case Hub3aCharset::Account:
    case Hub3aCharset::Model:
        return isCapital(ch) || isDigit(ch);
    case Hub3aCharset::Reference:
        return isDigit(ch) || ch == u'-';
    case Hub3aCharset::Purpose:
        return isCapital(ch);
    case Hub3aCharset::Amount:
        return isDigit(ch) || ch == u'.' || ch == u',';
    case Hub3aCharset::Digits:
        return isDigit(ch);
    case Hub3aCharset::Flag:
        return ch == u'1';
    }
    return false;
}

QString raisedHub3aCodes(Hub3aField field, const QString &text)
{
    if (!isCodedCharset(hub3aField(field).charset))
        return text;
    QString raised = text;
    for (QChar &ch : raised) {
        if (ch >= u'a' && ch <= u'z')
            ch = QChar(ch.unicode() - u'a' + u'A');
    }
    return raised;
}

QString cleanHub3aText(Hub3aField field, const QString &text)
{
    const Hub3aFieldSpec &rules = hub3aField(field);
    QString kept;
    for (QChar ch : text) {
        if (isCodedCharset(rules.charset) && ch >= u'a' && ch <= u'z')
            ch = QChar(ch.unicode() - u'a' + u'A');
        if (hub3aAccepts(rules.charset, ch))
            kept += ch;
        if (kept.size() == rules.maxLength)
            break;
    }
    return kept;
}
