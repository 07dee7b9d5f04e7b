#include "model/Calibration.h"

#include "model/UserError.h"

#include <QLatin1StringView>

namespace {

struct CalibrationValue
{
    QLatin1StringView name;
    qint32 Calibration::*field;
};

// The stored values in the order they are read and written.
constexpr CalibrationValue calibrationValues[] = {
    {QLatin1StringView("RectWidth"), &Calibration::RectWidth},
    {QLatin1StringView("RectHeight"), &Calibration::RectHeight},
    {QLatin1StringView("Left"), &Calibration::Left},
    {QLatin1StringView("Right"), &Calibration::Right},
    {QLatin1StringView("Top"), &Calibration::Top},
    {QLatin1StringView("Bottom"), &Calibration::Bottom},
};

QString upperAscii(QString text)
{
    for (QChar &ch : text) {
        if (ch >= u'a' && ch <= u'z')
            ch = QChar(ch.unicode() - u'a' + u'A');
    }
    return text;
}

} // namespace

QString PrinterKeyName(const QString &printerEntry)
{
    const qsizetype on = upperAscii(printerEntry).indexOf(QLatin1StringView(" ON "));
    return on < 0 ? printerEntry : printerEntry.left(on);
}

KeyPath calibrationKeyPath(const QString &printerEntry)
{
    return SettingsStore::mainKeyPath() << QStringLiteral("Calibration") << PrinterKeyName(printerEntry);
}

Calibration StoredCalibration::withDefaults() const
{
    Calibration calibration;
    for (std::size_t i = 0; i < values.size(); ++i) {
        if (values[i])
            calibration.*calibrationValues[i].field = *values[i];
    }
    return calibration;
}

StoredCalibration readCalibrationRecord(const SettingsStore &store, const QString &printerEntry)
{
    StoredCalibration stored;
    std::optional<SettingsKey> key = store.OpenKey(calibrationKeyPath(printerEntry), false, KeyAccess::Read);
    if (!key)
        return stored;
    stored.exists = true;
    for (std::size_t i = 0; i < stored.values.size(); ++i) {
        try {
            stored.values[i] = key->ReadInteger(calibrationValues[i].name);
        } catch (const UserError &error) {
            if (stored.error.isEmpty())
                stored.error = error.text();
        }
    }
    key->CloseKey();
    return stored;
}

Calibration readStoredCalibration(const SettingsStore &store, const QString &printerEntry)
{
    const StoredCalibration stored = readCalibrationRecord(store, printerEntry);
    if (!stored.error.isEmpty())
        throw UserError(stored.error);
    Calibration calibration = stored.withDefaults();
    const Calibration defaults;
    if (calibration.RectWidth <= 0)
        calibration.RectWidth = defaults.RectWidth;
    if (calibration.RectHeight <= 0)
        calibration.RectHeight = defaults.RectHeight;
    return calibration;
}

void storeCalibration(const SettingsStore &store, const QString &printerEntry, const Calibration &calibration)
{
    std::optional<SettingsKey> key =
        store.OpenKey(calibrationKeyPath(printerEntry), true, KeyAccess::ReadWrite);
    if (!key)
        return;
    for (const CalibrationValue &value : calibrationValues)
        key->WriteInteger(value.name, calibration.*value.field);
    key->CloseKey();
}
