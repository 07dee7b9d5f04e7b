#pragma once

#include <QDateTime>
#include <QMetaObject>
#include <QPointer>
#include <QString>

class QLabel;
class QStatusBar;
class QWidget;

// The four panels of the status bar: a title line, an empty panel, the time and the date.
class StatusPanels
{
public:
    explicit StatusPanels(QStatusBar &bar);
    ~StatusPanels();
    StatusPanels(const StatusPanels &) = delete;
    StatusPanels &operator=(const StatusPanels &) = delete;

    // Shows the time as "hh:mm:ss" and the date as "dd.mm.yyyy.", each only when its text changes.
    void showClock(const QDateTime &now);

    // Shows a field's hint in the first panel in place of the title; an empty hint brings the title
    // back. While an edit notice stands, the hint waits until it goes.
    void showFieldHint(const QString &hint);
    // Shows what an edit of field changed (characters refused, a paste cut) and keeps it over the
    // hints that follow until field loses the focus; then the last hint comes back. A field without
    // the focus gets the text as a hint would.
    void showEditNotice(const QString &text, QWidget &field);

private:
    // The first panel's text, whole: a text wider than the panel takes the empty panel's room too.
    void showFirstPanel(const QString &text);

    QLabel *m_title = nullptr;
    QLabel *m_empty = nullptr;
    QLabel *m_time = nullptr;
    QLabel *m_date = nullptr;
    int m_gap = 0; // between two panels, once the bar is laid out
    QString m_hint;
    QPointer<QWidget> m_noticeField;
    QMetaObject::Connection m_focusWatch;
};
