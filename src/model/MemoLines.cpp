#include "MemoLines.h"

#include <QRegularExpression>
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

QStringList memoDisplayLines(const QString &text, int boxWidth, qsizetype maxLines)
{
    static const QRegularExpression hardBreak(QStringLiteral("\r\n|\n|\r"));
    const QFont font = entryFont();
    const qreal width = memoTextWidth(boxWidth);
    QTextOption option;
    option.setWrapMode(QTextOption::WrapAtWordBoundaryOrAnywhere);

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
        // Each line of a long word is found by scanning the rest of it: stopping early keeps a huge
        // paragraph from costing the square of its length.
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
