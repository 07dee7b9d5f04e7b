#pragma once

#include <QString>

// How a message quotes a text it did not write (a table's cell or column name): whole up to
// maxLength characters, otherwise its first maxLength characters, "…" and its length, so that a
// message box stays readable and quick whatever the file holds.
QString textExcerpt(const QString &text, qsizetype maxLength = 40);
