#include "app/PaymentHints.h"

#include "app/Hub3aTab.h"
#include "app/SlipControls.h"
#include "payments/Hub3aChecks.h"
#include "payments/PaymentFields.h"
#include "ui/CheckMark.h"

#include <QEvent>
#include <QLineEdit>
#include <QToolButton>

#include <optional>
#include <stdexcept>
#include <string>

namespace {

// Where a field's mark stands: right of the field, right of the tool button beside the field
// on its row, or, where a caption leaves no room to the right, in the field's own right end, the
// field narrowed by the mark's room (a mark over the field would cover its text). Level with the
// field in each case.
enum class MarkPlace { AfterField, AfterButton, FieldEnd };

struct FieldMark
{
    const char *field;
    MarkPlace place;
};

constexpr FieldMark uplatnicaMarks[] = {
    {"account", MarkPlace::AfterButton},
    {"reference", MarkPlace::AfterField},
};
constexpr FieldMark zorvatMarks[] = {
    {"payerAccount", MarkPlace::AfterButton},
    {"payerReference", MarkPlace::FieldEnd},
    {"recipientAccount", MarkPlace::AfterButton},
    {"recipientReference", MarkPlace::AfterField},
};
constexpr FieldMark hub3aMarks[] = {
    {"payerIban", MarkPlace::AfterField},
    {"payerReference", MarkPlace::AfterField},
    {"recipientIban", MarkPlace::AfterField},
    {"recipientReference", MarkPlace::AfterField},
};

// The payment fields of one tab: where their controls are and how a change of one is heard.
struct TabFields
{
    std::span<const PaymentField> fields;
    PaymentHints::FieldCheck check;
    std::span<const FieldMark> marks;
    FormKind form;
    std::function<QWidget *(FormField)> control;
    const SlipFieldAccess *texts;
    std::function<void(FormField field, QObject *context, std::function<void()> handler)> connectChange;
};

constexpr int gap = 3;

MarkPlace markPlace(std::span<const FieldMark> marks, QLatin1StringView field)
{
    for (const FieldMark &mark : marks) {
        if (field == QLatin1StringView(mark.field))
            return mark.place;
    }
    throw std::logic_error("no place for the mark of " +
                           std::string(field.data(), static_cast<size_t>(field.size())));
}

// The nearest tool button right of the field that shares its row.
const QWidget *buttonBeside(const QWidget *control)
{
    const QRect field = control->geometry();
    const QWidget *nearest = nullptr;
    for (const QToolButton *button :
         control->parentWidget()->findChildren<QToolButton *>(Qt::FindDirectChildrenOnly)) {
        const QRect place = button->geometry();
        const bool sameRow = place.top() <= field.bottom() && place.bottom() >= field.top();
        if (sameRow && place.left() > field.right() &&
            (!nearest || place.left() < nearest->geometry().left()))
            nearest = button;
    }
    if (!nearest)
        throw std::logic_error("no button beside " + control->objectName().toStdString());
    return nearest;
}

CheckMark *placeMark(QWidget *control, MarkPlace place)
{
    if (place == MarkPlace::FieldEnd)
        control->setGeometry(control->geometry().adjusted(0, 0, -(CheckMark::side + 2 * gap), 0));
    const QRect field = control->geometry();
    const QWidget *after = place == MarkPlace::AfterButton ? buttonBeside(control) : control;
    auto *mark = new CheckMark(control->parentWidget());
    mark->move(after->geometry().right() + gap, field.top() + (field.height() - CheckMark::side) / 2);
    return mark;
}

} // namespace

PaymentHints::PaymentHints(SlipControls &fields, Hub3aTab &hub3a,
                           std::function<void(const QString &)> showHint)
    : m_showHint(std::move(showHint))
{
    const auto slipControl = [&fields](FormField field) { return fields.control(field); };
    const auto connectSlipField = [&fields](FormField field, QObject *context,
                                            std::function<void()> handler) {
        fields.connectChange(field, context, std::move(handler));
    };
    const TabFields tabs[] = {
        {paymentFields(SlipKind::Uplatnica), checkPaymentField, uplatnicaMarks, FormKind::Uplatnica,
         slipControl, &fields, connectSlipField},
        {paymentFields(SlipKind::Zorvat), checkPaymentField, zorvatMarks, FormKind::Zorvat, slipControl,
         &fields, connectSlipField},
        {hub3aPaymentFields(), checkHub3aPaymentField, hub3aMarks, FormKind::Hub3a,
         [&hub3a](FormField field) { return hub3a.control(static_cast<Hub3aField>(field.index)); }, &hub3a,
         [&hub3a](FormField field, QObject *context, std::function<void()> handler) {
             hub3a.connectChange(static_cast<Hub3aField>(field.index), context, std::move(handler));
         }},
    };
    for (const TabFields &tab : tabs) {
        const size_t first = m_hints.size();
        for (const PaymentField &field : tab.fields) {
            const FormField entry = formFieldNamed(tab.form, field.fieldName());
            const std::optional<FormField> modelEntry =
                field.isReference()
                    ? std::optional(formFieldNamed(tab.form, QLatin1StringView(field.modelField)))
                    : std::nullopt;
            QWidget *control = tab.control(entry);
            QWidget *modelControl = modelEntry ? tab.control(*modelEntry) : nullptr;
            CheckMark *mark = placeMark(control, markPlace(tab.marks, field.fieldName()));
            mark->setObjectName(control->objectName() + QStringLiteral("Check"));
            m_hints.push_back({&field, tab.check, tab.texts, entry, modelEntry, control, modelControl, mark});
        }
        // Connected once the tab's hints are all listed, so the hints keep their places.
        for (size_t i = first; i < m_hints.size(); ++i) {
            const Hint &hint = m_hints[i];
            for (QWidget *control : {hint.control, hint.modelControl}) {
                if (control)
                    control->installEventFilter(this);
            }
            for (const std::optional<FormField> &entry : {std::optional(hint.entry), hint.modelEntry}) {
                if (entry)
                    tab.connectChange(*entry, this, [this, i] { recheck(m_hints[i]); });
            }
            recheck(m_hints[i]);
        }
    }
    addFormMarks(hub3a);
}

void PaymentHints::addFormMarks(const Hub3aTab &hub3a)
{
    m_formMarks = hub3a.formMarks();
    for (const auto &[control, mark] : m_formMarks) {
        control->installEventFilter(this);
        connect(control, &QLineEdit::textChanged, this, [this, control = control, mark = mark] {
            if (control->hasFocus())
                m_showHint(mark->message());
        });
    }
}

void PaymentHints::recheck(Hint &hint)
{
    const QString model = hint.modelEntry ? hint.texts->fieldText(*hint.modelEntry) : QString();
    const CheckResult result = hint.check(*hint.field, hint.texts->fieldText(hint.entry), model);
    hint.mark->setResult(result);
    if (hint.control->hasFocus() || (hint.modelControl && hint.modelControl->hasFocus()))
        m_showHint(result.message);
}

const PaymentHints::Hint *PaymentHints::hintOf(const QObject *control) const
{
    for (const Hint &hint : m_hints) {
        if (hint.control == control || hint.modelControl == control)
            return &hint;
    }
    return nullptr;
}

bool PaymentHints::eventFilter(QObject *watched, QEvent *event)
{
    if (event->type() == QEvent::FocusIn) {
        if (const Hint *hint = hintOf(watched))
            m_showHint(hint->mark->message());
        for (const auto &[control, mark] : m_formMarks) {
            if (control == watched)
                m_showHint(mark->message());
        }
    } else if (event->type() == QEvent::FocusOut) {
        m_showHint(QString());
    }
    return false;
}
