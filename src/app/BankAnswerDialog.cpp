#include "app/BankAnswerDialog.h"

#include "ui/HandlerErrors.h"
#include "ui/WindowFont.h"

#include <QDialogButtonBox>
#include <QHeaderView>
#include <QLabel>
#include <QPushButton>
#include <QTableWidget>
#include <QVBoxLayout>

using namespace Qt::StringLiterals;

QStringList refusedOrderCells(const Pain002::RefusedOrder &refused)
{
    const QString order = refused.instrId.isEmpty() ? refused.paymentInfoId : refused.instrId;
    // The amount as the clerk writes it (1.234,56), where the answer gave one in euro.
    const QString amount =
        refused.slip[Hub3aField::Amount].isEmpty() ? refused.amount : refused.slip[Hub3aField::Amount];
    return {order, amount, refused.recipient, refused.iban, refused.reason, refused.message};
}

QStringList refusedOrderCells(const RefusedPayment &refused)
{
    const BookPayment &sent = refused.entry.payment;
    return {sent.instructionId,
            sent.record[Hub3aField::Amount],
            sent.record[Hub3aField::RecipientName],
            sent.record[Hub3aField::RecipientIban],
            refused.refusal.reason,
            refused.refusal.message};
}

namespace {

// A refused order of the book as one the tab can open: its own order, with the slip as it was sent.
Pain002::RefusedOrder asSent(const RefusedPayment &refused)
{
    Pain002::RefusedOrder order = refused.refusal;
    order.level = Pain002::RefusedOrder::Level::Order;
    order.instrId = refused.entry.payment.instructionId;
    order.slip = refused.entry.payment.record;
    order.notes.clear();
    return order;
}

} // namespace

BankAnswerDialog::BankAnswerDialog(const Pain002::Report &report, const BookedAnswer &booked,
                                   std::function<bool(const Pain002::RefusedOrder &)> openInTab,
                                   QWidget *parent)
    : QDialog(parent)
{
    QList<QStringList> rows;
    for (const RefusedPayment &refused : booked.refused) {
        m_refused.append(asSent(refused));
        rows.append(refusedOrderCells(refused));
    }
    for (const Pain002::RefusedOrder &refused : booked.known ? booked.unmatched : report.refused) {
        m_refused.append(refused);
        rows.append(refusedOrderCells(refused));
    }

    setFont(windowFont());
    setWindowTitle(u"Odgovor banke"_s);
    resize(760, 360);
    auto *layout = new QVBoxLayout(this);
    QString said =
        u"Banka je odbila naloga: %1 (datoteka %2)."_s.arg(report.refused.size()).arg(report.originalMessageId);
    if (!booked.known)
        said += u" Datoteka nije u knjizi plaćanja: nalozi su onakvi kakve ih navodi banka."_s;
    if (const QString advice = resendAdvice(report, booked); !advice.isEmpty())
        said += u"\n"_s + advice;
    auto *label = new QLabel(said, this);
    label->setWordWrap(true);
    layout->addWidget(label);

    m_table = new QTableWidget(static_cast<int>(rows.size()), 6, this);
    m_table->setObjectName(u"Refused"_s);
    m_table->setHorizontalHeaderLabels(
        {u"Nalog"_s, u"Iznos"_s, u"Primatelj"_s, u"IBAN"_s, u"Razlog"_s, u"Objašnjenje"_s});
    m_table->verticalHeader()->hide();
    m_table->setEditTriggers(QAbstractItemView::NoEditTriggers);
    m_table->setSelectionBehavior(QAbstractItemView::SelectRows);
    m_table->setSelectionMode(QAbstractItemView::SingleSelection);
    for (int i = 0; i < rows.size(); ++i) {
        for (int column = 0; column < rows[i].size(); ++column)
            m_table->setItem(i, column, new QTableWidgetItem(rows[i][column]));
    }
    m_table->horizontalHeader()->setStretchLastSection(true);
    m_table->resizeColumnsToContents();
    layout->addWidget(m_table);

    auto *buttons = new QDialogButtonBox(this);
    const auto choosing = [&](const QString &text, const QString &name, BankAnswerChoice chosen) {
        QPushButton *button = buttons->addButton(text, QDialogButtonBox::ActionRole);
        button->setObjectName(name);
        connect(button, &QPushButton::clicked, this, [this, chosen] {
            m_choice = chosen;
            accept();
        });
    };
    if (!booked.refused.isEmpty())
        choosing(u"Pošalji ponovno..."_s, u"Resend"_s, BankAnswerChoice::Resend);
    choosing(u"Spremi kao tablicu..."_s, u"SaveTable"_s, BankAnswerChoice::SaveTable);
    QPushButton *open = buttons->addButton(u"Otvori u kartici"_s, QDialogButtonBox::ActionRole);
    open->setObjectName(u"OpenInTab"_s);
    open->setEnabled(false);
    buttons->addButton(u"Zatvori"_s, QDialogButtonBox::RejectRole)->setObjectName(u"Close"_s);
    connect(buttons, &QDialogButtonBox::rejected, this, &QDialog::reject);
    connect(m_table, &QTableWidget::itemSelectionChanged, this,
            [this, open] { open->setEnabled(chosenOrder() != nullptr); });
    connect(open, &QPushButton::clicked, this, [this, openInTab = std::move(openInTab)] {
        runHandler([&] {
            if (const Pain002::RefusedOrder *order = chosenOrder(); order && openInTab(*order))
                reject();
        });
    });
    layout->addWidget(buttons);
}

const Pain002::RefusedOrder *BankAnswerDialog::chosenOrder() const
{
    const QModelIndexList rows = m_table->selectionModel()->selectedRows();
    if (rows.size() != 1)
        return nullptr;
    const Pain002::RefusedOrder &order = m_refused[rows.front().row()];
    return order.level == Pain002::RefusedOrder::Level::Order ? &order : nullptr;
}
