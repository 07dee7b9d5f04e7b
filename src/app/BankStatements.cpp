#include "app/BankStatements.h"

#include "app/OffThread.h"
#include "model/Hub3aRecord.h"
#include "model/UserError.h"
#include "ui/HandlerErrors.h"
#include "ui/UserDialogs.h"

#include <QAction>
#include <QDialog>
#include <QDialogButtonBox>
#include <QFileInfo>
#include <QLabel>
#include <QListWidget>
#include <QVBoxLayout>

using namespace Qt::StringLiterals;
using BankStatement::Outcome;

namespace {

void showSummaryDialog(const BankStatement::Reconciliation &result, QWidget *parent)
{
    QStringList lines = statementSummaryLines(result);
    QDialog dialog(parent);
    dialog.setWindowTitle(u"Izvadak banke"_s);
    auto *layout = new QVBoxLayout(&dialog);
    auto *counts = new QLabel(lines.mid(0, 5).join(u'\n'), &dialog);
    auto *list = new QListWidget(&dialog);
    list->setObjectName(u"StatementChanges"_s);
    list->addItems(lines.mid(5));
    auto *buttons = new QDialogButtonBox(QDialogButtonBox::Ok, &dialog);
    QObject::connect(buttons, &QDialogButtonBox::accepted, &dialog, &QDialog::accept);
    layout->addWidget(counts);
    layout->addWidget(list);
    layout->addWidget(buttons);
    dialog.resize(560, 400);
    dialog.exec();
}

QString paymentLine(const QString &text, const BookEntry &payment, Outcome outcome)
{
    const Hub3aRecord &slip = payment.payment.record;
    const QString name = slip[outcome == Outcome::Received ? Hub3aField::PayerName : Hub3aField::RecipientName];
    return u"%1: %2 %3 EUR"_s.arg(text, name, slip[Hub3aField::Amount]);
}

} // namespace

QStringList statementSummaryLines(const BankStatement::Reconciliation &result)
{
    QStringList lines = {
        u"Proknjiženo: %1"_s.arg(result.count(Outcome::Booked)),
        u"Vraćeno: %1"_s.arg(result.count(Outcome::Reversed)),
        u"Naplaćeno: %1"_s.arg(result.count(Outcome::Received)),
        u"Nije pronađeno: %1"_s.arg(result.count(Outcome::NotFound)),
        u"Već preuzeto s ranijeg izvatka: %1"_s.arg(result.count(Outcome::Taken)),
    };
    for (const BankStatement::EntryOutcome &entry : result.entries) {
        for (const BookEntry &payment : entry.payments)
            lines.append(paymentLine(entry.text, payment, entry.outcome));
        if (entry.outcome == Outcome::NotFound)
            lines.append(u"nije pronađeno: "_s + BankStatement::entryLine(entry));
    }
    return lines;
}

BankStatements::BankStatements(QWidget &window, UserDialogs &dialogs, QString bookPath)
    : m_window(window), m_dialogs(dialogs), m_bookPath(std::move(bookPath))
{
    m_entry = new QAction(u"Izva&dak banke (camt.053)..."_s, &m_window);
    m_entry->setObjectName(u"BankStatement"_s);
    connectHandler(m_entry, &QAction::triggered, this, &BankStatements::readStatement);
    showSummary = [this](const BankStatement::Reconciliation &result) { showSummaryDialog(result, &m_window); };
}

void BankStatements::readStatement()
{
    const std::optional<QString> path = m_dialogs.getOpenFileName(u"Izvadak banke (camt.053)"_s);
    if (!path)
        return;
    if (const std::optional<BankStatement::Reconciliation> result = reconcileFile(*path))
        showSummary(*result);
}

std::optional<BankStatement::Reconciliation> BankStatements::reconcileFile(const QString &path)
{
    const WaitLook look{u"Izvadak banke"_s,
                        [](const WorkProgress &progress) {
                            return u"Čitanje izvatka: %1 %"_s.arg(progress.perMille() / 10);
                        },
                        300};
    try {
        // A cancel while the statement is read leaves the book as it was; the matching that follows
        // is one write and is not broken off.
        const auto result = runOffThread(
            &m_window, look,
            [&](WorkProgress &progress) -> std::optional<BankStatement::Reconciliation> {
                const std::optional<BankStatement::Document> document =
                    BankStatement::readFile(path, {progress.progressHook(), progress.cancelHook()});
                if (!document || progress.cancelled())
                    return std::nullopt;
                PaymentBook book(m_bookPath);
                return BankStatement::reconcile(book, *document, path);
            },
            whileReading);
        return result ? *result : std::nullopt;
    } catch (const UserError &e) {
        throw UserError(u"%1: %2"_s.arg(QFileInfo(path).fileName(), e.text()));
    }
}
