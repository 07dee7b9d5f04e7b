#include "PaymentHints.h"

#include "CheckMark.h"
#include "PaymentFields.h"
#include "SlipControls.h"

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
    {"MaskEdit7", "SpeedButton5"}, {"MaskEdit8", "MaskEdit8"}, {"Racun1", "SpeedButton11"}, {"pb12", nullptr},
    {"Racun2", "SpeedButton10"},   {"pb22", "pb22"},
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

PaymentHints::PaymentHints(QWidget &window, SlipControls &fields,
                           std::function<void(const QString &)> showHint)
    : m_fields(fields), m_showHint(std::move(showHint))
{
    for (const SlipKind kind : {SlipKind::Uplatnica, SlipKind::Zorvat}) {
        for (const PaymentField &field : paymentFields(kind)) {
            auto *control = window.findChild<QWidget *>(field.controlName());
            QWidget *modelControl = field.isReference()
                                        ? window.findChild<QWidget *>(QLatin1StringView(field.modelControl))
                                        : nullptr;
            CheckMark *mark = placeMark(window, control);
            mark->setObjectName(field.controlName() + QStringLiteral("Check"));
            m_hints.push_back({&field, control, modelControl, mark});
        }
    }
    // Connected once the list is whole, so the hints keep their places.
    for (size_t i = 0; i < m_hints.size(); ++i) {
        const Hint &hint = m_hints[i];
        for (const char *control : {hint.field->control, hint.field->modelControl}) {
            if (!control)
                continue;
            window.findChild<QWidget *>(QLatin1StringView(control))->installEventFilter(this);
            m_fields.connectChange(QLatin1StringView(control), this, [this, i] { recheck(m_hints[i]); });
        }
        recheck(m_hints[i]);
    }
}

void PaymentHints::recheck(Hint &hint)
{
    const QString model =
        hint.modelControl ? m_fields.fieldText(QLatin1StringView(hint.field->modelControl)) : QString();
    const CheckResult result =
        checkPaymentField(*hint.field, m_fields.fieldText(hint.field->controlName()), model);
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
