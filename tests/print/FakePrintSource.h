#pragma once

#include "print/PrintSource.h"

// The main window's side of printing: a chosen tab, fixed records and the calibration record.
class FakePrintSource : public PrintSource
{
public:
    SlipKind activeKind() const override { return kind; }
    UplatnicaData uplatnicaData() const override { return uplatnica; }
    ZorvatData zorvatData() const override { return zorvat; }
    Calibration calibration() const override { return record; }
    void setCalibration(const Calibration &calibration) override { record = calibration; }

    SlipKind kind = SlipKind::Uplatnica;
    UplatnicaData uplatnica;
    ZorvatData zorvat;
    Calibration record;
};
