#include "app/ScanListDialog.h"

#include "batch/ScannedSlips.h"
#include "ui/HandlerErrors.h"
#include "ui/WindowFont.h"

#include <QDialogButtonBox>
#include <QFileInfo>
#include <QHeaderView>
#include <QLabel>
#include <QPushButton>
#include <QTableWidget>
#include <QVBoxLayout>

namespace {

// The files that gave no slip, each once, with the first reason.
QString missedText(const QList<ScanMiss> &misses)
{
    QStringList lines;
    QStringList named;
    for (const ScanMiss &miss : misses) {
        if (named.contains(miss.file))
            continue;
        named.append(miss.file);
        const QString place = miss.page > 0 ? QStringLiteral(", str. %1").arg(miss.page) : QString();
        lines.append(QStringLiteral("%1%2: %3").arg(QFileInfo(miss.file).fileName(), place, miss.message));
    }
    return lines.isEmpty() ? QString() : QStringLiteral("Bez naloga:\n") + lines.join(u'\n');
}

QString referenceText(const Hub3aRecord &record)
{
    const QString reference = record[Hub3aField::RecipientReference];
    return reference.isEmpty() ? record[Hub3aField::Description]
                               : record[Hub3aField::RecipientModel] + u' ' + reference;
}

// "20.12.2026.", "30.11.2026. (dospjelo)"; empty for a slip without a due date.
QString dueText(const ScannedSlip &slip)
{
    if (!slip.due.isValid())
        return QString();
    const QString day = slip.due.toString(QStringLiteral("dd.MM.yyyy."));
    return slip.overdue ? day + QStringLiteral(" (dospjelo)") : day;
}

} // namespace

ScanListDialog::ScanListDialog(const QList<ScannedSlip> &slips, const QList<ScanMiss> &misses,
                               ScanListActions actions, QWidget *parent)
    : QDialog(parent), m_slips(slips), m_actions(std::move(actions))
{
    setFont(windowFont());
    setWindowTitle(QStringLiteral("Nalozi s računa"));
    setObjectName(QStringLiteral("ScanList"));
    auto *layout = new QVBoxLayout(this);
    m_table = new QTableWidget(this);
    m_table->setObjectName(QStringLiteral("ScanTable"));
    layout->addWidget(m_table);
    layout->addWidget(new QLabel(ScannedSlips::totalText(slips), this));
    if (const QString missed = missedText(misses); !missed.isEmpty()) {
        auto *label = new QLabel(missed, this);
        label->setObjectName(QStringLiteral("ScanMissed"));
        layout->addWidget(label);
    }
    auto *buttons = new QDialogButtonBox(this);
    const auto add = [&](const QString &caption, const char *name, std::function<void()> action) {
        QPushButton *button = buttons->addButton(caption, QDialogButtonBox::ActionRole);
        button->setObjectName(QLatin1StringView(name));
        connect(button, &QPushButton::clicked, this, [action] { runHandler(action); });
        return button;
    };
    add(QStringLiteral("Ispiši"), "ScanPrint", [this] { m_actions.print(m_slips); });
    add(QStringLiteral("PDF"), "ScanPdf", [this] { m_actions.pdf(m_slips); });
    add(QStringLiteral("Spremi tablicu"), "ScanSaveTable", [this] { m_actions.saveTable(m_slips); });
    if (m_actions.bankFile)
        add(QStringLiteral("Nalozi za banku"), "ScanBankFile", [this] { m_actions.bankFile(m_slips); });
    QPushButton *open = add(QStringLiteral("Otvori u kartici"), "ScanOpenInTab", [this] {
        m_actions.openInTab(m_slips.at(m_table->currentRow()));
        accept();
    });
    buttons->addButton(QStringLiteral("Zatvori"), QDialogButtonBox::RejectRole);
    connect(buttons, &QDialogButtonBox::rejected, this, &QDialog::reject);
    layout->addWidget(buttons);
    fillTable();
    open->setEnabled(false);
    connect(m_table, &QTableWidget::itemSelectionChanged, this,
            [this, open] { open->setEnabled(m_table->selectionModel()->selectedRows().size() == 1); });
    resize(760, 420);
}

void ScanListDialog::fillTable()
{
    m_table->setColumnCount(8);
    m_table->setHorizontalHeaderLabels({QStringLiteral("Datoteka"), QStringLiteral("Str."),
                                        QStringLiteral("Izvor"), QStringLiteral("Primatelj"),
                                        QStringLiteral("Iznos"), QStringLiteral("Dospijeće"),
                                        QStringLiteral("Poziv na broj"), QStringLiteral("Provjera")});
    m_table->setRowCount(static_cast<int>(m_slips.size()));
    m_table->setSelectionBehavior(QAbstractItemView::SelectRows);
    m_table->setSelectionMode(QAbstractItemView::SingleSelection);
    m_table->setEditTriggers(QAbstractItemView::NoEditTriggers);
    for (int row = 0; row < m_table->rowCount(); ++row) {
        const ScannedSlip &slip = m_slips[row];
        const QStringList checks =
            QStringList{slip.verdict.isEmpty() ? QStringLiteral("Ispravan") : slip.verdict} + slip.remarks;
        const QStringList cells{QFileInfo(slip.file).fileName(),
                                slip.page > 0 ? QString::number(slip.page) : QString(),
                                slip.source == ScanSource::EInvoice ? QStringLiteral("e-račun")
                                                                    : QStringLiteral("bar-kod"),
                                slip.record[Hub3aField::RecipientName],
                                slip.record[Hub3aField::Amount],
                                dueText(slip),
                                referenceText(slip.record),
                                checks.join(u'\n').replace(u'\n', QStringLiteral("; "))};
        for (int column = 0; column < cells.size(); ++column)
            m_table->setItem(row, column, new QTableWidgetItem(cells[column]));
    }
    m_table->horizontalHeader()->setSectionResizeMode(QHeaderView::ResizeToContents);
    m_table->horizontalHeader()->setStretchLastSection(true);
}
