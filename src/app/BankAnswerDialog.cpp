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

BankAnswerDialog::BankAnswerDialog(const Pain002::Report &report,
                                   std::function<bool(const Pain002::RefusedOrder &)> openInTab,
                                   QWidget *parent)
    : QDialog(parent), m_refused(report.refused)
{
    setFont(windowFont());
    setWindowTitle(u"Odgovor banke"_s);
    resize(760, 360);
    auto *layout = new QVBoxLayout(this);
    layout->addWidget(new QLabel(
        u"Banka je odbila naloga: %1 (datoteka %2)."_s.arg(m_refused.size()).arg(report.originalMessageId),
        this));
    m_table = new QTableWidget(static_cast<int>(m_refused.size()), 6, this);
    m_table->setObjectName(u"Refused"_s);
    m_table->setHorizontalHeaderLabels(
        {u"Nalog"_s, u"Iznos"_s, u"Primatelj"_s, u"IBAN"_s, u"Razlog"_s, u"Objašnjenje"_s});
    m_table->verticalHeader()->hide();
    m_table->setEditTriggers(QAbstractItemView::NoEditTriggers);
    m_table->setSelectionBehavior(QAbstractItemView::SelectRows);
    m_table->setSelectionMode(QAbstractItemView::SingleSelection);
    for (int i = 0; i < m_refused.size(); ++i) {
        const QStringList cells = refusedOrderCells(m_refused[i]);
        for (int column = 0; column < cells.size(); ++column)
            m_table->setItem(i, column, new QTableWidgetItem(cells[column]));
    }
    m_table->horizontalHeader()->setStretchLastSection(true);
    m_table->resizeColumnsToContents();
    layout->addWidget(m_table);
    auto *buttons = new QDialogButtonBox(this);
    buttons->addButton(u"Spremi kao tablicu..."_s, QDialogButtonBox::AcceptRole)
        ->setObjectName(u"SaveTable"_s);
    QPushButton *open = buttons->addButton(u"Otvori u kartici"_s, QDialogButtonBox::ActionRole);
    open->setObjectName(u"OpenInTab"_s);
    open->setEnabled(false);
    buttons->addButton(u"Zatvori"_s, QDialogButtonBox::RejectRole)->setObjectName(u"Close"_s);
    connect(buttons, &QDialogButtonBox::accepted, this, &QDialog::accept);
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
