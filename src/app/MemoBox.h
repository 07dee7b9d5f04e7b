#pragma once

#include "app/EntryField.h"

#include <QPlainTextEdit>

// A multi-line entry field without scroll bars that wraps its text at word boundaries at its own
// width, exactly as memoDisplayLines cuts the text for the pictures. Enter starts a new line,
// Tab leaves the box. Characters that Windows-1250 cannot hold are refused, typed or pasted.
class MemoBox : public QPlainTextEdit, public EntryField
{
    Q_OBJECT

public:
    explicit MemoBox(QWidget *parent = nullptr);

    void configure(const FieldSpec &fieldRow) override;
    // The whole text with every hard line break as CR LF.
    QString fieldText() const override;
    void setFieldText(const QString &text) override;
    void connectChange(QObject *context, std::function<void()> handler) override;

protected:
    void keyPressEvent(QKeyEvent *event) override;
    void inputMethodEvent(QInputMethodEvent *event) override;
    void insertFromMimeData(const QMimeData *source) override;

private:
    // Wraps the box as memoWrapMode says for text; changing the mode lays the whole text out again.
    void wrapLike(const QString &text);
    // Runs change, which leaves newText in the box, under a wrap mode that is quick for the old
    // text and for newText: for changes during which the document lays text out before it
    // announces the change.
    void changeWithWrapModeFor(const QString &newText, const std::function<void()> &change);

    bool m_wrapModeKept = false;
};
