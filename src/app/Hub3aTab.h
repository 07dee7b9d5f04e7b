#pragma once

#include "model/Hub3aRecord.h"
#include "model/Hub3aRules.h"
#include "render/Hub3aPreview.h"
#include "ui/SlipFieldAccess.h"

#include <QObject>

#include <array>
#include <functional>
#include <utility>
#include <vector>

class CheckMark;
class LineBox;
class PreviewBox;
class PurposeCodeBox;
class QCheckBox;
class QLineEdit;
class QPainter;

// The entry controls of the HUB-3A tab, found by their control names in the window
// (Hub3aControlTable.h), and its live picture. The controls are the record's only storage. Each
// field takes only its own characters up to its length, typed or pasted; what an edit loses is
// told through showEditNotice, with the field it was made in. Every change of a field redraws the picture. An
// amount the barcode cannot carry and an execution date that is no date get a red mark beside them
// (formMarks). The record reads a model typed as its digits as the model ("01" is HR01) and an amount with a
// keypad's decimal point as the program writes it
// ("12.34" is 12,34).
class Hub3aTab : public QObject, public SlipFieldAccess
{
    Q_OBJECT

public:
    Hub3aTab(QWidget &window, PreviewBox &preview,
             std::function<void(const QString &text, QWidget &field)> showEditNotice);

    Hub3aRecord record() const;
    // Sets every field to its text as it is, past the fields' character filters, as a slip file
    // holds it; the field's rules mark what breaks them (an urgent flag other than 1 is cleared).
    void setRecord(const Hub3aRecord &record);

    QString text(Hub3aField field) const;
    // Sets a field to what it keeps of text (cleanHub3aText), as stored defaults are set.
    void setText(Hub3aField field, const QString &text);
    // The same by form field, as the stored defaults reach them: set as setText sets them.
    QString fieldText(FormField field) const override;
    void setFieldText(FormField field, const QString &text) override;
    // The control that holds the field.
    QWidget *control(Hub3aField field) const;

    void connectChange(Hub3aField field, QObject *context, std::function<void()> handler);

    // The picture: the whole form with the fields' data and barcode on white, stretched to the box.
    void paintPreview(QPainter &painter);

    // The amount and the execution date with the marks beside them, whose reasons the window's
    // hints show while the field has focus.
    std::vector<std::pair<QLineEdit *, CheckMark *>> formMarks() const;

    // Flags each field without a mark of its own whose text keeps the slip from paying
    // (hub3aSlipProblems, a missing field aside): a red frame, the reason as its tooltip.
    void flagFields();

private:
    LineBox *line(Hub3aField field) const;

    PreviewBox &m_preview;
    std::array<LineBox *, hub3aFieldCount> m_lines{}; // null for the purpose code and urgent
    PurposeCodeBox *m_purpose = nullptr;
    QCheckBox *m_urgent = nullptr;
    CheckMark *m_amountMark = nullptr;
    CheckMark *m_dateMark = nullptr;
    Hub3aPreview m_picture; // kept from one repaint to the next
};

// What the preview shows in the barcode's cell of a slip with these problems (hub3aSlipProblems):
// the barcode when there are none, nothing while only fields are missing, "NEISPRAVNO" otherwise.
Hub3aBarcodeCell hub3aBarcodeCell(const QList<Hub3aProblem> &problems);

// What the status bar says when an edit drops characters that a HUB-3A field does not take.
QString refusedCharactersText(const QStringList &characters);
// What it says of an edit that lost characters (LineBox::editCut): the characters refused, then
// "Zalijepljeno je 30 od 60 znakova" for an insert cut to the room left.
QString editCutText(const QStringList &characters, int kept, int inserted);
