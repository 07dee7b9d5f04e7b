#include "app/SlipControls.h"

#include "app/EntryField.h"
#include "ui/SlipControlTable.h"

#include <QWidget>

#include <stdexcept>

namespace {

constexpr std::array<SlipKind, 2> kinds = {SlipKind::Uplatnica, SlipKind::Zorvat};

size_t kindIndex(SlipKind kind)
{
    return kind == SlipKind::Uplatnica ? 0 : 1;
}

} // namespace

SlipControls::SlipControls(QWidget &window)
{
    for (const SlipKind kind : kinds) {
        const SlipFieldTable &table = slipFields(kind);
        for (size_t i = 0; i < table.size(); ++i) {
            const QLatin1StringView control = controlOf(kind, static_cast<int>(i));
            auto *field = dynamic_cast<EntryField *>(window.findChild<QWidget *>(control));
            if (!field)
                throw std::logic_error("the window has no entry control " + std::string(control.data()));
            field->configure(table[i]);
            m_fields[kindIndex(kind)][i] = field;
        }
    }
}

EntryField &SlipControls::field(FormField field) const
{
    const std::optional<SlipKind> kind = olderSlipKind(field.form);
    if (!kind)
        throw std::logic_error("the older forms' controls hold no HUB-3A field");
    return *m_fields[kindIndex(*kind)].at(static_cast<size_t>(field.index));
}

EntryField &SlipControls::field(QLatin1StringView control) const
{
    for (const SlipKind kind : kinds) {
        const int index = fieldIndexOfControl(kind, control);
        if (index >= 0)
            return *m_fields[kindIndex(kind)][static_cast<size_t>(index)];
    }
    throw std::logic_error("no slip field " +
                           std::string(control.data(), static_cast<size_t>(control.size())));
}

QString SlipControls::fieldText(FormField field) const
{
    return this->field(field).fieldText();
}

void SlipControls::setFieldText(FormField field, const QString &text)
{
    this->field(field).setFieldText(text);
}

void SlipControls::connectChange(FormField field, QObject *context, std::function<void()> handler)
{
    this->field(field).connectChange(context, std::move(handler));
}

QWidget *SlipControls::control(FormField field) const
{
    return dynamic_cast<QWidget *>(&this->field(field));
}

QString SlipControls::controlText(QLatin1StringView control) const
{
    return field(control).fieldText();
}

void SlipControls::setControlText(QLatin1StringView control, const QString &text)
{
    field(control).setFieldText(text);
}

void SlipControls::connectControlChange(QLatin1StringView control, QObject *context,
                                        std::function<void()> handler)
{
    field(control).connectChange(context, std::move(handler));
}

SlipRecord SlipControls::record(SlipKind kind) const
{
    SlipRecord record{kind, {}};
    const auto &fields = m_fields[kindIndex(kind)];
    for (size_t i = 0; i < fields.size(); ++i)
        record.texts[i] = fields[i]->fieldText();
    return record;
}

void SlipControls::setRecord(const SlipRecord &record)
{
    const auto &fields = m_fields[kindIndex(record.kind)];
    for (size_t i = 0; i < fields.size(); ++i)
        fields[i]->setFieldText(record.texts[i]);
}
