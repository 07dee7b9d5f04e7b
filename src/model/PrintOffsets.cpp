#include "model/PrintOffsets.h"

#include "model/UserError.h"
#include "model/WholeNumber.h"

namespace {
const QString dXName = QStringLiteral("dX");
const QString dYName = QStringLiteral("dY");
} // namespace

PrintOffsets ReadPrintOffsets(const SettingsStore &store)
{
    const QString dX = store.ReadSetting(dXName);
    const QString dY = store.ReadSetting(dYName);
    try {
        return {StrToInt(dX), StrToInt(dY)};
    } catch (const UserError &) {
        return {};
    }
}

void WritePrintOffsets(const SettingsStore &store, const PrintOffsets &offsets)
{
    store.WriteSetting(dXName, QString::number(offsets.dX));
    store.WriteSetting(dYName, QString::number(offsets.dY));
}
