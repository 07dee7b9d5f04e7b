#pragma once

#include <QFont>
#include <QString>
#include <QStringList>
#include <QTextOption>

#include <limits>

// The font of every entry control: Courier New, 13 pixels.
QFont entryFont();

// Width in pixels that a memo box of the given outer width has for its text:
// the box minus its 1-pixel frame and the editor's 4-pixel document margin on each side.
int memoTextWidth(int boxWidth);

// How a memo text is wrapped, in its box and in the pictures alike: at word boundaries, a word
// longer than a line broken where the line is full. Qt finds each line of such a word by scanning
// the rest of it, which costs the square of the word's length, so a text holding a run of more than
// longestWrappedRun characters without a break opportunity is wrapped anywhere instead. That run
// breaks exactly as before; only the text's other words may then break inside.
constexpr qsizetype longestWrappedRun = 1000;
QTextOption::WrapMode memoWrapMode(const QString &text);

// The display lines of a memo text as a box of that outer width shows them: broken at every hard
// line break (CR LF, LF or CR) and each paragraph wrapped by memoWrapMode in the entry font. The
// lines hold no line-break characters. With maxLines only the first lines are found, which the
// pictures need.
QStringList memoDisplayLines(const QString &text, int boxWidth,
                             qsizetype maxLines = std::numeric_limits<qsizetype>::max());

// Display line n (from 1), or the empty text when the memo has fewer lines.
QString memoDisplayLine(const QString &text, int boxWidth, int n);
