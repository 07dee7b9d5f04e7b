#pragma once

#include "Defaults.h"
#include "FittedFonts.h"
#include "PartnerFields.h"
#include "PrintSource.h"
#include "SlipData.h"
#include "WindowServices.h"

#include <QMainWindow>

#include <memory>

class PaymentHints;
class PickPanel;
class QPainter;
class QTimer;
class SlipControls;
class StatusPanels;

namespace Ui {
class TForm1;
}

// The main window: the two tabs with the entry fields of both slip records and their live
// pictures, the menu, the status-bar clock, the pick panel and the small default, pick and add buttons.
// It also holds the current printer calibration that the print jobs use.
class TForm1 : public QMainWindow, public PrintSource
{
    Q_OBJECT

public:
    explicit TForm1(const WindowServices &services, QWidget *parent = nullptr);
    ~TForm1() override;

    // Where the menu entries "Ispiši" and "Podaci" and the start-up's choice of printer lead.
    void setHooks(WindowHooks hooks);

    // What creating the window does at start-up: the defaults of both kinds, then the first printer
    // becomes current. Apart from the constructor, so that an error it raises is shown in the error
    // box while the window itself still comes up.
    void FormCreate();

    // The kind of the active tab: what "Snimi kao" saves and the print dialog prints.
    SlipKind activeKind() const override;
    UplatnicaData uplatnicaData() const override;
    ZorvatData zorvatData() const override;
    Calibration calibration() const override { return m_calibration; }
    void setCalibration(const Calibration &calibration) override { m_calibration = calibration; }
    SlipControls &fields() const { return *m_fields; }

    // Opens each saved form in turn as "Učitaj" opens a chosen file: the program's command line
    // and files dropped onto the window.
    void openFiles(const QStringList &paths);

public slots:
    void Timer1Timer();
    void repaintUplatnica();
    // Puts the focus in the first field of the active tab's tab order, so typing goes there.
    void focusFirstField();
    // The place and date are drawn on both forms.
    void repaintBothPreviews();
    void Edit3Change() { repaintUplatnica(); }
    void NalogodavacChange();
    void Racun1Change() { NalogodavacChange(); }
    void PaintBox1Paint(QPainter &painter);
    void PaintBox2Paint(QPainter &painter);

    void Button1Click() { clearFields(SlipKind::Uplatnica); }
    void Button4Click() { clearFields(SlipKind::Zorvat); }
    void Button2Click() { loadDefaults(SlipKind::Uplatnica); }
    void Button3Click() { loadDefaults(SlipKind::Zorvat); }
    void SpeedButton2Click() { storeDefaults(DefaultGroup::UplatnicaPayer); }
    void SpeedButton4Click() { storeDefaults(DefaultGroup::UplatnicaRecipient); }
    void SpeedButton7Click() { storeDefaults(DefaultGroup::ZorvatPayer); }
    void SpeedButton9Click() { storeDefaults(DefaultGroup::ZorvatRecipient); }
    void SpeedButton13Click() { storeDefaults(DefaultGroup::ZorvatCodes); }
    void SpeedButton1Click() { openPickPanel(PickTarget::UplatnicaPayer); }
    void SpeedButton3Click() { openPickPanel(PickTarget::UplatnicaRecipient); }
    void SpeedButton6Click() { openPickPanel(PickTarget::ZorvatPayer); }
    void SpeedButton8Click() { openPickPanel(PickTarget::ZorvatRecipient); }
    void SpeedButton12Click();
    void SpeedButton5Click() { addPartner(PickTarget::UplatnicaRecipient); }
    void SpeedButton10Click() { addPartner(PickTarget::ZorvatRecipient); }
    void SpeedButton11Click() { addPartner(PickTarget::ZorvatPayer); }

    void Uplatnica1Click() { newForm(SlipKind::Uplatnica); }
    void Zorvat1Click() { newForm(SlipKind::Zorvat); }
    void Uitaj1Click();
    void SaveUplatnicaExecute();
    void Ispii1Click() { runHook(m_hooks.showPrintDialog); }
    void Podaci2Click() { runHook(m_hooks.showPartnerDialog); }
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
    void openPickPanel(PickTarget target);
    void addPartner(PickTarget group);
    static void runHook(const std::function<void()> &hook);

    std::unique_ptr<Ui::TForm1> m_ui;
    WindowServices m_services;
    WindowHooks m_hooks;
    std::unique_ptr<SlipControls> m_fields;
    std::unique_ptr<StatusPanels> m_statusPanels;
    std::unique_ptr<PaymentHints> m_paymentHints; // after the panels it writes to, so it goes first
    PickPanel *m_pickPanel = nullptr;
    // Fonts fitted for each picture, kept from one repaint to the next.
    FittedFonts m_uplatnicaFonts{FittedFonts::Widths::Proportional};
    FittedFonts m_zorvatFonts{FittedFonts::Widths::Proportional};
    Calibration m_calibration;
    QTimer *Timer1 = nullptr;
};
