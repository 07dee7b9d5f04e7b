#include "PrnCalibrate.h"

#include "ui_PrnCalibrate.h"

#include "CalibrationPage.h"
#include "FormFrame.h"
#include "HandlerErrors.h"
#include "PrintSource.h"
#include "PrinterDevice.h"
#include "SettingsStore.h"
#include "WholeNumber.h"
#include "WindowFont.h"

#include <QEvent>

namespace {

// The record's fields in the order of the edits Edit1 to Edit6.
constexpr std::array<qint32 Calibration::*, 6> editFields = {
    &Calibration::RectWidth, &Calibration::RectHeight, &Calibration::Left,
    &Calibration::Right,     &Calibration::Top,        &Calibration::Bottom,
};

bool hasStoredRecord(const SettingsStore &store, const QString &printerEntry)
{
    return store.OpenKey(calibrationKeyPath(printerEntry), false, KeyAccess::Read).has_value();
}

} // namespace

TForm4::TForm4(PrinterDevice &printer, const SettingsStore &store, PrintSource &source, QWidget *parent)
    : QDialog(parent), m_ui(std::make_unique<Ui::TForm4>()), m_printer(printer), m_store(store),
      m_source(source)
{
    setFont(windowFont());
    m_ui->setupUi(this);
    setFixedSize(size());
    connectHandler(m_ui->BitBtn1, &QPushButton::clicked, this, &TForm4::BitBtn1Click);
    connectHandler(m_ui->BitBtn2, &QPushButton::clicked, this, &TForm4::BitBtn2Click);
    connectHandler(m_ui->BitBtn3, &QPushButton::clicked, this, &TForm4::BitBtn3Click);
}

TForm4::~TForm4() = default;

std::array<QLineEdit *, 6> TForm4::edits() const
{
    return {m_ui->Edit1, m_ui->Edit2, m_ui->Edit3, m_ui->Edit4, m_ui->Edit5, m_ui->Edit6};
}

void TForm4::LoadCalibration(const QString &printerEntry)
{
    m_source.setCalibration(Calibration{});
    for (QLineEdit *edit : edits())
        edit->setText(QStringLiteral("0"));
    if (!hasStoredRecord(m_store, printerEntry))
        return;
    const Calibration stored = readStoredCalibration(m_store, printerEntry);
    m_source.setCalibration(stored);
    for (std::size_t i = 0; i < editFields.size(); ++i)
        edits()[i]->setText(QString::number(stored.*editFields[i]));
}

void TForm4::SaveCalibration(const QString &printerEntry)
{
    Calibration measured;
    for (std::size_t i = 0; i < editFields.size(); ++i)
        measured.*editFields[i] = StrToInt(edits()[i]->text());
    // The same check the print jobs make: a square of 0 mm or less gives no print frame.
    FormFrame::print(measured.RectWidth, measured.RectHeight, false, 0, 0);
    storeCalibration(m_store, printerEntry, measured);
}

void TForm4::FormCreate()
{
    LoadCalibration(currentPrinterEntry(m_printer));
}

void TForm4::FormActivate()
{
    LoadCalibration(currentPrinterEntry(m_printer));
}

void TForm4::BitBtn1Click()
{
    PrintCalibrationPage(m_printer);
}

void TForm4::BitBtn2Click()
{
    SaveCalibration(currentPrinterEntry(m_printer));
    hide();
}

void TForm4::BitBtn3Click()
{
    hide();
}

bool TForm4::event(QEvent *event)
{
    const bool handled = QDialog::event(event);
    if (event->type() == QEvent::WindowActivate)
        FormActivate();
    return handled;
}
