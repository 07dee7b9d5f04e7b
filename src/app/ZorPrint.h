#pragma once

#include "app/Hub3aSlipTab.h"
#include "app/PartnerFields.h"
#include "app/SlipFileCommands.h"
#include "app/WindowServices.h"
#include "model/SlipData.h"
#include "print/PrintSource.h"
#include "render/FittedFonts.h"
#include "ui/Defaults.h"

#include <QMainWindow>

#include <functional>
#include <memory>

class Hub3aTab;
class PaymentHints;
class PickPanel;
class QAction;
class QPainter;
class QTimer;
class SlipControls;
class StatusPanels;

namespace Ui {
class TForm1;
}

// The main window: the three tabs with the entry fields of the slip records (the two older forms
// and the HUB-3A slip) and their live pictures, the menu, the status-bar clock, the pick panel and the small
// default, pick and add buttons. It also holds the current printer calibration that the print jobs use.
class TForm1 : public QMainWindow, public PrintSource, public Hub3aSlipTab
{
    Q_OBJECT

public:
    explicit TForm1(const WindowServices &services, QWidget *parent = nullptr);
    ~TForm1() override;

    // Where the menu entries "Ispiši" and "Podaci" and the start-up's choice of printer lead.
    void setHooks(WindowHooks hooks);

    // What creating the window does at start-up: the defaults of every tab, then the first printer
    // becomes current. Apart from the constructor, so that an error it raises is shown in the error
    // box while the window itself still comes up.
    void FormCreate();

    // The kind of the active tab: what "Snimi kao" saves and the print dialog prints.
    FormKind activeKind() const override;
    UplatnicaData uplatnicaData() const override;
    ZorvatData zorvatData() const override;
    Hub3aRecord hub3aData() const override;
    bool confirmPrint(const QString &question) const override;
    Calibration calibration() const override { return m_calibration; }
    void setCalibration(const Calibration &calibration) override { m_calibration = calibration; }
    SlipControls &fields() const { return *m_fields; }
    Hub3aTab &hub3a() const { return *m_hub3a; }

    // Puts entry into the "Datoteka" menu, after "Ispiši".
    void addFileMenuEntry(QAction *entry);

    // Opens each saved form in turn as "Učitaj" opens a chosen file: the program's command line
    // and files dropped onto the window.
    void openFiles(const QStringList &paths);
    // Where openFiles hands PDFs and pictures of invoices, to be read for their barcodes.
    void setInvoiceReader(std::function<void(const QStringList &paths)> reader);
    // Sets the HUB-3A tab's record and brings the tab up.
    void showHub3aRecord(const Hub3aRecord &record) override;

public slots:
    // The status bar's clock ticks.
    void Timer1Timer();
    // Any payment slip field changes: its picture is drawn again.
    void repaintUplatnica();
    // Puts the focus in the first field of the active tab's tab order, so typing goes there.
    void focusFirstField();
    // The place and date are drawn on both forms.
    void repaintBothPreviews();
    // "Iznos (kn) :" of the payment slip changes.
    void Edit3Change() { repaintUplatnica(); }
    // "Nalogodavac:" changes.
    void NalogodavacChange();
    // "Broj računa :" of the transfer order's payer changes.
    void Racun1Change() { NalogodavacChange(); }
    // The payment slip's picture.
    void PaintBox1Paint(QPainter &painter);
    // The transfer order's picture.
    void PaintBox2Paint(QPainter &painter);

    // "Obriši polja" on the payment slip tab.
    void Button1Click() { clearFields(SlipKind::Uplatnica); }
    // "Obriši polja" on the transfer order tab.
    void Button4Click() { clearFields(SlipKind::Zorvat); }
    // "Default" on the payment slip tab.
    void Button2Click() { loadDefaults(SlipKind::Uplatnica); }
    // "Default" on the transfer order tab.
    void Button3Click() { loadDefaults(SlipKind::Zorvat); }
    // "Obriši polja" on the HUB-3A tab.
    void Hub3aClearClick();
    // "Default" on the HUB-3A tab.
    void Hub3aLoadDefaultsClick();
    // "Postavi kao default vrijednost" by the HUB-3A slip's payer.
    void Hub3aStorePayerDefaultsClick() { storeDefaults(DefaultGroup::Hub3aPayer); }
    // "Izbor iz podataka u bazi" by the HUB-3A slip's recipient.
    void Hub3aPickRecipientClick() { openPickPanel(PickTarget::Hub3aRecipient); }
    // "Postavi kao default vrijednost" by the payment slip's payer.
    void SpeedButton2Click() { storeDefaults(DefaultGroup::UplatnicaPayer); }
    // "Postavi kao default vrijednost" by the payment slip's recipient.
    void SpeedButton4Click() { storeDefaults(DefaultGroup::UplatnicaRecipient); }
    // "Postavi kao default vrijednost" by the transfer order's payer.
    void SpeedButton7Click() { storeDefaults(DefaultGroup::ZorvatPayer); }
    // "Postavi kao default vrijednost" by the transfer order's recipient.
    void SpeedButton9Click() { storeDefaults(DefaultGroup::ZorvatRecipient); }
    // "Postavi kao default vrijednost" by the transfer order's codes.
    void SpeedButton13Click() { storeDefaults(DefaultGroup::ZorvatCodes); }
    // "Izbor iz podataka u bazi" by the payment slip's payer.
    void SpeedButton1Click() { openPickPanel(PickTarget::UplatnicaPayer); }
    // "Izbor iz podataka u bazi" by the payment slip's recipient.
    void SpeedButton3Click() { openPickPanel(PickTarget::UplatnicaRecipient); }
    // "Izbor iz podataka u bazi" by the transfer order's payer.
    void SpeedButton6Click() { openPickPanel(PickTarget::ZorvatPayer); }
    // "Izbor iz podataka u bazi" by the transfer order's recipient.
    void SpeedButton8Click() { openPickPanel(PickTarget::ZorvatRecipient); }
    // The pick list's accept button.
    void SpeedButton12Click();
    // "Dodaj primatelja u bazu" on the payment slip tab.
    void SpeedButton5Click() { addPartner(PickTarget::UplatnicaRecipient); }
    // "Dodaj primatelja u bazu" on the transfer order tab.
    void SpeedButton10Click() { addPartner(PickTarget::ZorvatRecipient); }
    // The transfer order payer's add button, without a hint.
    void SpeedButton11Click() { addPartner(PickTarget::ZorvatPayer); }

    // "Novo" > "Uplatnica"
    void Uplatnica1Click() { newForm(SlipKind::Uplatnica); }
    // "Novo" > "Zorvat"
    void Zorvat1Click() { newForm(SlipKind::Zorvat); }
    // "Novo" > "HUB-3A"
    void NewHub3aClick();
    // "Prenesi u HUB-3A": the active older form's data into the HUB-3A tab, which comes up.
    void TransferToHub3aClick();
    // "Učitaj"
    void Uitaj1Click();
    // "Snimi kao"
    void SaveUplatnicaExecute();
    // "Ispiši"
    void Ispii1Click() { runHook(m_hooks.showPrintDialog); }
    // "Podaci"
    void Podaci2Click() { runHook(m_hooks.showPartnerDialog); }
    // "Izlazak"
    void Izlazak1Click() { close(); }

protected:
    void showEvent(QShowEvent *event) override;
    void closeEvent(QCloseEvent *event) override;

private:
    void setUpControls();
    void connectHandlers();
    void clearFields(SlipKind kind);
    void loadDefaults(SlipKind kind);
    void storeDefaults(DefaultGroup group);
    void newForm(SlipKind kind);
    void showLoaded(SlipFileCommands::Loaded loaded);
    void showStatus(const QString &text);
    void openPickPanel(PickTarget target);
    void addPartner(PickTarget group);
    static void runHook(const std::function<void()> &hook);

    std::unique_ptr<Ui::TForm1> m_ui;
    WindowServices m_services;
    WindowHooks m_hooks;
    std::unique_ptr<SlipControls> m_fields;
    std::unique_ptr<StatusPanels> m_statusPanels;
    std::unique_ptr<PaymentHints> m_paymentHints; // after the panels it writes to, so it goes first
    Hub3aTab *m_hub3a = nullptr;
    std::function<void(const QStringList &)> m_invoiceReader;
    PickPanel *m_pickPanel = nullptr;
    // Fonts fitted for each picture, kept from one repaint to the next.
    FittedFonts m_uplatnicaFonts;
    FittedFonts m_zorvatFonts;
    Calibration m_calibration;
    QTimer *Timer1 = nullptr;
};
