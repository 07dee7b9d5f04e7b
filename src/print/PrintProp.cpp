#include "print/PrintProp.h"

#include "ui_PrintProp.h"

#include "model/PrintOffsets.h"
#include "model/UserError.h"
#include "model/WholeNumber.h"
#include "print/PrintJobs.h"
#include "print/PrintSource.h"
#include "print/PrinterDevice.h"
#include "print/PrnCalibrate.h"
#include "render/FormFrame.h"
#include "ui/HandlerErrors.h"
#include "ui/WindowFont.h"

#include <QEvent>

namespace {

// The store's name for the HUB-3A slip's place on the sheet, kept as its index.
const QString slipPlaceName = QStringLiteral("Hub3aSlipPlace");

// An offset edit's value; text that is no whole number counts as 0.
qint32 offsetOf(const QLineEdit *edit)
{
    try {
        return StrToInt(edit->text());
    } catch (const UserError &) {
        return 0;
    }
}

} // namespace

TForm3::TForm3(PrinterDevice &printer, const SettingsStore &store, PrintSource &source, TForm4 &calibration,
               QWidget *parent)
    : QDialog(parent), m_ui(std::make_unique<Ui::TForm3>()), m_printer(printer), m_store(store),
      m_source(source), m_calibration(calibration)
{
    setFont(windowFont());
    m_ui->setupUi(this);
    setFixedSize(size());
    // The boxes show the offsets the jobs will use, filled before their change handler is set.
    try {
        const PrintOffsets stored = ReadPrintOffsets(m_store);
        m_ui->Edit1->setText(QString::number(stored.dX));
        m_ui->Edit2->setText(QString::number(stored.dY));
    } catch (const UserError &) {
        // A stored offset of another type: the boxes keep "0", as the jobs then report.
    }
    // The remembered place, read before its change handler is set; anything else keeps the top.
    try {
        const int place = m_store.ReadSetting(slipPlaceName).toInt();
        if (place > 0 && place < m_ui->PlaceOnSheet->count())
            m_ui->PlaceOnSheet->setCurrentIndex(place);
    } catch (const UserError &) {
    }
    showControlsOfActiveForm();
    connectHandler(m_ui->BitBtn1, &QPushButton::clicked, this, &TForm3::BitBtn1Click);
    connectHandler(m_ui->BitBtn2, &QPushButton::clicked, this, &TForm3::BitBtn2Click);
    connectHandler(m_ui->BitBtn3, &QPushButton::clicked, this, &TForm3::BitBtn3Click);
    connectHandler(m_ui->BitBtn4, &QPushButton::clicked, this, &TForm3::BitBtn4Click);
    connectHandler(m_ui->Edit1, &QLineEdit::textChanged, this, &TForm3::Edit1Change);
    connectHandler(m_ui->Edit2, &QLineEdit::textChanged, this, &TForm3::Edit1Change);
    connectHandler(m_ui->PlaceOnSheet, &QComboBox::currentIndexChanged, this, &TForm3::PlaceOnSheetChange);
}

TForm3::~TForm3() = default;

int TForm3::chosenPrinterIndex() const
{
    const QComboBox *box = m_ui->ComboBox1;
    const int index = box->currentIndex();
    return index >= 0 && box->currentText() == box->itemText(index) ? index : -1;
}

void TForm3::makeChosenPrinterCurrent()
{
    m_printer.setPrinterIndex(chosenPrinterIndex());
}

std::optional<PrintMode> TForm3::chosenMode() const
{
    const struct
    {
        const QRadioButton *button;
        PrintMode mode;
    } modes[] = {
        {m_ui->RadioButton1, PrintMode::Complete},
        {m_ui->RadioButton2, PrintMode::Template},
        {m_ui->RadioButton3, PrintMode::DataOnly},
    };
    for (const auto &choice : modes) {
        if (choice.button->isChecked())
            return choice.mode;
    }
    return std::nullopt;
}

void TForm3::showControlsOfActiveForm()
{
    // The HUB-3A slip is placed on a sheet of three and has no perforation shift.
    const bool hub3a = m_source.activeKind() == FormKind::Hub3a;
    m_ui->PlaceOnSheetLabel->setVisible(hub3a);
    m_ui->PlaceOnSheet->setVisible(hub3a);
    m_ui->PlaceOnSheet->setEnabled(hub3a);
    m_ui->CheckBox1->setEnabled(!hub3a);
}

void TForm3::FormActivate()
{
    showControlsOfActiveForm();
    // A spooler that did not answer is asked again only at the next opening, so that clicks
    // into the dialog do not each wait for it.
    if (m_spoolerSilent)
        return;
    try {
        m_printer.Refresh();
    } catch (const UserError &) {
        m_spoolerSilent = true;
        throw;
    }
    m_ui->ComboBox1->clear();
    m_ui->ComboBox1->addItems(m_printer.Printers());
    m_ui->ComboBox1->setCurrentIndex(m_printer.PrinterIndex());
}

void TForm3::BitBtn1Click()
{
    makeChosenPrinterCurrent();
    m_printer.showSetupDialog(this);
}

void TForm3::BitBtn2Click()
{
    makeChosenPrinterCurrent();
    m_calibration.LoadCalibration(currentPrinterEntry(m_printer));
    if (const std::optional<PrintMode> mode = chosenMode()) {
        const bool perforation = m_ui->CheckBox1->isChecked();
        switch (m_source.activeKind()) {
        case FormKind::Uplatnica:
            PrintUplatnica(m_printer, m_store, m_source, *mode, perforation);
            break;
        case FormKind::Zorvat:
            PrintZorvat(m_printer, m_store, m_source, *mode, perforation);
            break;
        case FormKind::Hub3a: {
            const Hub3aRecord slip = m_source.hub3aData();
            if (beforeHub3aPrint && !beforeHub3aPrint(slip))
                break;
            PrintHub3a(m_printer, m_store, m_source, *mode,
                       static_cast<SlipPlace>(m_ui->PlaceOnSheet->currentIndex()));
            if (afterHub3aPrint)
                afterHub3aPrint(slip, currentPrinterEntry(m_printer));
            break;
        }
        }
    }
    hide();
}

void TForm3::BitBtn3Click()
{
    hide();
}

void TForm3::BitBtn4Click()
{
    makeChosenPrinterCurrent();
    m_calibration.show();
    m_calibration.raise();
    m_calibration.activateWindow();
}

void TForm3::Edit1Change()
{
    const PrintOffsets offsets{offsetOf(m_ui->Edit1), offsetOf(m_ui->Edit2)};
    // An offset that would carry the form beyond the page's coordinates is refused here as a print
    // would refuse it, at the default calibration; the stored offsets stay as they were.
    const Calibration standard;
    FormFrame::print(standard.RectWidth, standard.RectHeight, true, offsets.dX, offsets.dY);
    WritePrintOffsets(m_store, offsets);
}

void TForm3::PlaceOnSheetChange()
{
    m_store.WriteSetting(slipPlaceName, QString::number(m_ui->PlaceOnSheet->currentIndex()));
}

void TForm3::hideEvent(QHideEvent *event)
{
    m_spoolerSilent = false;
    QDialog::hideEvent(event);
}

bool TForm3::event(QEvent *event)
{
    const bool handled = QDialog::event(event);
    if (event->type() == QEvent::WindowActivate)
        FormActivate();
    return handled;
}
