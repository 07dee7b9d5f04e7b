#pragma once

#include "model/SlipData.h"
#include "ui/SlipFieldAccess.h"

#include <QLatin1StringView>

#include <array>
#include <functional>

class EntryField;
class QObject;
class QWidget;

// The entry controls of both older slip records, found by their control names in the window. They
// are the records' only storage: reading a record reads the controls, writing one sets them.
class SlipControls : public SlipFieldAccess
{
public:
    // Finds every field's control among window's children and gives it the rules of its field.
    explicit SlipControls(QWidget &window);

    QString fieldText(FormField field) const override;
    // Sets the field's text as the program does: a digit box fits the value to its positions.
    void setFieldText(FormField field, const QString &text) override;
    void connectChange(FormField field, QObject *context, std::function<void()> handler);
    QWidget *control(FormField field) const;

    // The same by the control's object name, for the window's own tables of controls.
    QString controlText(QLatin1StringView control) const;
    void setControlText(QLatin1StringView control, const QString &text);
    void connectControlChange(QLatin1StringView control, QObject *context, std::function<void()> handler);

    SlipRecord record(SlipKind kind) const;
    // Sets the record's fields in canonical order.
    void setRecord(const SlipRecord &record);

private:
    EntryField &field(FormField field) const;
    EntryField &field(QLatin1StringView control) const;

    std::array<std::array<EntryField *, slipFieldCount>, 2> m_fields{};
};
