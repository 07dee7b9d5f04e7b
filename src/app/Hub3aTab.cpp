#include "app/Hub3aTab.h"

#include "app/LineBox.h"
#include "app/PreviewBox.h"
#include "app/PurposeCodeBox.h"
#include "model/Hub3aRules.h"
#include "payments/Hub3aChecks.h"
#include "render/Hub3aPreview.h"
#include "ui/CheckMark.h"
#include "ui/Hub3aControlTable.h"
#include "ui/TextFilter.h"

#include <QCheckBox>

#include <algorithm>
#include <iterator>
#include <stdexcept>

namespace {

template <typename T> T *findControl(QWidget &window, Hub3aField field)
{
    auto *control = window.findChild<T *>(hub3aControlOf(field));
    if (!control)
        throw std::logic_error("the window has no HUB-3A control " +
                               std::string(hub3aControlOf(field).data()));
    return control;
}

// An amount or a date that breaks its field's rules is marked; a good one is not.
CheckResult checkAmount(const QString &text)
{
    const QString problem = hub3aFieldProblem(Hub3aField::Amount, typedHub3aAmount(text));
    if (problem.isEmpty())
        return CheckResult::empty();
    return CheckResult::invalid(QStringLiteral("iznos se piše kao 1.234,56, najviše 9.999.999.999.999,99"));
}

CheckResult checkExecutionDate(const QString &text)
{
    if (hub3aFieldProblem(Hub3aField::ExecutionDate, text).isEmpty())
        return CheckResult::empty();
    return CheckResult::invalid(QStringLiteral("datum izvršenja se piše kao DDMMGGGG, npr. 15012026"));
}

Hub3aField hub3aFieldOf(FormField field)
{
    if (field.form != FormKind::Hub3a)
        throw std::logic_error("the HUB-3A tab holds no field of the older forms");
    return static_cast<Hub3aField>(field.index);
}

} // namespace

QString refusedCharactersText(const QStringList &characters)
{
    QStringList named;
    for (const QString &character : characters)
        named.append(character == u" " ? QStringLiteral("razmak") : character);
    return QStringLiteral("Polje ne prima znakove %1: izostavljeni su.").arg(named.join(u' '));
}

QString editCutText(const QStringList &characters, int kept, int inserted)
{
    QStringList said;
    if (!characters.isEmpty())
        said.append(refusedCharactersText(characters));
    if (inserted > 0)
        said.append(QStringLiteral("Zalijepljeno je %1 od %2 znakova").arg(kept).arg(inserted));
    return said.join(u' ');
}

Hub3aTab::Hub3aTab(QWidget &window, PreviewBox &preview,
                   std::function<void(const QString &text, QWidget &field)> showEditNotice)
    : QObject(&window), m_preview(preview)
{
    m_purpose = findControl<PurposeCodeBox>(window, Hub3aField::PurposeCode);
    m_urgent = findControl<QCheckBox>(window, Hub3aField::Urgent);
    for (const Hub3aFieldSpec &fieldEntry : hub3aFields()) {
        if (fieldEntry.field == Hub3aField::Urgent)
            continue;
        LineBox *box = fieldEntry.field == Hub3aField::PurposeCode
                           ? m_purpose->editor()
                           : findControl<LineBox>(window, fieldEntry.field);
        // The tab is the slip: typing stops at its cells; an IBAN abroad loaded into it is marked.
        box->setTypingLimit(fieldEntry.field == Hub3aField::RecipientIban ? hub3aSlipIbanLength
                                                                           : fieldEntry.maxLength);
        box->setCharacterFilter(
            [field = fieldEntry.field](const QString &text) { return hub3aCharactersOnly(field, text); });
        // Said once the edit is done, after the field's own hint that follows every edit, and kept
        // over the hints of the next keys until the field is left.
        connect(
            box, &LineBox::editCut, this,
            [showEditNotice, box](const QStringList &characters, int kept, int inserted) {
                showEditNotice(editCutText(characters, kept, inserted), *box);
            },
            Qt::QueuedConnection);
        m_lines[static_cast<size_t>(fieldEntry.field)] = box;
    }
    for (const Hub3aFieldSpec &fieldEntry : hub3aFields())
        connectChange(fieldEntry.field, this, [this] {
            flagFields();
            m_preview.update();
        });
    m_amountMark = CheckMark::beside(line(Hub3aField::Amount), checkAmount);
    m_dateMark = CheckMark::beside(line(Hub3aField::ExecutionDate), checkExecutionDate);
    // A model typed as its digits ("01", "1", "HR1") becomes the model it stands for when the
    // field is left, as the barcode and the form take it.
    for (const Hub3aField field : {Hub3aField::PayerModel, Hub3aField::RecipientModel}) {
        connect(line(field), &QLineEdit::editingFinished, this, [this, field] {
            const QString completed = completedHub3aModel(line(field)->fieldText());
            if (completed != line(field)->fieldText())
                line(field)->setFieldText(completed);
        });
    }
}

std::vector<std::pair<QLineEdit *, CheckMark *>> Hub3aTab::formMarks() const
{
    return {{line(Hub3aField::Amount), m_amountMark}, {line(Hub3aField::ExecutionDate), m_dateMark}};
}

LineBox *Hub3aTab::line(Hub3aField field) const
{
    return m_lines[static_cast<size_t>(field)];
}

QString Hub3aTab::text(Hub3aField field) const
{
    if (field == Hub3aField::Urgent)
        return m_urgent->isChecked() ? QStringLiteral("1") : QString();
    return line(field)->fieldText();
}

void Hub3aTab::setText(Hub3aField field, const QString &text)
{
    const QString kept = cleanHub3aText(field, text);
    if (field == Hub3aField::Urgent)
        m_urgent->setChecked(kept == u"1");
    else
        line(field)->setFieldText(kept);
}

Hub3aRecord Hub3aTab::record() const
{
    Hub3aRecord record;
    for (const Hub3aFieldSpec &fieldEntry : hub3aFields())
        record.set(fieldEntry.field, text(fieldEntry.field));
    using F = Hub3aField;
    for (const F model : {F::PayerModel, F::RecipientModel})
        record.set(model, completedHub3aModel(record[model]));
    record.set(F::Amount, typedHub3aAmount(record[F::Amount]));
    return record;
}

void Hub3aTab::setRecord(const Hub3aRecord &record)
{
    for (const Hub3aFieldSpec &fieldEntry : hub3aFields()) {
        const QString &text = record[fieldEntry.field];
        if (fieldEntry.field == Hub3aField::Urgent)
            m_urgent->setChecked(text == u"1");
        else
            line(fieldEntry.field)->setFieldTextAsIs(text);
    }
    flagFields();
}

QString Hub3aTab::fieldText(FormField field) const
{
    return text(hub3aFieldOf(field));
}

void Hub3aTab::setFieldText(FormField field, const QString &text)
{
    setText(hub3aFieldOf(field), text);
}

QWidget *Hub3aTab::control(Hub3aField field) const
{
    if (field == Hub3aField::Urgent)
        return m_urgent;
    if (field == Hub3aField::PurposeCode)
        return m_purpose;
    return line(field);
}

void Hub3aTab::connectChange(Hub3aField field, QObject *context, std::function<void()> handler)
{
    if (field == Hub3aField::Urgent)
        connect(m_urgent, &QCheckBox::toggled, context, [handler = std::move(handler)] { handler(); });
    else
        line(field)->connectChange(context, std::move(handler));
}

Hub3aBarcodeCell hub3aBarcodeCell(const QList<Hub3aProblem> &problems)
{
    if (problems.isEmpty())
        return Hub3aBarcodeCell::Barcode;
    const bool onlyMissing = std::all_of(problems.begin(), problems.end(), [](const Hub3aProblem &problem) {
        return problem.rule == Hub3aRule::Missing;
    });
    return onlyMissing ? Hub3aBarcodeCell::Empty : Hub3aBarcodeCell::Refused;
}

void Hub3aTab::paintPreview(QPainter &painter)
{
    const Hub3aRecord shown = record();
    m_picture.paint(painter, m_preview.size(), shown, hub3aBarcodeCell(hub3aSlipProblems(shown)));
}

void Hub3aTab::flagFields()
{
    using F = Hub3aField;
    // These have marks of their own beside them (PaymentHints, formMarks).
    constexpr F marked[] = {F::PayerIban,          F::PayerReference, F::RecipientIban,
                            F::RecipientReference, F::Amount,         F::ExecutionDate};
    std::array<QString, hub3aFieldCount> reasons;
    for (const Hub3aProblem &problem : hub3aSlipProblems(record())) {
        if (problem.rule != Hub3aRule::Missing)
            reasons[static_cast<size_t>(problem.field)] = problem.message;
    }
    for (const Hub3aFieldSpec &fieldEntry : hub3aFields()) {
        LineBox *box = line(fieldEntry.field);
        if (box && std::find(std::begin(marked), std::end(marked), fieldEntry.field) == std::end(marked))
            box->setFlag(reasons[static_cast<size_t>(fieldEntry.field)]);
    }
}
