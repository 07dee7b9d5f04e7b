#include "app/BankFiles.h"

#include "app/BatchProgressDialog.h"
#include "app/OffThread.h"
#include "app/BatchReportDialog.h"
#include "bankfile/Pain001.h"
#include "book/BookedBankFile.h"
#include "book/RepeatCheck.h"
#include "batch/BankFileRows.h"
#include "model/Clock.h"
#include "model/Hub3aRules.h"
#include "model/TextFile.h"
#include "model/UserError.h"
#include "print/PrintSource.h"
#include "ui/HandlerErrors.h"
#include "ui/UserDialogs.h"
#include "ui/WindowFont.h"

#include <QAction>
#include <QDialog>
#include <QDialogButtonBox>
#include <QFileInfo>
#include <QHeaderView>
#include <QLabel>
#include <QMainWindow>
#include <QPushButton>
#include <QTableWidget>
#include <QVBoxLayout>

#include <algorithm>

using namespace Qt::StringLiterals;

QStringList refusedOrderCells(const Pain002::RefusedOrder &refused)
{
    const QString order = refused.instrId.isEmpty() ? refused.paymentInfoId : refused.instrId;
    // The amount as the clerk writes it (1.234,56), where the answer gave one in euro.
    const QString amount =
        refused.slip[Hub3aField::Amount].isEmpty() ? refused.amount : refused.slip[Hub3aField::Amount];
    return {order, amount, refused.recipient, refused.iban, refused.reason, refused.message};
}

namespace {

// The refused orders of a bank's answer in a table, with "Spremi kao tablicu..." and "Zatvori".
bool showAnswerDialog(const Pain002::Report &report, QWidget *parent)
{
    QDialog dialog(parent);
    dialog.setFont(windowFont());
    dialog.setWindowTitle(u"Odgovor banke"_s);
    dialog.resize(760, 360);
    auto *layout = new QVBoxLayout(&dialog);
    layout->addWidget(new QLabel(u"Banka je odbila naloga: %1 (datoteka %2)."_s.arg(report.refused.size())
                                     .arg(report.originalMessageId),
                                 &dialog));
    auto *table = new QTableWidget(static_cast<int>(report.refused.size()), 6, &dialog);
    table->setObjectName(u"Refused"_s);
    table->setHorizontalHeaderLabels({u"Nalog"_s, u"Iznos"_s, u"Primatelj"_s, u"IBAN"_s, u"Razlog"_s, u"Objašnjenje"_s});
    table->verticalHeader()->hide();
    table->setEditTriggers(QAbstractItemView::NoEditTriggers);
    for (int i = 0; i < report.refused.size(); ++i) {
        const QStringList cells = refusedOrderCells(report.refused[i]);
        for (int column = 0; column < cells.size(); ++column)
            table->setItem(i, column, new QTableWidgetItem(cells[column]));
    }
    table->horizontalHeader()->setStretchLastSection(true);
    table->resizeColumnsToContents();
    layout->addWidget(table);
    auto *buttons = new QDialogButtonBox(&dialog);
    buttons->addButton(u"Spremi kao tablicu..."_s, QDialogButtonBox::AcceptRole)->setObjectName(u"SaveTable"_s);
    buttons->addButton(u"Zatvori"_s, QDialogButtonBox::RejectRole)->setObjectName(u"Close"_s);
    QObject::connect(buttons, &QDialogButtonBox::accepted, &dialog, &QDialog::accept);
    QObject::connect(buttons, &QDialogButtonBox::rejected, &dialog, &QDialog::reject);
    layout->addWidget(buttons);
    return dialog.exec() == QDialog::Accepted;
}

} // namespace

BankFiles::BankFiles(QMainWindow &window, const PrintSource &source, UserDialogs &dialogs,
                     const SettingsStore &store, const Clock &clock)
    : m_window(window), m_source(source), m_dialogs(dialogs), m_store(store), m_clock(clock)
{
    m_ordersEntry = new QAction(u"Nalozi za &banku (pain.001)..."_s, &m_window);
    m_ordersEntry->setObjectName(u"BankOrders"_s);
    connectHandler(m_ordersEntry, &QAction::triggered, this, &BankFiles::saveTabOrder);
    m_answerEntry = new QAction(u"Odgovor ban&ke (pain.002)..."_s, &m_window);
    m_answerEntry->setObjectName(u"BankAnswer"_s);
    connectHandler(m_answerEntry, &QAction::triggered, this, &BankFiles::readAnswer);
    showRefused = [this](const QList<RowProblem> &problems, int written) {
        BatchReportDialog report(problems, written, BatchReportDialog::Kind::TellBankFile, m_dialogs, &m_window);
        report.exec();
    };
    showAnswer = [this](const Pain002::Report &report) { return showAnswerDialog(report, &m_window); };
}

void BankFiles::saveTabOrder()
{
    saveOrders({{1, m_source.hub3aData()}});
}

void BankFiles::saveOrders(const QList<NumberedSlip> &slips, const QList<RowProblem> &earlier,
                           const QString &tableFile, const QHash<int, BookOrigin> &rowOrigins)
{
    if (slips.isEmpty()) {
        if (earlier.isEmpty())
            throw UserError(u"Nema naloga za banku"_s);
        showRefused(earlier, 0);
        return;
    }
    // Checked before the file dialog: a missing payer IBAN is said at once, and nothing is asked
    // when no order can go.
    Pain001::Options checking;
    checking.today = m_clock.now().date();
    const BankOrdersOf orders(slips);
    const QList<RowProblem> bankRefused = bankFileRowProblems(Pain001::check(orders, checking));
    QList<RowProblem> refused = earlier + bankRefused;
    const bool payerIbanMissing = std::all_of(slips.begin(), slips.end(), [](const NumberedSlip &slip) {
        return slip.record[Hub3aField::PayerIban].trimmed().isEmpty();
    });
    const int good = static_cast<int>(slips.size() - refusedRows(bankRefused).size());
    if (good == 0) {
        if (payerIbanMissing)
            throw UserError(u"Nalog za banku treba IBAN platitelja: upišite ga na HUB-3A kartici ili u stupac "
                            "iban_platitelja tablice"_s);
        if (slips.size() == 1 && earlier.isEmpty())
            throw UserError(u"Nalog se ne može poslati banci:\n"_s +
                            hub3aProblemsText(Pain001::orderProblems(slips.front().record, checking)));
        showRefused(refused, 0);
        return;
    }
    const Pain001::Options options = Pain001::optionsNow(m_clock);
    PaymentBook book = openBookForBankFile(PaymentBook::defaultPath());
    const QList<NumberedSlip> kept = withoutRepeats(book, slips, options.today, refused, rowOrigins);
    if (kept.isEmpty())
        return;
    const BankOrdersOf keptOrders(kept);
    const int counted = Pain001::settingsMessageCount(m_store, options.today);
    // The id another running copy may still take first: the file gets the one the book gives.
    const QString suggested = Pain001::suggestedFileName(book.nextMessageId(options.today, counted));
    const std::optional<QString> chosen =
        m_dialogs.getSaveFileName(u"Spremi nalog za banku (%1)"_s.arg(suggested), u"xml"_s, suggested);
    if (!chosen)
        return;
    const BookOrigin origin{tableFile.isEmpty() ? BookSource::Typed : BookSource::Table, tableFile, 0};
    const BookedBankFile booked =
        saveBookedBankFile(book, *chosen, keptOrders, options, origin, counted, rowOrigins);
    const Pain001::Result &result = booked.result;
    QString saved = u"Spremljeno naloga za banku: %1, ukupno %2 EUR, u %3 (oznaka %4)"_s.arg(result.written)
                        .arg(hub3aAmountText(result.totalCents), *chosen, booked.messageId);
    for (const QString &note : result.notes)
        saved += u"\n"_s + note;
    m_dialogs.showMessage(saved);
    if (!refused.isEmpty())
        showRefused(refused, result.written);
}

QList<NumberedSlip> BankFiles::withoutRepeats(const PaymentBook &book, const QList<NumberedSlip> &slips,
                                              QDate today, QList<RowProblem> &refused,
                                              const QHash<int, BookOrigin> &rowOrigins)
{
    const RepeatCheck check(book, today, repeatDays(m_store));
    QList<std::pair<int, BookRepeat>> repeats;
    for (const NumberedSlip &slip : slips) {
        if (const std::optional<BookRepeat> repeat = check.find(slip.record, rowOrigins.value(slip.row)))
            repeats.append({slip.row, *repeat});
    }
    if (repeats.isEmpty())
        return slips;
    if (slips.size() == 1)
        return m_dialogs.askYesNo(repeatQuestion(repeats.front().second)) ? slips : QList<NumberedSlip>();
    QStringList lines;
    for (const auto &[row, repeat] : repeats)
        lines.append(u"red %1: %2"_s.arg(row).arg(repeatText(repeat)));
    if (m_dialogs.askYesNo(u"Mogući dvostruki nalozi (%1):\n%2\nIpak ih platiti?"_s.arg(repeats.size())
                               .arg(lines.join(u'\n'))))
        return slips;
    QSet<int> left;
    for (const auto &[row, repeat] : repeats) {
        refused.append({row, QString(), u"Mogući dvostruki nalog: %1"_s.arg(repeatText(repeat))});
        left.insert(row);
    }
    QList<NumberedSlip> kept;
    for (const NumberedSlip &slip : slips) {
        if (!left.contains(slip.row))
            kept.append(slip);
    }
    if (kept.isEmpty())
        showRefused(refused, 0);
    return kept;
}

void BankFiles::readAnswer()
{
    const std::optional<QString> path = m_dialogs.getOpenFileName(u"Odgovor banke (pain.002)"_s);
    if (!path)
        return;
    std::optional<Pain002::Report> read;
    try {
        read = readAnswerFile(*path);
    } catch (const UserError &e) {
        throw UserError(u"%1: %2"_s.arg(QFileInfo(*path).fileName(), e.text()));
    }
    if (!read)
        return;
    const Pain002::Report &report = *read;
    if (report.refused.isEmpty()) {
        m_dialogs.showMessage(u"Banka nije odbila nijedan nalog datoteke %1."_s.arg(report.originalMessageId));
        return;
    }
    if (!showAnswer(report))
        return;
    const QList<NumberedSlip> slips = refusedSlips(report);
    QStringList notes;
    for (const auto &[row, refused] : refusedSlipNotes(report)) {
        for (const QString &note : refused->notes)
            notes.append(u"Redak %1: %2"_s.arg(row).arg(note));
    }
    if (slips.isEmpty()) {
        m_dialogs.showMessage(u"Banka je odbila cijelu grupu ili datoteku; pošaljite ponovno izvornu datoteku "
                              "nakon ispravka."_s);
        return;
    }
    const std::optional<QString> chosen = m_dialogs.getSaveFileName(u"Spremi odbijene naloge"_s, u"csv"_s);
    if (!chosen)
        return;
    TextFile::writeAtomically(*chosen, hub3aTableCsv(slips));
    QString saved = u"Spremljeno odbijenih naloga: %1 u %2"_s.arg(slips.size()).arg(*chosen);
    if (!notes.isEmpty())
        saved += u"\nTablica ne sadrži sve kako je u odgovoru banke:\n"_s + notes.join(u'\n');
    m_dialogs.showMessage(saved);
}

std::optional<Pain002::Report> BankFiles::readAnswerFile(const QString &path)
{
    const WaitLook look{u"Uplatnice"_s, [](const WorkProgress &progress) {
                            return u"Čitanje odgovora banke: %1 %"_s.arg(progress.perMille() / 10);
                        }};
    std::optional<std::optional<Pain002::Report>> report = runOffThread(
        &m_window, look,
        [&](WorkProgress &progress) {
            return Pain002::readFile(path, {progress.progressHook(), progress.cancelHook()});
        },
        whileReading);
    if (!report)
        return std::nullopt;
    return std::move(*report);
}
