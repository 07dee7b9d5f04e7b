#include "app/PaymentHints.h"

#include "app/Hub3aTab.h"
#include "app/SlipControls.h"
#include "payments/PaymentFields.h"
#include "ui/CheckMark.h"
#include "ui/Hub3aControlTable.h"
#include "ui/SlipControlTable.h"

#include <QEvent>
#include <QLineEdit>

namespace {

// Where each field's mark stands: right of `after` (the field, or the button beside it), level
// with the field; with no `after` there is no room to the right, and the mark stands inside the
// field's right end, the text kept clear of it.
struct MarkPlace
{
    const char *control;
    const char *after;
};
constexpr MarkPlace places[] = {
    {"MaskEdit7", "SpeedButton5"},
    {"MaskEdit8", "MaskEdit8"},
    {"Racun1", "SpeedButton11"},
    {"pb12", nullptr},
    {"Racun2", "SpeedButton10"},
    {"pb22", "pb22"},
    {"Hub3aPayerIban", "Hub3aPayerIban"},
    {"Hub3aPayerReference", "Hub3aPayerReference"},
    {"Hub3aRecipientIban", "Hub3aRecipientIban"},
    {"Hub3aRecipientReference", "Hub3aRecipientReference"},
};

// The payment fields of the HUB-3A slip, by the names of its fields.
constexpr PaymentField hub3aPaymentFields[] = {
    {"payerAccount", "payerIban", nullptr},
    {"payerReference", "payerReference", "payerModel"},
    {"recipientAccount", "recipientIban", nullptr},
    {"recipientReference", "recipientReference", "recipientModel"},
};

// The payment fields of one tab: where their controls are and how a change of one is heard.
struct TabFields
{
    std::span<const PaymentField> fields;
    std::function<QLatin1StringView(QLatin1StringView field)> controlOf;
    const SlipFieldAccess *texts;
    std::function<void(QLatin1StringView control, QObject *context, std::function<void()> handler)>
        connectChange;
};

constexpr int gap = 3;

CheckMark *placeMark(QWidget &window, QWidget *control)
{
    const auto place = std::find_if(std::begin(places), std::end(places), [control](const MarkPlace &p) {
        return control->objectName() == QLatin1StringView(p.control);
    });
    Q_ASSERT(place != std::end(places));
    const QRect field = control->geometry();
    if (!place->after) {
        auto *mark = new CheckMark(control);
        mark->move(field.width() - CheckMark::side - gap, (field.height() - CheckMark::side) / 2);
        if (auto *line = qobject_cast<QLineEdit *>(control)) {
            const QMargins margins = line->textMargins();
            line->setTextMargins(margins.left(), margins.top(), CheckMark::side + 2 * gap, margins.bottom());
        }
        return mark;
    }
    const auto *after = window.findChild<QWidget *>(QLatin1StringView(place->after));
    auto *mark = new CheckMark(control->parentWidget());
    mark->move(after->geometry().right() + gap, field.top() + (field.height() - CheckMark::side) / 2);
    return mark;
}

} // namespace

PaymentHints::PaymentHints(QWidget &window, SlipControls &fields, Hub3aTab &hub3a,
                           std::function<void(const QString &)> showHint)
    : m_showHint(std::move(showHint))
{
    const auto connectSlipField = [&fields](QLatin1StringView control, QObject *context,
                                            std::function<void()> handler) {
        fields.connectChange(control, context, std::move(handler));
    };
    const TabFields tabs[] = {
        {paymentFields(SlipKind::Uplatnica),
         [](QLatin1StringView field) { return controlOf(SlipKind::Uplatnica, field); }, &fields,
         connectSlipField},
        {paymentFields(SlipKind::Zorvat),
         [](QLatin1StringView field) { return controlOf(SlipKind::Zorvat, field); }, &fields,
         connectSlipField},
        {hub3aPaymentFields, [](QLatin1StringView field) { return hub3aControlOf(field); }, &hub3a,
         [&hub3a](QLatin1StringView control, QObject *context, std::function<void()> handler) {
             hub3a.connectChange(*hub3aFieldOfControl(control), context, std::move(handler));
         }},
    };
    for (const TabFields &tab : tabs) {
        const size_t first = m_hints.size();
        for (const PaymentField &field : tab.fields) {
            const QLatin1StringView controlName = tab.controlOf(field.fieldName());
            const QLatin1StringView modelControlName =
                field.isReference() ? tab.controlOf(QLatin1StringView(field.modelField))
                                    : QLatin1StringView();
            auto *control = window.findChild<QWidget *>(controlName);
            QWidget *modelControl =
                field.isReference() ? window.findChild<QWidget *>(modelControlName) : nullptr;
            CheckMark *mark = placeMark(window, control);
            mark->setObjectName(controlName + QStringLiteral("Check"));
            m_hints.push_back(
                {&field, tab.texts, controlName, modelControlName, control, modelControl, mark});
        }
        // Connected once the tab's hints are all listed, so the hints keep their places.
        for (size_t i = first; i < m_hints.size(); ++i) {
            const Hint &hint = m_hints[i];
            for (QWidget *control : {hint.control, hint.modelControl}) {
                if (control)
                    control->installEventFilter(this);
            }
            for (const QLatin1StringView name : {hint.controlName, hint.modelControlName}) {
                if (!name.isEmpty())
                    tab.connectChange(name, this, [this, i] { recheck(m_hints[i]); });
            }
            recheck(m_hints[i]);
        }
    }
}

void PaymentHints::recheck(Hint &hint)
{
    const QString model = hint.modelControl ? hint.texts->fieldText(hint.modelControlName) : QString();
    const CheckResult result = checkPaymentField(*hint.field, hint.texts->fieldText(hint.controlName), model);
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
    } else if (event->type() == QEvent::FocusOut) {
        m_showHint(QString());
    }
    return false;
}
