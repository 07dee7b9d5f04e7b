#include "app/StatusPanels.h"

#include "app/Formats.h"

#include <QApplication>
#include <QLabel>
#include <QStatusBar>

#include <algorithm>

namespace {

constexpr int barHeight = 19;
constexpr int panelHeight = 14;
constexpr int titleWidth = 300;
constexpr int emptyWidth = 100;

QString titleText()
{
    return QStringLiteral("ZORVAT Print 1.0 - uplatnice i nalozi");
}

void setChangedText(QLabel *panel, const QString &text)
{
    if (panel->text() != text)
        panel->setText(text);
}

// The width a panel needs to show text whole, left-aligned: the text, the frame on both sides and a
// letter's room for the indent a framed label keeps from its left edge (half a letter) and the right.
int widthFor(const QLabel &panel, const QString &text)
{
    const QFontMetrics metrics = panel.fontMetrics();
    return metrics.horizontalAdvance(text) + metrics.horizontalAdvance(u'x') +
           2 * (panel.frameWidth() + panel.margin());
}

} // namespace

StatusPanels::StatusPanels(QStatusBar &bar)
{
    const struct
    {
        const char *name;
        int width;
        Qt::Alignment alignment;
        QString text;
    } panels[] = {
        {"TitlePanel", titleWidth, Qt::AlignCenter, titleText()},
        {"EmptyPanel", emptyWidth, Qt::AlignLeft | Qt::AlignVCenter, QString()},
        {"TimePanel", 55, Qt::AlignLeft | Qt::AlignVCenter, QStringLiteral("00:00:00")},
        {"DatePanel", 70, Qt::AlignLeft | Qt::AlignVCenter, QStringLiteral("xx.xx.xxxx")},
    };
    bar.setFixedHeight(barHeight);
    bar.setSizeGripEnabled(false);
    for (const auto &p : panels) {
        auto *label = new QLabel(p.text, &bar);
        label->setObjectName(QLatin1StringView(p.name));
        // Fixed in both directions, so a new text (a field's hint on every key) repaints the panel
        // without laying out the bar again; 14 pixels is what the bar's height leaves inside.
        label->setFixedSize(p.width, panelHeight);
        label->setAlignment(p.alignment);
        label->setFrameStyle(QFrame::Panel | QFrame::Sunken);
        bar.addWidget(label);
    }
    m_title = bar.findChild<QLabel *>(QStringLiteral("TitlePanel"));
    m_empty = bar.findChild<QLabel *>(QStringLiteral("EmptyPanel"));
    m_time = bar.findChild<QLabel *>(QStringLiteral("TimePanel"));
    m_date = bar.findChild<QLabel *>(QStringLiteral("DatePanel"));
    // Focus moves after the new field's hint is asked for, so the hint waiting is the new field's.
    m_focusWatch =
        QObject::connect(qApp, &QApplication::focusChanged, m_title, [this](QWidget *old, QWidget *) {
            if (m_noticeField && old == m_noticeField) {
                m_noticeField.clear();
                showFirstPanel(m_hint);
            }
        });
}

StatusPanels::~StatusPanels()
{
    QObject::disconnect(m_focusWatch);
}

void StatusPanels::showClock(const QDateTime &now)
{
    setChangedText(m_time, Formats::timeText(now.time()));
    setChangedText(m_date, Formats::shortDateText(now.date()));
}

void StatusPanels::showFieldHint(const QString &hint)
{
    m_hint = hint;
    if (!m_noticeField)
        showFirstPanel(hint);
}

void StatusPanels::showEditNotice(const QString &text, QWidget &field)
{
    if (field.hasFocus())
        m_noticeField = &field;
    showFirstPanel(text);
}

void StatusPanels::showFirstPanel(const QString &text)
{
    const QString shown = text.isEmpty() ? titleText() : text;
    // The bar lays its panels out from the left with a gap between them; a long text (an old
    // account's IBAN) spreads over the empty panel rather than being cut at both ends.
    const int needed = widthFor(*m_title, shown);
    const bool wide = needed > titleWidth;
    if (m_empty->isVisible())
        m_gap = m_empty->x() - m_title->geometry().right() - 1;
    m_title->setFixedWidth(wide ? std::min(needed, titleWidth + m_gap + emptyWidth) : titleWidth);
    m_title->setAlignment(wide ? Qt::AlignLeft | Qt::AlignVCenter : Qt::AlignCenter);
    m_empty->setHidden(wide);
    setChangedText(m_title, shown);
}
