#include "model/MemoLines.h"

#include <QRegularExpression>
#include <QTextBoundaryFinder>
#include <QTextLayout>
#include <QTextOption>

QFont entryFont()
{
    QFont font(QStringLiteral("Courier New"));
    font.setPixelSize(13);
    font.setStyleHint(QFont::TypeWriter);
    return font;
}

int memoTextWidth(int boxWidth)
{
    constexpr int frame = 1;
    constexpr int documentMargin = 4;
    return boxWidth - 2 * frame - 2 * documentMargin;
}

QTextOption::WrapMode memoWrapMode(const QString &text)
{
    if (text.size() > longestWrappedRun) {
        QTextBoundaryFinder breaks(QTextBoundaryFinder::Line, text);
        for (qsizetype previous = 0, next = breaks.toNextBoundary(); next >= 0;
             previous = next, next = breaks.toNextBoundary()) {
            if (next - previous > longestWrappedRun)
                return QTextOption::WrapAnywhere;
        }
    }
    return QTextOption::WrapAtWordBoundaryOrAnywhere;
}

QStringList memoDisplayLines(const QString &text, int boxWidth, qsizetype maxLines)
{
    static const QRegularExpression hardBreak(QStringLiteral("\r\n|\n|\r"));
    const QFont font = entryFont();
    const qreal width = memoTextWidth(boxWidth);
    QTextOption option;
    option.setWrapMode(memoWrapMode(text));

    QStringList lines;
    for (const QString &paragraph : text.split(hardBreak)) {
        if (lines.size() >= maxLines)
            break;
        if (paragraph.isEmpty()) {
            lines.append(QString());
            continue;
        }
        QTextLayout layout(paragraph, font);
        layout.setTextOption(option);
        layout.beginLayout();
        // Only the lines asked for are laid out, so the pictures of a huge memo stay quick.
        for (QTextLine line = layout.createLine(); line.isValid() && lines.size() < maxLines;
             line = layout.createLine()) {
            line.setLineWidth(width);
            lines.append(paragraph.mid(line.textStart(), line.textLength()));
        }
        layout.endLayout();
    }
    return lines;
}

QString memoDisplayLine(const QString &text, int boxWidth, int n)
{
    const QStringList lines = memoDisplayLines(text, boxWidth, n);
    return n >= 1 && n <= lines.size() ? lines[n - 1] : QString();
}
