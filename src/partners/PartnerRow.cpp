#include "partners/PartnerRow.h"

#include "partners/PartnerEntry.h"
#include "payments/AccountCheck.h"
#include "payments/PaymentFields.h"
#include "ui/CheckMark.h"

#include <QFont>
#include <QFontMetrics>
#include <QPainter>

namespace {

// Arial 9 and 8 points at 96 dots per inch in the dialog, 8 and 7 points in the pick list.
constexpr int namePixels = 12;
constexpr int captionPixels = 11;
constexpr int pickNamePixels = 11;
constexpr int pickDetailPixels = 9;

QFont arial(int pixelSize, bool bold)
{
    QFont font(QStringLiteral("Arial"));
    font.setStyleHint(QFont::SansSerif);
    font.setPixelSize(pixelSize);
    font.setBold(bold);
    return font;
}

// Draws text with the top of its character cell at y.
void textOut(QPainter &painter, int x, int y, const QString &text)
{
    painter.drawText(QPoint(x, y + painter.fontMetrics().ascent()), text);
}

} // namespace

void PartnerRow::draw(QPainter &painter, const QRect &row, bool selected, const QString &entry)
{
    // Right and bottom are the first pixels outside the row.
    const int left = row.left();
    const int top = row.top();
    const int right = left + row.width();
    const int bottom = top + row.height();
    const PartnerParts parts = SplitPartner(entry);

    painter.save();
    painter.setClipRect(row);
    painter.fillRect(row, selected ? Qt::black : Qt::white);
    painter.setPen(QPen(QColor(0xC0, 0xC0, 0xC0), 2, Qt::SolidLine, Qt::FlatCap));
    painter.drawLine(left, bottom - 1, right, bottom - 1);

    painter.setFont(arial(namePixels, true));
    painter.setPen(selected ? Qt::white : Qt::black);
    textOut(painter, left + 6, top + 2, partnerTextOnOneRow(parts.name));

    painter.setFont(arial(captionPixels, true));
    painter.setPen(selected ? QColor(0xFF, 0xFF, 0x00) : QColor(0x00, 0x00, 0xFF));
    textOut(painter, left + 10, bottom - 17, QStringLiteral("Poziv na broj :"));
    textOut(painter, left + 10, bottom - 30, QStringLiteral("Broj računa :"));

    painter.setFont(arial(captionPixels, false));
    textOut(painter, left + 110, bottom - 30, parts.account);
    textOut(painter, left + 110, bottom - 17, referenceForEditing(parts.reference));
    painter.restore();
}

void PartnerRow::drawPick(QPainter &painter, const QRect &row, bool selected, const QString &entry)
{
    const PartnerParts parts = SplitPartner(entry);
    const QString name = partnerTextOnOneRow(parts.name);

    painter.save();
    painter.fillRect(row, selected ? QColor(0, 0, 255) : QColor(Qt::white));
    painter.setPen(selected ? Qt::white : Qt::black);
    const QFont nameFont = arial(pickNamePixels, true);
    painter.setFont(nameFont);
    textOut(painter, row.left() + 4, row.top(), name);

    painter.setFont(arial(pickDetailPixels, false));
    textOut(painter, row.left() + QFontMetrics(nameFont).horizontalAdvance(name) + 10, row.top() + 2,
            QStringLiteral("Broj računa :") + parts.account + QStringLiteral("  Poziv na broj :") +
                referenceForEditing(parts.reference));
    if (checkAccount(parts.account).failed() || checkJoinedReference(parts.reference).failed()) {
        const QRect square(row.right() + 1 - row.height(), row.top(), row.height(), row.height());
        painter.fillRect(square, selected ? QColor(0, 0, 255) : QColor(Qt::white));
        CheckMark::paintMark(painter, square, CheckStatus::Invalid);
    }
    painter.restore();
}
