#include "app/BatchSlips.h"

#include "app/BatchOutputDialog.h"
#include "app/BatchProgressDialog.h"
#include "app/OffThread.h"
#include "app/BatchReportDialog.h"
#include "bankfile/BankOrders.h"
#include "batch/BatchBase.h"
#include "batch/PartnerOrders.h"
#include "batch/PartnerSlips.h"
#include "batch/SlipBatchPdf.h"
#include "batch/SlipBatchPrint.h"
#include "book/BookedSlips.h"
#include "book/PaymentBook.h"
#include "model/Calibration.h"
#include "model/Hub3aRules.h"
#include "model/PrintOffsets.h"
#include "model/TextFile.h"
#include "model/UserError.h"
#include "print/PlatformPrinter.h"
#include "print/PrintSource.h"
#include "print/PrinterDevice.h"
#include "ui/HandlerErrors.h"
#include "ui/UserDialogs.h"
#include "ui/WindowFont.h"

#include <QAction>
#include <QFileInfo>
#include <QMainWindow>
#include <QMessageBox>
#include <QPushButton>
#include <QSet>

#include <algorithm>

namespace {

// The rows of problems, which left no slip.
QSet<int> rowsOf(const QList<RowProblem> &problems)
{
    QSet<int> rows;
    for (const RowProblem &problem : problems)
        rows.insert(problem.row);
    return rows;
}

} // namespace

BatchSlips::BatchSlips(QMainWindow &window, const PrintSource &source, UserDialogs &dialogs,
                       PrinterDevice &printer, const SettingsStore &store)
    : m_window(window), m_source(source), m_dialogs(dialogs), m_printer(printer), m_store(store)
{
    showReport = [this](const QList<RowProblem> &problems, int validSlips, bool beforeOutput) {
        BatchReportDialog report(problems, validSlips,
                                 beforeOutput ? BatchReportDialog::Kind::AskBeforeOutput
                                              : BatchReportDialog::Kind::TellAfterOutput,
                                 m_dialogs, &m_window, static_cast<bool>(saveBankFile));
        return report.exec();
    };
    askOutput = [this]() -> std::optional<BatchOutput> {
        QString current;
        try {
            m_printer.Refresh();
            current = currentPrinterEntry(m_printer);
        } catch (const UserError &) {
            // no printer
        }
        BatchOutputDialog output(batchPrinters(), current, &m_window, static_cast<bool>(saveBankFile),
                                 m_fromTab);
        if (output.exec() != QDialog::Accepted)
            return std::nullopt;
        return output.output();
    };
    m_menuEntry = new QAction(QStringLiteral("Uplatnice iz &tablice..."), &m_window);
    m_menuEntry->setObjectName(QStringLiteral("SlipsFromTable"));
    connectHandler(m_menuEntry, &QAction::triggered, this, &BatchSlips::slipsFromTableFile);
    offerSavingUnprinted = [this](const QString &summary) {
        QMessageBox box(QMessageBox::Information, QStringLiteral("Ispis uplatnica"), summary,
                        QMessageBox::NoButton, &m_window);
        box.setFont(windowFont());
        QPushButton *save = box.addButton(QStringLiteral("Spremi neispisane..."), QMessageBox::AcceptRole);
        box.addButton(QStringLiteral("Zatvori"), QMessageBox::RejectRole);
        box.exec();
        return box.clickedButton() == save;
    };
}

void BatchSlips::slipsFromTableFile()
{
    const std::optional<QString> path = m_dialogs.getOpenFileName(QStringLiteral("Uplatnice iz tablice"));
    if (!path)
        return;
    const auto naming = [&path](const UserError &e) {
        return UserError(QStringLiteral("%1: %2").arg(QFileInfo(*path).fileName(), e.text()));
    };
    // The rows are checked without the tab's execution date and urgency; the clerk is asked about
    // them once the table's columns are known.
    Hub3aRecord base = m_source.hub3aData();
    for (const Hub3aField field : {Hub3aField::ExecutionDate, Hub3aField::Urgent})
        base.texts[static_cast<size_t>(field)].clear();
    const QDate today = this->today();
    std::optional<Hub3aTableCheck> check;
    try {
        check = checkTable(*path, base, today);
    } catch (const UserError &e) {
        throw naming(e);
    }
    if (!check)
        return;
    if (check->baseMissing.isEmpty())
        base = tabBase(check->columns, QStringLiteral("uplatnice iz tablice"));
    requireNamedRecipientWhole(check->baseMissing, check->columns);
    const std::optional<BatchOutput> output = chooseOutput(
        check->baseMissing, check->problems, check->validSlips, fieldsFromBase(base, check->columns));
    if (!output)
        return;
    // The table is read again as its slips are output: a long one is never held whole.
    SlipSource slips;
    try {
        slips = hub3aTableSlips(*path, base, today);
    } catch (const UserError &e) {
        throw naming(e);
    }
    if (output->toPrinter || (output->toBank && saveBankFile)) {
        QList<NumberedSlip> list; // a print job holds its pages whole anyway, as a bank file its orders
        while (std::optional<NumberedSlip> slip = slips())
            list.append(std::move(*slip));
        if (output->toBank)
            saveBankFile(list, check->problems);
        else
            print(list, output->pdf.mode, output->printer);
    } else {
        writePdfFrom(slips, check->validSlips, output->pdf);
    }
}

std::optional<Hub3aTableCheck> BatchSlips::checkTable(const QString &path, const Hub3aRecord &base,
                                                      const QDate &today)
{
    const WaitLook look{QStringLiteral("Uplatnice"), [](const WorkProgress &progress) {
                            return QStringLiteral("Provjera tablice: %1 %").arg(progress.perMille() / 10);
                        }};
    std::optional<Hub3aTableCheck> result = runOffThread(
        &m_window, look,
        [&](WorkProgress &progress) {
            return checkHub3aTableFile(path, base, {{}, progress.progressHook(), progress.cancelHook()}, today);
        },
        whileReading);
    if (!result || result->cancelled)
        return std::nullopt;
    return result;
}

void BatchSlips::slipsForPartners(const QStringList &entries)
{
    if (entries.isEmpty())
        throw UserError(QStringLiteral("Nijedan partner nije odabran"));
    const Hub3aRecord base = tabBase(hub3aPayerFields(), QStringLiteral("uplatnice odabranih partnera"));
    writeSlips(partnerSlips(entries, base), entries, fieldsFromBase(base, hub3aPayerFields()));
}

Hub3aRecord BatchSlips::tabBase(const QList<Hub3aField> &columns, const QString &slips)
{
    using F = Hub3aField;
    Hub3aRecord base = m_source.hub3aData();
    const QString date = columns.contains(F::ExecutionDate) ? QString() : base[F::ExecutionDate];
    const bool urgent = !columns.contains(F::Urgent) && !base[F::Urgent].isEmpty();
    QStringList offered;
    if (!date.isEmpty())
        offered.append(QStringLiteral("datum izvršenja %1")
                           .arg(QDate::fromString(date, QStringLiteral("ddMMyyyy"))
                                    .toString(QStringLiteral("dd.MM.yyyy."))));
    if (urgent)
        offered.append(QStringLiteral("oznaku „Hitno”"));
    const bool taken =
        !offered.isEmpty() && m_dialogs.askYesNo(QStringLiteral("HUB-3A kartica ima %1. Uzeti to i za %2?")
                                                     .arg(offered.join(QStringLiteral(" i ")), slips));
    if (!taken) {
        base.texts[static_cast<size_t>(F::ExecutionDate)].clear();
        base.texts[static_cast<size_t>(F::Urgent)].clear();
    } else if (const QString wrong = hub3aFieldProblem(F::ExecutionDate, date);
               !date.isEmpty() && !wrong.isEmpty()) {
        throw UserError(wrong + QStringLiteral(" (HUB-3A kartica)"));
    } else if (const QString past = pastExecutionDateProblem(date, today()); !past.isEmpty()) {
        throw UserError(past + QStringLiteral(" (HUB-3A kartica)"));
    }
    m_dateAndUrgency = base;
    return base;
}

void BatchSlips::writeBankFile(const Hub3aTable &table, const QStringList &entries)
{
    if (entries.isEmpty()) {
        saveBankFile(table.slips, table.problems);
        return;
    }
    // The tab's payer pays the partners, on the date and with the urgency decided for their slips.
    Hub3aRecord base = m_source.hub3aData();
    for (const Hub3aField field : {Hub3aField::ExecutionDate, Hub3aField::Urgent})
        base.texts[static_cast<size_t>(field)] = m_dateAndUrgency[field];
    const Hub3aTable orders = partnerOrders(entries, base);
    if (!orders.baseMissing.isEmpty())
        throw UserError(QStringLiteral("HUB-3A kartica nema iznosa (upišite ga na kartici):\n") +
                        hub3aProblemsText(orders.baseMissing));
    saveBankFile(orders.slips, orders.problems);
}

void BatchSlips::requireNamedRecipientWhole(const QList<Hub3aProblem> &baseMissing,
                                            const QList<Hub3aField> &columns)
{
    if (!columns.contains(Hub3aField::RecipientName))
        return;
    QStringList lacking;
    for (const Hub3aProblem &missing : baseMissing) {
        if (hub3aRecipientFields().contains(missing.field))
            lacking.append(hub3aColumn(missing.field));
    }
    if (!lacking.isEmpty())
        throw UserError(QStringLiteral("Tablica navodi primatelja, pa se on ne uzima s HUB-3A kartice; "
                                       "tablici nedostaje stupac %1")
                            .arg(lacking.join(QStringLiteral(", "))));
}

std::optional<BatchOutput> BatchSlips::chooseOutput(const QList<Hub3aProblem> &baseMissing,
                                                    const QList<RowProblem> &problems, int validSlips,
                                                    const QList<Hub3aField> &fromTab)
{
    m_fromTab = hub3aFieldLabels(fromTab);
    if (!baseMissing.isEmpty()) {
        // Said once for the whole batch: every slip would lack what the tab lacks.
        const bool recipient = std::any_of(baseMissing.begin(), baseMissing.end(), [](const Hub3aProblem &p) {
            return p.field != Hub3aField::Amount;
        });
        throw UserError((recipient ? QStringLiteral("HUB-3A kartica nema primatelja")
                                   : QStringLiteral("HUB-3A kartica nema iznosa")) +
                        QStringLiteral(" (upišite ga na kartici ili u tablicu):\n") +
                        hub3aProblemsText(baseMissing));
    }
    if (!problems.isEmpty()) {
        const int choice = showReport(problems, validSlips, true);
        if (choice == BatchReportDialog::SaveBankFile && saveBankFile) {
            BatchOutput bank;
            bank.toBank = true;
            return bank;
        }
        if (choice != QDialog::Accepted)
            return std::nullopt;
    }
    if (validSlips == 0)
        return std::nullopt;
    return askOutput();
}

void BatchSlips::writeSlips(const Hub3aTable &table, const QStringList &entries,
                            const QList<Hub3aField> &fromTab)
{
    const std::optional<BatchOutput> output =
        chooseOutput(table.baseMissing, table.problems, static_cast<int>(table.slips.size()), fromTab);
    if (!output)
        return;
    if (output->toBank && saveBankFile)
        writeBankFile(table, entries);
    else if (output->toPrinter)
        print(table.slips, output->pdf.mode, output->printer);
    else
        writePdf(table.slips, output->pdf);
}

void BatchSlips::writePdf(const QList<NumberedSlip> &slips, const BatchPdfOptions &options)
{
    writePdfFrom(slipsOf(slips), static_cast<int>(slips.size()), options);
}

void BatchSlips::writePdfFrom(const SlipSource &slips, int count, const BatchPdfOptions &options)
{
    const std::optional<QString> chosen =
        m_dialogs.getSaveFileName(QStringLiteral("Spremi uplatnice kao PDF"), QStringLiteral("pdf"));
    if (!chosen)
        return;
    const QString &path = *chosen;
    // Each slip that goes into the PDF is recorded in the payments book; a book that cannot be
    // written stops the batch before its first slip.
    PaymentBook book(PaymentBook::defaultPath());
    QList<NumberedSlip> handed;
    const SlipSource recorded = [&]() -> std::optional<NumberedSlip> {
        std::optional<NumberedSlip> slip = slips();
        if (slip)
            handed.append(*slip);
        return slip;
    };
    BatchPdfResult result;
    {
        BatchProgressDialog progress(count, &m_window);
        progress.show();
        result = writeSlipPdf(path, recorded, count, options, progress.hooks());
    }
    if (!result.cancelled && result.written > 0)
        recordSlips(book, BankOrdersOf(handed), BookWay::Pdf, path, {}, rowsOf(result.refused));
    if (result.cancelled) {
        m_dialogs.showMessage(
            QStringLiteral("Prekinuto: PDF nije spremljen, nijedna uplatnica nije izdana."));
        return;
    }
    if (result.written == 0)
        m_dialogs.showMessage(QStringLiteral("Nijedan bar-kod se ne može pročitati: PDF nije spremljen."));
    else
        m_dialogs.showMessage(QStringLiteral("Spremljeno uplatnica: %1 u %2").arg(result.written).arg(path));
    if (!result.refused.isEmpty())
        showReport(result.refused, result.written, false);
}

void BatchSlips::print(const QList<NumberedSlip> &slips, PrintMode mode, const QString &printer)
{
    const qsizetype index = m_printer.Printers().indexOf(printer);
    if (index < 0)
        throw UserError(QStringLiteral("Pisača %1 nema na popisu pisača").arg(printer));
    m_printer.setPrinterIndex(static_cast<int>(index));
    const Hub3aPrintFrame frame =
        Hub3aPrintFrame::of(readStoredCalibration(m_store, printer), ReadPrintOffsets(m_store));
    if (const QString question = batchUnprintableQuestion(m_printer, frame, slips.size(), mode);
        !question.isEmpty() && !m_dialogs.askYesNo(question))
        return;
    PaymentBook book(PaymentBook::defaultPath());
    BatchPrintResult result;
    {
        BatchProgressDialog progress(static_cast<int>(slips.size()), &m_window);
        progress.show();
        result = printSlipBatch(m_printer, frame, slips, mode, progress.hooks());
    }
    if (result.sent > 0)
        recordSlips(book, BankOrdersOf(slips), BookWay::Printed, printer, {},
                    rowsOf(result.refused) + QSet<int>(result.unprinted.begin(), result.unprinted.end()));
    if (result.declined)
        return;
    const QString summary = batchPrintSummary(result, static_cast<int>(slips.size()));
    if (result.unprinted.isEmpty())
        m_dialogs.showMessage(summary);
    else if (offerSavingUnprinted(summary))
        saveUnprinted(slips, result.unprinted);
    if (!result.refused.isEmpty())
        showReport(result.refused, result.sent, false);
}

void BatchSlips::saveUnprinted(const QList<NumberedSlip> &slips, const QList<int> &rows)
{
    const std::optional<QString> chosen =
        m_dialogs.getSaveFileName(QStringLiteral("Spremi neispisane naloge"));
    if (!chosen)
        return;
    const QString path = QFileInfo(*chosen).suffix().isEmpty() ? *chosen + QStringLiteral(".csv") : *chosen;
    const QSet<int> wanted(rows.begin(), rows.end());
    QList<NumberedSlip> unprinted;
    for (const NumberedSlip &slip : slips) {
        if (wanted.contains(slip.row))
            unprinted.append(slip);
    }
    TextFile::writeAtomically(path, hub3aTableCsv(unprinted));
    m_dialogs.showMessage(QStringLiteral("Spremljeno naloga: %1 u %2").arg(unprinted.size()).arg(path));
}

QStringList BatchSlips::batchPrinters() const
{
    QStringList printers = m_printer.Printers();
    printers.removeAll(PlatformPrinter::pdfEntry());
    return printers;
}
