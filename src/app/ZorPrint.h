#pragma once

#include "FittedFonts.h"
#include "PartnerFields.h"
#include "SlipData.h"
#include "WindowServices.h"

#include <QMainWindow>

#include <array>
#include <memory>

class QTimer;
class PickPanel;
class QPainter;
class SlipControls;
class StatusPanels;

namespace Ui {
class TForm1;
}

// The main window: the two tabs with the entry fields of both slip records and their live
// pictures, the menu, the status-bar clock, the pick panel and the small default, pick and add buttons.
class TForm1 : public QMainWindow
{
    Q_OBJECT

public:
    explicit TForm1(const WindowServices &services, QWidget *parent = nullptr);
    ~TForm1() override;

    void setHooks(WindowHooks hooks);

    // What creating the window does at start-up: the defaults of both kinds, then the first printer
    // becomes current. Kept apart from the constructor so that its errors are shown in the error box
    // while the window itself still comes up.
    void FormCreate();

    // The kind of the active tab: what "Snimi kao" saves and the print dialog prints.
    SlipKind activeKind() const;
    UplatnicaData uplatnicaData() const;
    ZorvatData zorvatData() const;
    SlipControls &fields() const { return *m_fields; }

public slots:
    void Timer1Timer();
    void repaintUplatnica();
    void Edit3Change();
    void NalogodavacChange();
    void Racun1Change();
    void PaintBox1Paint(QPainter &painter);
    void PaintBox2Paint(QPainter &painter);
    void Button1Click();
    void Button4Click();
    void Button2Click();
    void Button3Click();
    void SpeedButton2Click();
    void SpeedButton4Click();
    void SpeedButton7Click();
    void SpeedButton9Click();
    void SpeedButton13Click();
    void SpeedButton1Click();
    void SpeedButton3Click();
    void SpeedButton6Click();
    void SpeedButton8Click();
    void SpeedButton12Click();
    void SpeedButton5Click();
    void SpeedButton10Click();
    void SpeedButton11Click();
    void Uplatnica1Click();
    void Zorvat1Click();
    void Uitaj1Click();
    void SaveUplatnicaExecute();
    void Ispii1Click();
    void Podaci2Click();
    void Izlazak1Click();

protected:
    void closeEvent(QCloseEvent *event) override;

private:
    void connectHandlers();
    void clearFields(SlipKind kind);
    void openPickPanel(const QWidget *button, PickTarget target);
    void addPartner(PickTarget group);

    std::unique_ptr<Ui::TForm1> m_ui;
    WindowServices m_services;
    WindowHooks m_hooks;
    std::unique_ptr<SlipControls> m_fields;
    std::unique_ptr<StatusPanels> m_statusPanels;
    PickPanel *m_pickPanel = nullptr;
    // Fonts fitted for each picture, kept from one repaint to the next.
    FittedFonts m_uplatnicaFonts;
    FittedFonts m_zorvatFonts;
    QTimer *Timer1 = nullptr;
};
