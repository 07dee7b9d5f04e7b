#include "SlipData.h"

#include "MemoLines.h"

namespace {

template <size_t N> std::array<QString, N> displayLines(const SlipTexts &texts, SlipKind kind, int index)
{
    const FieldSpec &fieldRow = slipFields(kind)[static_cast<size_t>(index)];
    const QStringList lines = memoDisplayLines(texts[static_cast<size_t>(index)], fieldRow.boxWidth, N);
    std::array<QString, N> result;
    for (size_t i = 0; i < N && i < static_cast<size_t>(lines.size()); ++i)
        result[i] = lines[static_cast<qsizetype>(i)];
    return result;
}

} // namespace

SlipRecord SlipRecord::blank(SlipKind kind)
{
    SlipRecord record{kind, {}};
    const SlipFieldTable &table = slipFields(kind);
    for (size_t i = 0; i < table.size(); ++i) {
        if (table[i].kind == FieldKind::DigitBox)
            record.texts[i] = QString(table[i].length, u' ');
    }
    return record;
}

UplatnicaData UplatnicaData::fromTexts(const SlipTexts &t)
{
    constexpr SlipKind k = SlipKind::Uplatnica;
    UplatnicaData d;
    d.MaskEdit1 = t[0];
    d.Memo1 = displayLines<2>(t, k, 1);
    d.Memo2 = displayLines<3>(t, k, 2);
    d.Memo3 = displayLines<2>(t, k, 3);
    d.Edit2 = t[4];
    d.Edit1 = t[5];
    d.MaskEdit2 = t[6];
    d.MaskEdit3 = t[7];
    d.MaskEdit4 = t[8];
    d.MaskEdit5 = t[9];
    d.Edit3 = t[10];
    d.MaskEdit7 = t[11];
    d.MaskEdit6 = t[12];
    d.MaskEdit8 = t[13];
    return d;
}

ZorvatData ZorvatData::fromTexts(const SlipTexts &t, const QString &place, const QString &date)
{
    constexpr SlipKind k = SlipKind::Zorvat;
    ZorvatData d;
    d.Nalogodavac = displayLines<3>(t, k, 0);
    d.SvrhaZorvata = displayLines<3>(t, k, 1);
    d.Primatelj = displayLines<3>(t, k, 2);
    d.Racun1 = t[3];
    d.pb11 = t[4];
    d.pb12 = t[5];
    d.Nacin = t[6];
    d.IznosZorvat = t[7];
    d.Racun2 = t[8];
    d.pb21 = t[9];
    d.pb22 = t[10];
    d.sif1 = t[11];
    d.sif2 = t[12];
    d.sif3 = t[13];
    d.Edit2 = place;
    d.Edit1 = date;
    return d;
}
