#include "app/BatchReportDialog.h"

#include "model/TextFile.h"
#include "ui/HandlerErrors.h"
#include "ui/UserDialogs.h"
#include "ui/WindowFont.h"

#include <QDialogButtonBox>
#include <QHeaderView>
#include <QLabel>
#include <QPushButton>
#include <QTableWidget>
#include <QVBoxLayout>

#include <algorithm>

namespace {

QTableWidget *problemTable(const QList<RowProblem> &problems, QWidget *parent)
{
    const int shown =
        static_cast<int>(std::min<qsizetype>(problems.size(), BatchReportDialog::shownProblems));
    auto *table = new QTableWidget(shown, 3, parent);
    table->setObjectName(QStringLiteral("Problems"));
    table->setHorizontalHeaderLabels(
        {QStringLiteral("Redak"), QStringLiteral("Stupac"), QStringLiteral("Razlog")});
    table->verticalHeader()->hide();
    table->setEditTriggers(QAbstractItemView::NoEditTriggers);
    table->setSelectionBehavior(QAbstractItemView::SelectRows);
    for (int i = 0; i < shown; ++i) {
        const RowProblem &problem = problems[i];
        table->setItem(i, 0, new QTableWidgetItem(problem.rowLabel()));
        table->setItem(i, 1, new QTableWidgetItem(problem.column));
        table->setItem(i, 2, new QTableWidgetItem(problem.message));
    }
    table->horizontalHeader()->setStretchLastSection(true);
    table->resizeColumnsToContents();
    return table;
}

} // namespace

BatchReportDialog::BatchReportDialog(const QList<RowProblem> &problems, int validSlips, Kind kind,
                                     UserDialogs &dialogs, QWidget *parent, bool offerBankFile)
    : QDialog(parent), m_problems(problems), m_dialogs(dialogs)
{
    setFont(windowFont());
    setWindowTitle(QStringLiteral("Neispravni redovi"));
    resize(640, 360);
    const int refused = static_cast<int>(refusedRows(problems).size());
    const QString summary =
        kind == Kind::AskBeforeOutput
            ? QStringLiteral("Ispravnih naloga: %1, neispravnih: %2. %3")
                  .arg(validSlips)
                  .arg(refused)
                  .arg(validSlips > 0 ? QStringLiteral("Ispisati ispravne?")
                                      : QStringLiteral("Nema ispravnih naloga za ispis."))
        : kind == Kind::TellBankFile
            ? QStringLiteral("Spremljeno naloga za banku: %1; izostavljeno: %2 (ne mogu u nalog za banku).")
                  .arg(validSlips)
                  .arg(refused)
            : QStringLiteral("Izostavljeno naloga: %1 (bar-kod se ne može pročitati).").arg(refused);
    auto *layout = new QVBoxLayout(this);
    auto *label = new QLabel(summary, this);
    label->setObjectName(QStringLiteral("Summary"));
    layout->addWidget(label);
    layout->addWidget(problemTable(problems, this));
    if (problems.size() > shownProblems) {
        auto *rest =
            new QLabel(QStringLiteral("Prikazano je prvih %1 od %2 razloga; sve sadrži spremljeni izvještaj.")
                           .arg(shownProblems)
                           .arg(problems.size()),
                       this);
        rest->setObjectName(QStringLiteral("NotShown"));
        layout->addWidget(rest);
    }

    auto *buttons = new QDialogButtonBox(this);
    QPushButton *save =
        buttons->addButton(QStringLiteral("Spremi izvještaj..."), QDialogButtonBox::ActionRole);
    save->setObjectName(QStringLiteral("SaveReport"));
    connectHandler(save, &QPushButton::clicked, this, &BatchReportDialog::saveReport);
    if (kind == Kind::AskBeforeOutput) {
        QPushButton *print =
            buttons->addButton(QStringLiteral("Ispiši ispravne"), QDialogButtonBox::AcceptRole);
        print->setObjectName(QStringLiteral("PrintValid"));
        print->setEnabled(validSlips > 0);
        if (offerBankFile) {
            QPushButton *bank =
                buttons->addButton(QStringLiteral("Spremi nalog za banku"), QDialogButtonBox::ActionRole);
            bank->setObjectName(QStringLiteral("SaveBankFile"));
            bank->setEnabled(validSlips > 0);
            connect(bank, &QPushButton::clicked, this, [this] { done(SaveBankFile); });
        }
        buttons->addButton(QStringLiteral("Odustani"), QDialogButtonBox::RejectRole)
            ->setObjectName(QStringLiteral("Cancel"));
    } else {
        buttons->addButton(QStringLiteral("Zatvori"), QDialogButtonBox::AcceptRole)
            ->setObjectName(QStringLiteral("Close"));
    }
    connect(buttons, &QDialogButtonBox::accepted, this, &QDialog::accept);
    connect(buttons, &QDialogButtonBox::rejected, this, &QDialog::reject);
    layout->addWidget(buttons);
}

void BatchReportDialog::saveReport()
{
    const std::optional<QString> path = m_dialogs.getSaveFileName(QStringLiteral("Spremi izvještaj"));
    if (!path)
        return;
    TextFile::writeAtomically(*path, reportCsv(m_problems));
}
