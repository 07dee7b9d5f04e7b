#include "app/PaymentBookDialog.h"

#include "book/BookTableModel.h"
#include "ui/HandlerErrors.h"
#include "ui/WindowFont.h"
#include "ui_KnjigaPlacanja.h"

#include <QHeaderView>
#include <QTimer>

#include <algorithm>

using namespace Qt::StringLiterals;

namespace {

// A filter typed into is applied once the clerk pauses.
constexpr int filterPauseMilliseconds = 300;

constexpr BookState states[] = {BookState::Prepared, BookState::Sent, BookState::Refused, BookState::Accepted,
                                BookState::Booked};

QString timeText(const QDateTime &time)
{
    return time.toString(u"dd.MM.yyyy. HH:mm"_s);
}

} // namespace

PaymentBookDialog::PaymentBookDialog(const PaymentBook &book, PaymentBookActions actions, QWidget *parent)
    : QDialog(parent), m_book(book), m_actions(std::move(actions)),
      m_ui(std::make_unique<Ui::KnjigaPlacanja>())
{
    m_ui->setupUi(this);
    setFont(windowFont());
    m_ui->BookState->addItem(u"sva"_s);
    for (const BookState state : states)
        m_ui->BookState->addItem(bookStateCaption(state), bookStateName(state));
    const QDate today = QDate::currentDate();
    m_ui->BookFrom->setDate(today.addMonths(-1));
    m_ui->BookTo->setDate(today);

    m_model = new BookTableModel(m_book, this);
    m_model->setFilter({});
    m_ui->BookTable->setModel(m_model);
    m_ui->BookTable->verticalHeader()->hide();
    m_ui->BookTable->horizontalHeader()->setStretchLastSection(true);
    m_ui->BookTable->setColumnWidth(BookTableModel::Recipient, 200);
    m_ui->BookTable->setColumnWidth(BookTableModel::Way, 220);
    m_ui->BookSplitter->setSizes({620, 280});
    m_ui->BookTotals->setText(totalsText(m_model->totals()));

    m_filterDelay = new QTimer(this);
    m_filterDelay->setSingleShot(true);
    m_filterDelay->setInterval(filterPauseMilliseconds);
    connect(m_filterDelay, &QTimer::timeout, this, [this] { runHandler([this] { applyFilter(); }); });
    const auto later = [this] { m_filterDelay->start(); };
    connect(m_ui->BookState, &QComboBox::currentIndexChanged, this, later);
    connect(m_ui->BookFrom, &QDateEdit::dateChanged, this, later);
    connect(m_ui->BookTo, &QDateEdit::dateChanged, this, later);
    connect(m_ui->BookRecipient, &QLineEdit::textChanged, this, later);
    connect(m_ui->BookText, &QLineEdit::textChanged, this, later);
    connect(m_ui->BookFromOn, &QCheckBox::toggled, this, [this, later](bool on) {
        m_ui->BookFrom->setEnabled(on);
        later();
    });
    connect(m_ui->BookToOn, &QCheckBox::toggled, this, [this, later](bool on) {
        m_ui->BookTo->setEnabled(on);
        later();
    });

    connect(m_ui->BookTable->selectionModel(), &QItemSelectionModel::selectionChanged, this,
            [this] { showChosen(); });
    connect(m_model, &QAbstractItemModel::modelReset, this, [this] { showChosen(); });
    connect(m_ui->BookOpenInTab, &QPushButton::clicked, this, [this] {
        runHandler([this] {
            if (m_actions.openInTab(chosen().constFirst()))
                accept();
        });
    });
    m_ui->BookResend->setVisible(bool(m_actions.resend));
    connect(m_ui->BookResend, &QPushButton::clicked, this, [this] {
        runHandler([this] {
            QList<qint64> refused;
            for (const BookEntry &entry : chosen()) {
                if (entry.state == BookState::Refused)
                    refused.append(entry.id);
            }
            m_actions.resend(refused);
            applyFilter();
        });
    });
    connect(m_ui->BookSaveTable, &QPushButton::clicked, this,
            [this] { runHandler([this] { m_actions.saveTable(m_model->filter()); }); });
    connect(m_ui->BookClose, &QPushButton::clicked, this, &QDialog::reject);
    showChosen();
}

PaymentBookDialog::~PaymentBookDialog() = default;

BookFilter PaymentBookDialog::filter() const
{
    BookFilter filter;
    if (const QString state = m_ui->BookState->currentData().toString(); !state.isEmpty())
        filter.state = bookStateNamed(state);
    if (m_ui->BookFromOn->isChecked())
        filter.from = m_ui->BookFrom->date();
    if (m_ui->BookToOn->isChecked())
        filter.to = m_ui->BookTo->date();
    filter.recipient = m_ui->BookRecipient->text();
    filter.text = m_ui->BookText->text();
    return filter;
}

void PaymentBookDialog::applyFilter()
{
    m_filterDelay->stop();
    m_model->setFilter(filter());
    m_ui->BookTotals->setText(totalsText(m_model->totals()));
}

QList<BookEntry> PaymentBookDialog::chosen() const
{
    QList<BookEntry> entries;
    for (const QModelIndex &row : m_ui->BookTable->selectionModel()->selectedRows())
        entries.append(m_model->entry(row.row()));
    return entries;
}

void PaymentBookDialog::showChosen()
{
    const QList<BookEntry> entries = chosen();
    m_ui->BookOpenInTab->setEnabled(entries.size() == 1);
    m_ui->BookResend->setEnabled(std::any_of(
        entries.begin(), entries.end(), [](const BookEntry &e) { return e.state == BookState::Refused; }));
    m_ui->BookDetail->setPlainText(
        entries.size() == 1
            ? detailText(entries.constFirst(), BookQuery::events(m_book, entries.constFirst().id))
            : QString());
}

QString PaymentBookDialog::totalsText(const BookTotals &totals)
{
    return u"Ukupno naloga: %1, iznos %2 EUR"_s.arg(totals.count).arg(hub3aAmountText(totals.cents));
}

QString PaymentBookDialog::detailText(const BookEntry &entry, const QList<BookEvent> &events)
{
    const BookPayment &payment = entry.payment;
    QStringList lines;
    for (const auto &field : hub3aFields()) {
        const QString label = field.label();
        lines.append(label.left(1).toUpper() + label.mid(1) + u": "_s + payment.record[field.field]);
    }
    lines.append(u"Instant: "_s + (payment.instant ? u"da"_s : u"ne"_s));
    static const QStringList sourceCaptions = {u"upisan u kartici"_s, u"datoteka naloga"_s, u"tablica"_s,
                                               u"račun"_s};
    QString source = sourceCaptions[static_cast<qsizetype>(payment.origin.source)];
    if (!payment.origin.file.isEmpty())
        source += u' ' + payment.origin.file;
    if (payment.origin.place > 0)
        source += (payment.origin.source == BookSource::Invoice ? u", str. %1"_s : u", red %1"_s)
                      .arg(payment.origin.place);
    lines.append(u"Izvor: "_s + source);
    lines.append(u"Izlaz: %1, %2"_s.arg(timeText(entry.left), bookWayText(payment)));
    const std::pair<const char *, QString> ids[] = {{"Oznaka poruke", payment.messageId},
                                                    {"Oznaka grupe", payment.paymentInfoId},
                                                    {"Oznaka naloga", payment.instructionId},
                                                    {"End-to-end", payment.endToEndId}};
    for (const auto &[caption, id] : ids) {
        if (!id.isEmpty())
            lines.append(QString::fromUtf8(caption) + u": "_s + id);
    }
    lines.append(QString());
    lines.append(u"Stanja:"_s);
    for (const BookEvent &event : events) {
        QString line = timeText(event.at) + u' ' + bookStateCaption(event.state);
        if (!event.reason.isEmpty())
            line += u": "_s + event.reason;
        lines.append(line);
    }
    return lines.join(u'\n');
}
