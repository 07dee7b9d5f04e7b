#include "print/PrnCalibrate.h"

#include "ui_PrnCalibrate.h"

#include "model/SettingsStore.h"
#include "model/UserError.h"
#include "model/WholeNumber.h"
#include "print/CalibrationPage.h"
#include "print/PrintFrame.h"
#include "print/PrintSource.h"
#include "print/PrinterDevice.h"
#include "ui/HandlerErrors.h"
#include "ui/WindowFont.h"

#include <QEvent>

namespace {

// The record's fields in the order of the edits Edit1 to Edit6.
constexpr std::array<qint32 Calibration::*, 6> editFields = {
    &Calibration::RectWidth, &Calibration::RectHeight, &Calibration::Left,
    &Calibration::Right,     &Calibration::Top,        &Calibration::Bottom,
};

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
    const QString caption = QStringLiteral("Kalibracija pisača");
    setWindowTitle(printerEntry.isEmpty() ? caption : caption + QStringLiteral(" - ") + printerEntry);
    m_source.setCalibration(Calibration{});
    for (QLineEdit *edit : edits())
        edit->setText(QStringLiteral("0"));
    const StoredCalibration stored = readCalibrationRecord(m_store, printerEntry);
    if (!stored.exists)
        return;
    // A damaged record shows what could be read, so that the user can complete it and save.
    for (std::size_t i = 0; i < stored.values.size(); ++i) {
        if (stored.values[i])
            edits()[i]->setText(QString::number(*stored.values[i]));
    }
    if (!stored.error.isEmpty()) {
        m_source.setCalibration(stored.withDefaults());
        throw UserError(stored.error);
    }
    m_source.setCalibration(readStoredCalibration(m_store, printerEntry));
}

void TForm4::SaveCalibration(const QString &printerEntry)
{
    Calibration measured;
    for (std::size_t i = 0; i < editFields.size(); ++i)
        measured.*editFields[i] = StrToInt(edits()[i]->text());
    // The same check the print jobs make, before anything is stored.
    printFrame(measured, false, 0, 0);
    storeCalibration(m_store, printerEntry, measured);
}

void TForm4::FormCreate()
{
    LoadCalibration(currentPrinterEntry(m_printer));
}

void TForm4::FormActivate()
{
    const QString entry = currentPrinterEntry(m_printer);
    // A damaged record is reported once while the dialog is open; later activations keep what the
    // user is typing to repair it.
    if (m_damagedEntry == entry)
        return;
    try {
        LoadCalibration(entry);
    } catch (const UserError &) {
        m_damagedEntry = entry;
        throw;
    }
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

void TForm4::hideEvent(QHideEvent *event)
{
    m_damagedEntry.reset();
    QDialog::hideEvent(event);
}

bool TForm4::event(QEvent *event)
{
    const bool handled = QDialog::event(event);
    if (event->type() == QEvent::WindowActivate)
        FormActivate();
    return handled;
}
