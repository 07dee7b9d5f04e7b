#include "Calibration.h"

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

Calibration readStoredCalibration(const SettingsStore &store, const QString &printerEntry)
{
    Calibration calibration;
    std::optional<SettingsKey> key = store.OpenKey(calibrationKeyPath(printerEntry), false, KeyAccess::Read);
    if (!key)
        return calibration;
    for (const CalibrationValue &value : calibrationValues)
        calibration.*value.field = key->ReadInteger(value.name);
    key->CloseKey();
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
