#pragma once

#include "model/SlipData.h"
#include "ui/Defaults.h"

#include <QLatin1StringView>

#include <array>
#include <functional>

class EntryField;
class QObject;
class QWidget;

// The entry controls of both slip records, found by their control names in the window. They are the
// records' only storage: reading a record reads the controls, writing one sets them.
class SlipControls : public SlipFieldAccess
{
public:
    // Finds every field's control among window's children and gives it the rules of its field.
    explicit SlipControls(QWidget &window);

    QString fieldText(QLatin1StringView control) const override;
    // Sets the control's text as the program does: a digit box fits the value to its positions.
    void setFieldText(QLatin1StringView control, const QString &text) override;

    SlipRecord record(SlipKind kind) const;
    // Sets the record's fields in canonical order.
    void setRecord(const SlipRecord &record);

    void connectChange(QLatin1StringView control, QObject *context, std::function<void()> handler);

private:
    EntryField &field(QLatin1StringView control) const;

    std::array<std::array<EntryField *, slipFieldCount>, 2> m_fields{};
};
