#pragma once

#include <QLatin1StringView>
#include <QString>
#include <QStringView>

#include <array>

enum class SlipKind { Uplatnica, Zorvat };

enum class FieldKind { Memo, Line, DigitBox };

// One field of a slip record: its name and how it is entered.
struct FieldSpec
{
    const char *field;     // what the field is: "payer", "amount", ...
    const char16_t *label; // caption beside it on screen
    FieldKind kind;
    int length;   // digit box: its N positions; line: its maximum length (0 = no limit); memo: 0
    bool reverse; // digit box: a program-set value stands at the right (all but pb22)
    int boxWidth; // memo box size in pixels
    int boxHeight;
    int drawnLines; // memo: how many display lines the picture uses

    QLatin1StringView name() const { return QLatin1StringView(field); }
    QString caption() const { return QStringView(label).toString(); }
};

constexpr int slipFieldCount = 14;
using SlipFieldTable = std::array<FieldSpec, slipFieldCount>;

// The 14 fields of each kind in canonical order (the order of a slip file).
const SlipFieldTable &slipFields(SlipKind kind);

// Index of a field, by its name, in its kind's table, or -1.
int slipFieldIndex(SlipKind kind, QLatin1StringView field);

// The tab name and file tag word of each kind: "Uplatnica"/"UPLATNICA", "Zorvat"/"ZORVAT".
QString slipKindName(SlipKind kind);
QString slipFileTag(SlipKind kind);

// Fits a program-set value into a digit box of n positions. With reverse the value stands at the
// right (leading blanks, the last n characters kept); without it at the left (trailing blanks,
// the first n kept).
QString fitDigitBox(const QString &value, int n, bool reverse);

// A payment reference travelling as one text: the model box, one space, the number.
QString joinReference(const QString &model, const QString &number);
