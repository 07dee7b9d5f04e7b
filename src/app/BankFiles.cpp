#include "app/BankFiles.h"

#include "app/BankAnswerDialog.h"
#include "app/BatchProgressDialog.h"
#include "app/OffThread.h"
#include "app/BatchReportDialog.h"
#include "app/Hub3aSlipTab.h"
#include "app/RepeatQuestion.h"
#include "app/ResendDialog.h"
#include "bankfile/BusinessDays.h"
#include "bankfile/Pain001.h"
#include "batch/BankFileRows.h"
#include "book/BookedBankFile.h"
#include "book/RefusedOrders.h"
#include "book/RepeatCheck.h"
#include "model/Clock.h"
#include "model/Hub3aRules.h"
#include "model/TextFile.h"
#include "model/UserError.h"
#include "ui/HandlerErrors.h"
#include "ui/UserDialogs.h"

#include <QAction>
#include <QDialog>
#include <QFileInfo>
#include <QMainWindow>

#include <algorithm>

using namespace Qt::StringLiterals;

BankFiles::BankFiles(QMainWindow &window, Hub3aSlipTab &tab, UserDialogs &dialogs, const SettingsStore &store,
                     const Clock &clock)
    : m_window(window), m_tab(tab), m_dialogs(dialogs), m_store(store), m_clock(clock)
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
    showAnswer = [this](const Pain002::Report &report, const BookedAnswer &booked) {
        BankAnswerDialog dialog(
            report, booked, [this](const Pain002::RefusedOrder &refused) { return openRefused(refused); },
            &m_window);
        dialog.exec();
        return dialog.choice();
    };
    fixRefused = [this](const QString &summary,
                        const QList<Hub3aRecord> &orders) -> std::optional<QList<Hub3aRecord>> {
        ResendDialog dialog(summary, orders, &m_window);
        if (dialog.exec() != QDialog::Accepted)
            return std::nullopt;
        return dialog.orders();
    };
}

void BankFiles::saveTabOrder()
{
    saveOrders({{1, m_tab.hub3aData()}});
}

void BankFiles::saveOrders(const QList<NumberedSlip> &slips, const QList<RowProblem> &earlier,
                           const QString &tableFile, const QHash<int, BookOrigin> &rowOrigins)
{
    writeOrders(slips, earlier, {tableFile.isEmpty() ? BookSource::Typed : BookSource::Table, tableFile, 0},
                false, rowOrigins);
}

void BankFiles::writeOrders(const QList<NumberedSlip> &slips, const QList<RowProblem> &earlier,
                            const BookOrigin &origin, bool instant, const QHash<int, BookOrigin> &rowOrigins)
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
    const BankOrders orders(slips);
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
    const Pain001::Options options = Pain001::optionsNow(m_clock, Pain001::Schema::Croatian, instant);
    PaymentBook book = openBookForBankFile(PaymentBook::defaultPath());
    const QList<NumberedSlip> kept = withoutRepeats(book, slips, options.today, refused, rowOrigins);
    if (kept.isEmpty())
        return;
    const BankOrders keptOrders(kept);
    const int counted = Pain001::settingsMessageCount(m_store, options.today);
    // The id another running copy may still take first: the file gets the one the book gives.
    const QString suggested = Pain001::suggestedFileName(book.nextMessageId(options.today, counted));
    const std::optional<QString> chosen =
        m_dialogs.getSaveFileName(u"Spremi nalog za banku (%1)"_s.arg(suggested), u"xml"_s, suggested);
    if (!chosen)
        return;
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
    const QList<RepeatedRow> repeats =
        findRepeats(RepeatCheck(book, today, repeatDays(m_store)), slipsOf(slips), rowOrigins);
    const QSet<int> left = askAboutRepeats(m_dialogs, repeats, slips.size(), refused);
    if (left.isEmpty())
        return slips;
    QList<NumberedSlip> kept;
    for (const NumberedSlip &slip : slips) {
        if (!left.contains(slip.row))
            kept.append(slip);
    }
    if (kept.isEmpty() && !refused.isEmpty())
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
    BookedAnswer booked;
    {
        PaymentBook book(PaymentBook::defaultPath());
        booked = recordAnswer(book, report, m_clock.now());
    }
    if (report.refused.isEmpty()) {
        QString said = u"Banka nije odbila nijedan nalog datoteke %1."_s.arg(report.originalMessageId);
        if (!booked.known)
            said += u" Datoteka nije u knjizi plaćanja."_s;
        else if (booked.accepted > 0)
            said += u" Prihvaćeno naloga: %1."_s.arg(booked.accepted);
        m_dialogs.showMessage(said);
        return;
    }
    switch (showAnswer(report, booked)) {
    case AnswerChoice::Resend: {
        QList<qint64> ids;
        for (const RefusedPayment &refused : booked.refused)
            ids.append(refused.entry.id);
        resendRefused(ids);
        break;
    }
    case AnswerChoice::SaveTable:
        saveRefusedTable(report, booked);
        break;
    case AnswerChoice::Close:
        break;
    }
}

void BankFiles::saveRefusedTable(const Pain002::Report &report, const BookedAnswer &booked)
{
    QList<NumberedSlip> slips;
    QStringList notes;
    if (!booked.refused.isEmpty()) {
        // Every field as it was sent, whatever the answer echoed.
        slips = numberedSlips(sentRecords(booked.refused));
    } else {
        slips = refusedSlips(report);
        for (const auto &[row, refused] : refusedSlipNotes(report)) {
            for (const QString &note : refused->notes)
                notes.append(u"Redak %1: %2"_s.arg(row).arg(note));
        }
    }
    if (slips.isEmpty()) {
        m_dialogs.showMessage(resendAdvice(report, booked));
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

bool BankFiles::openRefused(const Pain002::RefusedOrder &refused)
{
    const QString order = refusedOrderCells(refused).constFirst();
    if (!openInHub3aTab(m_tab, m_dialogs, refused.slip, u"koji je banka odbila (%1)"_s.arg(order)))
        return false;
    if (!refused.notes.isEmpty())
        m_dialogs.showMessage(u"Nalog %1 u kartici ne sadrži sve kako je u odgovoru banke:\n%2"_s.arg(
            order, refused.notes.join(u'\n')));
    return true;
}

void BankFiles::resendRefused(const QList<qint64> &paymentIds)
{
    const RefusedOrders refused = refusedOrders(openBookForBankFile(PaymentBook::defaultPath()), paymentIds);
    QList<Hub3aRecord> sent;
    for (const BookEntry &entry : refused.orders)
        sent.append(entry.payment.record);
    std::optional<QList<Hub3aRecord>> fixed = fixRefused(resendSummary(refused), sent);
    if (!fixed)
        return;
    const QDate today = m_clock.now().date();
    if (const int past = pastExecutionDates(*fixed, today); past > 0) {
        if (!m_dialogs.askYesNo(
                u"Datum izvršenja je prošao za naloga: %1. Pomaknuti ga na prvi radni dan, %2?"_s.arg(past)
                    .arg(businessDayFrom(today).toString(u"dd.MM.yyyy."_s))))
            return;
        movePastExecutionDates(*fixed, today);
    }
    // A table's orders keep their rows, so that the new file's InstrIds name the same rows.
    const bool fromTable = refused.origin.source == BookSource::Table;
    QList<NumberedSlip> slips;
    for (qsizetype i = 0; i < fixed->size() && i < refused.orders.size(); ++i)
        slips.append(
            {fromTable ? refused.orders[i].payment.origin.place : static_cast<int>(i + 1), (*fixed)[i]});
    writeOrders(slips, {}, refused.origin, refused.instant);
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
