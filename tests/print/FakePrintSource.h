#pragma once

#include "print/PrintSource.h"

// The main window's side of printing: a chosen tab, fixed records and the calibration record.
class FakePrintSource : public PrintSource
{
public:
    SlipKind activeKind() const override { return kind; }
    UplatnicaData uplatnicaData() const override { return uplatnica; }
    ZorvatData zorvatData() const override { return zorvat; }
    bool hub3aActive() const override { return hub3aTab; }
    Hub3aRecord hub3aData() const override { return hub3a; }
    Calibration calibration() const override { return record; }
    void setCalibration(const Calibration &calibration) override { record = calibration; }

    SlipKind kind = SlipKind::Uplatnica;
    UplatnicaData uplatnica;
    ZorvatData zorvat;
    bool hub3aTab = false;
    Hub3aRecord hub3a;
    Calibration record;
};
