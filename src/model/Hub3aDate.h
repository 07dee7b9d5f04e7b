#pragma once

#include <QDate>
#include <QString>

// The execution date of a slip as its field, its slip file and its table hold it: DDMMGGGG
// ("15012026").

// The date of such a text; an invalid date for any other text.
QDate hub3aDate(const QString &text);

// A date as the field holds it.
QString hub3aDateText(QDate date);
