#include "app/StatusPanels.h"

#include "app/Formats.h"

#include <QLabel>
#include <QStatusBar>

namespace {

constexpr int barHeight = 19;
constexpr int panelHeight = 14;

QString titleText()
{
    return QStringLiteral("ZORVAT Print 1.0 - uplatnice i nalozi");
}

void setChangedText(QLabel *panel, const QString &text)
{
    if (panel->text() != text)
        panel->setText(text);
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
        {"TitlePanel", 300, Qt::AlignCenter, titleText()},
        {"EmptyPanel", 100, Qt::AlignLeft | Qt::AlignVCenter, QString()},
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
    m_time = bar.findChild<QLabel *>(QStringLiteral("TimePanel"));
    m_date = bar.findChild<QLabel *>(QStringLiteral("DatePanel"));
}

void StatusPanels::showClock(const QDateTime &now)
{
    setChangedText(m_time, Formats::timeText(now.time()));
    setChangedText(m_date, Formats::shortDateText(now.date()));
}

void StatusPanels::showFieldHint(const QString &hint)
{
    setChangedText(m_title, hint.isEmpty() ? titleText() : hint);
}
