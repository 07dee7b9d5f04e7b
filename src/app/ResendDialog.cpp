#include "app/ResendDialog.h"

#include "batch/Hub3aTable.h"
#include "ui/WindowFont.h"

#include <QDialogButtonBox>
#include <QHeaderView>
#include <QLabel>
#include <QPushButton>
#include <QTableWidget>
#include <QVBoxLayout>

using namespace Qt::StringLiterals;

ResendDialog::ResendDialog(const QString &summary, const QList<Hub3aRecord> &orders, QWidget *parent)
    : QDialog(parent)
{
    setFont(windowFont());
    setWindowTitle(u"Pošalji ponovno"_s);
    resize(760, 360);
    auto *layout = new QVBoxLayout(this);
    auto *label = new QLabel(summary + u"\nIspravite naloge prije slanja."_s, this);
    label->setWordWrap(true);
    layout->addWidget(label);
    m_table = new QTableWidget(static_cast<int>(orders.size()), hub3aFieldCount, this);
    m_table->setObjectName(u"Orders"_s);
    m_table->setHorizontalHeaderLabels(hub3aColumnNames());
    for (int row = 0; row < orders.size(); ++row) {
        for (int field = 0; field < hub3aFieldCount; ++field)
            m_table->setItem(row, field, new QTableWidgetItem(orders[row].texts[static_cast<size_t>(field)]));
    }
    m_table->resizeColumnsToContents();
    layout->addWidget(m_table);
    auto *buttons = new QDialogButtonBox(this);
    buttons->addButton(u"Pošalji ponovno"_s, QDialogButtonBox::AcceptRole)->setObjectName(u"Resend"_s);
    buttons->addButton(u"Odustani"_s, QDialogButtonBox::RejectRole)->setObjectName(u"Cancel"_s);
    connect(buttons, &QDialogButtonBox::accepted, this, &QDialog::accept);
    connect(buttons, &QDialogButtonBox::rejected, this, &QDialog::reject);
    layout->addWidget(buttons);
}

QList<Hub3aRecord> ResendDialog::orders() const
{
    QList<Hub3aRecord> orders;
    for (int row = 0; row < m_table->rowCount(); ++row) {
        Hub3aRecord order;
        for (int field = 0; field < hub3aFieldCount; ++field)
            order.set(static_cast<Hub3aField>(field), m_table->item(row, field)->text());
        orders.append(order);
    }
    return orders;
}
