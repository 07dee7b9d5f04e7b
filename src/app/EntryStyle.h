#pragma once

#include <QLineEdit>

class QPlainTextEdit;

// The look of every entry control: Courier New 13 px on pale yellow inside a flat 1-pixel black
// border, the text right inside the border. It is made with palettes and frames rather than a
// style sheet, which would give every control a style of its own and slow down start-up.

// A single-line entry control with that look: the line and digit boxes.
class EntryLineEdit : public QLineEdit
{
    Q_OBJECT

public:
    explicit EntryLineEdit(QWidget *parent = nullptr);

    // A field whose text keeps a slip from paying gets a red frame and the reason as its tooltip;
    // an empty reason takes them away.
    void setFlag(const QString &reason);
    bool flagged() const { return !m_flag.isEmpty(); }

protected:
    void paintEvent(QPaintEvent *event) override;

private:
    QString m_flag;
};

// Gives a memo box that look; its 1-pixel frame keeps the text width what the display lines assume.
void applyEntryStyle(QPlainTextEdit *memo);
