#include "app/MemoBox.h"

#include "app/EntryStyle.h"
#include "model/MemoLines.h"
#include "model/SlipFields.h"
#include "ui/TextFilter.h"

#include <QKeyEvent>
#include <QMimeData>
#include <QRegularExpression>
#include <QScopedValueRollback>

MemoBox::MemoBox(QWidget *parent) : QPlainTextEdit(parent)
{
    applyEntryStyle(this);
    setVerticalScrollBarPolicy(Qt::ScrollBarAlwaysOff);
    setHorizontalScrollBarPolicy(Qt::ScrollBarAlwaysOff);
    setLineWrapMode(QPlainTextEdit::WidgetWidth);
    setWordWrapMode(memoWrapMode(QString()));
    setTabChangesFocus(true);
    // The document announces an edit before it lays the edited text out, so the wrap mode is
    // already right for a huge word that is typed, undone or redone.
    connect(document(), &QTextDocument::contentsChange, this, [this] {
        if (!m_wrapModeKept)
            wrapLike(toPlainText());
    });
}

void MemoBox::wrapLike(const QString &text)
{
    const QTextOption::WrapMode mode = memoWrapMode(text);
    if (wordWrapMode() != mode)
        setWordWrapMode(mode);
}

void MemoBox::changeWithWrapModeFor(const QString &newText, const std::function<void()> &change)
{
    // Wrapping anywhere is quick for any text, so it may come first; wrapping at words waits until
    // the text that needs it is in.
    if (memoWrapMode(newText) == QTextOption::WrapAnywhere)
        wrapLike(newText);
    {
        const QScopedValueRollback keep(m_wrapModeKept, true);
        change();
    }
    wrapLike(toPlainText());
}

void MemoBox::configure(const FieldSpec &fieldRow)
{
    // A memo's only rule is its box size: the width its display lines wrap at, on screen as in
    // the picture.
    resize(fieldRow.boxWidth, fieldRow.boxHeight);
}

QString MemoBox::fieldText() const
{
    return toPlainText().replace(u'\n', QStringLiteral("\r\n"));
}

void MemoBox::setFieldText(const QString &text)
{
    static const QRegularExpression hardBreak(QStringLiteral("\r\n|\r"));
    const QString plain = encodableOnly(QString(text).replace(hardBreak, QStringLiteral("\n")));
    // Replacing the whole text lays the new text out in the middle of the edit, with the mode of
    // the old (or, once it is cleared, the empty) text.
    if (plain != toPlainText())
        changeWithWrapModeFor(plain, [&] { setPlainText(plain); });
}

void MemoBox::connectChange(QObject *context, std::function<void()> handler)
{
    connect(this, &QPlainTextEdit::textChanged, context, [handler = std::move(handler)] { handler(); });
}

void MemoBox::keyPressEvent(QKeyEvent *event)
{
    const QString typed = event->text();
    if (!typed.isEmpty() && encodableOnly(typed) != typed) {
        event->accept();
        return;
    }
    QPlainTextEdit::keyPressEvent(event);
}

void MemoBox::inputMethodEvent(QInputMethodEvent *event)
{
    const QString committed = encodableOnly(event->commitString());
    if (committed == event->commitString()) {
        QPlainTextEdit::inputMethodEvent(event);
        return;
    }
    QInputMethodEvent filtered(event->preeditString(), event->attributes());
    filtered.setCommitString(committed, event->replacementStart(), event->replacementLength());
    QPlainTextEdit::inputMethodEvent(&filtered);
}

void MemoBox::insertFromMimeData(const QMimeData *source)
{
    if (!source->hasText())
        return;
    QMimeData plain;
    plain.setText(encodableOnly(source->text()));
    const QTextCursor cursor = textCursor();
    const QString after = toPlainText().replace(
        cursor.selectionStart(), cursor.selectionEnd() - cursor.selectionStart(), plain.text());
    changeWithWrapModeFor(after, [&] { QPlainTextEdit::insertFromMimeData(&plain); });
}
