#include "EntryStyle.h"

#include "MemoLines.h"

#include <QWidget>

void applyEntryStyle(QWidget *control)
{
    control->setFont(entryFont());
    // The border of 1 pixel and no padding keep the memo's text width what the display lines assume.
    control->setStyleSheet(QStringLiteral("QLineEdit, QPlainTextEdit { background-color: #FFFFCC; "
                                          "border: 1px solid black; padding: 0px; }"));
}
