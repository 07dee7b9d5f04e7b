#pragma once

#include "model/Calibration.h"
#include "model/FormKind.h"
#include "model/Hub3aRecord.h"
#include "model/SlipData.h"
#include "model/SlipFields.h"

// What the print dialog and the calibration dialog need from the main window: which form its
// active tab shows, the records as they stand, and the current calibration record (the one
// last loaded, for the printer last loaded), which the print jobs use.
class PrintSource
{
public:
    virtual ~PrintSource() = default;

    virtual FormKind activeKind() const = 0;
    virtual UplatnicaData uplatnicaData() const = 0;
    virtual ZorvatData zorvatData() const = 0;
    virtual Hub3aRecord hub3aData() const = 0;

    // Asks the user a question with "Da" and "Ne" before printing; true for "Da".
    virtual bool confirmPrint(const QString &question) const = 0;

    virtual Calibration calibration() const = 0;
    virtual void setCalibration(const Calibration &calibration) = 0;
};
