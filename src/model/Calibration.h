#pragma once

#include "model/SettingsStore.h"

#include <QString>

#include <array>
#include <optional>

// A printer's calibration in whole millimetres: the measured size of the test page's corner squares
// (100 device units a side) and the distances of its edge marks from the sheet's edges.
struct Calibration
{
    qint32 RectWidth = 8, RectHeight = 8, Left = 4, Right = 4, Top = 2, Bottom = 10;

    friend bool operator==(const Calibration &, const Calibration &) = default;
};

// The name under which a printer's calibration is kept: the printer list entry cut before its first
// " ON " (found in any letter case), so every port of one printer shares one record.
QString PrinterKeyName(const QString &printerEntry);

// "\Software\Tembrulo\Nerovant\Zorvat\Calibration\" and the printer's key name as one key.
KeyPath calibrationKeyPath(const QString &printerEntry);

// What a printer's stored record holds, value by value in the order of Calibration's fields:
// each value that could be read, and the error of the first that could not (empty when the
// record is whole or there is none).
struct StoredCalibration
{
    bool exists = false;
    std::array<std::optional<qint32>, 6> values;
    QString error;

    // The values read, the defaults in place of the others.
    Calibration withDefaults() const;
};
StoredCalibration readCalibrationRecord(const SettingsStore &store, const QString &printerEntry);

// The printer's stored record, or the defaults when it has none or the store cannot be opened.
// A stored square size of zero or less is replaced by its default, as it would divide by zero.
// Throws UserError "Failed to get data for '<name>'" or "Invalid data type for '<name>'" when the
// record lacks a value or holds one of another type.
Calibration readStoredCalibration(const SettingsStore &store, const QString &printerEntry);

// Stores all six values for the printer in one step: either the whole record is stored or, when the
// store refuses (UserError "Failed to set data for '<name>'"), nothing changes. Does nothing when
// the store cannot be opened.
void storeCalibration(const SettingsStore &store, const QString &printerEntry,
                      const Calibration &calibration);
