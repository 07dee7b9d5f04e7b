#pragma once

#include "print/PrintSource.h"

#include <QStringList>

// The main window's side of printing: a chosen tab, fixed records and the calibration record.
class FakePrintSource : public PrintSource
{
public:
    FormKind activeKind() const override { return kind; }
    UplatnicaData uplatnicaData() const override { return uplatnica; }
    ZorvatData zorvatData() const override { return zorvat; }
    Hub3aRecord hub3aData() const override { return hub3a; }
    bool confirmPrint(const QString &question) const override
    {
        questions.append(question);
        return printAnyway;
    }
    Calibration calibration() const override { return record; }
    void setCalibration(const Calibration &calibration) override { record = calibration; }

    FormKind kind = FormKind::Uplatnica;
    UplatnicaData uplatnica;
    ZorvatData zorvat;
    Hub3aRecord hub3a;
    Calibration record;
    bool printAnyway = false;      // the answer to every question before printing
    mutable QStringList questions; // the questions asked
};
