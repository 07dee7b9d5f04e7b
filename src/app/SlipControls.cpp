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

QString SlipControls::fieldText(QLatin1StringView control) const
{
    return field(control).fieldText();
}

void SlipControls::setFieldText(QLatin1StringView control, const QString &text)
{
    field(control).setFieldText(text);
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

void SlipControls::connectChange(QLatin1StringView control, QObject *context, std::function<void()> handler)
{
    field(control).connectChange(context, std::move(handler));
}
