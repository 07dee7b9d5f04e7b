#pragma once

#include "model/Calibration.h"

#include <QDialog>

#include <array>
#include <memory>
#include <optional>

class PrintSource;
class PrinterDevice;
class QLineEdit;
class SettingsStore;

namespace Ui {
class TForm4;
}

// The calibration dialog "Kalibracija pisača": prints the test page on the current printer and
// keeps the six measured values per printer. Every activation loads the current printer's record
// into the main window and into the edits. Shown without blocking the program.
class TForm4 : public QDialog
{
    Q_OBJECT

public:
    TForm4(PrinterDevice &printer, const SettingsStore &store, PrintSource &source,
           QWidget *parent = nullptr);
    ~TForm4() override;

    // The record of a printer entry: the main window's record is set to the defaults and the
    // edits to "0", then both show the stored record when the printer has one. A record that
    // lacks a value shows the values it has (the rest "0" in the edits, defaults in the record)
    // and throws. The caption names the printer.
    void LoadCalibration(const QString &printerEntry);
    // Stores the six edits for a printer entry; an edit that is not a whole number, or a square
    // size of 0 mm or less, throws before anything is stored.
    void SaveCalibration(const QString &printerEntry);

    // The creator runs this once, after constructing the dialog, where it can report failures.
    void FormCreate();
    // The dialog comes to the front.
    void FormActivate();
    // "Započni kalibraciju pisača"
    void BitBtn1Click();
    // "Snimi"
    void BitBtn2Click();
    // "Otkaži"
    void BitBtn3Click();

protected:
    bool event(QEvent *event) override;
    void hideEvent(QHideEvent *event) override;

private:
    std::array<QLineEdit *, 6> edits() const;

    std::unique_ptr<Ui::TForm4> m_ui;
    PrinterDevice &m_printer;
    const SettingsStore &m_store;
    PrintSource &m_source;
    // The printer whose damaged record was reported since the dialog was last shown.
    std::optional<QString> m_damagedEntry;
};
