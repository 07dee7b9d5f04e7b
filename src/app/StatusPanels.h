#pragma once

#include <QDateTime>

class QLabel;
class QStatusBar;

// The four panels of the status bar: a title line, an empty panel, the time and the date.
class StatusPanels
{
public:
    explicit StatusPanels(QStatusBar &bar);

    // Shows the time as "hh:mm:ss" and the date as "dd.mm.yyyy.", each only when its text changes.
    void showClock(const QDateTime &now);

    // Shows a field's hint in the first panel in place of the title; an empty hint brings the title back.
    void showFieldHint(const QString &hint);

private:
    QLabel *m_title = nullptr;
    QLabel *m_time = nullptr;
    QLabel *m_date = nullptr;
};
