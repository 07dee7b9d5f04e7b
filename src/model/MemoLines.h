#pragma once

#include <QFont>
#include <QString>
#include <QStringList>

#include <limits>

// The font of every entry control: Courier New, 13 pixels.
QFont entryFont();

// Width in pixels that a memo box of the given outer width has for its text:
// the box minus its 1-pixel frame and the editor's 4-pixel document margin on each side.
int memoTextWidth(int boxWidth);

// The display lines of a memo text as a box of that outer width shows them: broken at every hard
// line break (CR LF, LF or CR) and each paragraph wrapped at word boundaries in the entry font,
// a word longer than a line broken where the line is full. The lines hold no line-break characters.
// With maxLines only the first lines are found, which the pictures need.
QStringList memoDisplayLines(const QString &text, int boxWidth,
                             qsizetype maxLines = std::numeric_limits<qsizetype>::max());

// Display line n (from 1), or the empty text when the memo has fewer lines.
QString memoDisplayLine(const QString &text, int boxWidth, int n);
