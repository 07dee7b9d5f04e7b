#pragma once

#include "model/Hub3aRecord.h"
#include "render/LayoutStyle.h"

#include <QDialog>

#include <functional>

#include <memory>
#include <optional>

class PrintSource;
class PrinterDevice;
class SettingsStore;
class TForm4;

namespace Ui {
class TForm3;
}

// The print dialog "Ispis na pisač": the printer, the mode, the perforation and the two offsets,
// the HUB-3A slip's place on an A4 sheet of three (shown only while the HUB-3A tab is active),
// and "Ispiši" for the form of the main window's active tab. Shown without blocking the program;
// "Ispiši" and "Otkaži" hide it.
class TForm3 : public QDialog
{
    Q_OBJECT

public:
    TForm3(PrinterDevice &printer, const SettingsStore &store, PrintSource &source, TForm4 &calibration,
           QWidget *parent = nullptr);
    ~TForm3() override;

    // The dialog comes to the front.
    void FormActivate();
    // "Postavke"
    void BitBtn1Click();
    // "Ispiši"
    void BitBtn2Click();
    // "Otkaži"
    void BitBtn3Click();
    // "Kalibracija pisača"
    void BitBtn4Click();
    // "Pomak X :" and "Pomak Y :" change.
    void Edit1Change();
    // "Položaj na listu A4:" changes: the choice is remembered for the next run.
    void PlaceOnSheetChange();

    // Asked before "Ispiši" prints the HUB-3A slip (false: it is not printed), and told once it was,
    // with the printer: the payments book's look-up and record, which the program sets.
    std::function<bool(const Hub3aRecord &slip)> beforeHub3aPrint;
    std::function<void(const Hub3aRecord &slip, const QString &printer)> afterHub3aPrint;

protected:
    bool event(QEvent *event) override;
    void hideEvent(QHideEvent *event) override;

private:
    // The printer box's choice: its index, or -1 when the user typed into the box instead.
    int chosenPrinterIndex() const;
    void makeChosenPrinterCurrent();
    // The print mode of the selected radio button; nothing for the printer-command mode.
    std::optional<PrintMode> chosenMode() const;
    // Shows the controls of the form the main window's active tab holds.
    void showControlsOfActiveForm();

    std::unique_ptr<Ui::TForm3> m_ui;
    PrinterDevice &m_printer;
    const SettingsStore &m_store;
    PrintSource &m_source;
    TForm4 &m_calibration;
    bool m_spoolerSilent = false; // the printer list went unanswered since the dialog was shown
};
