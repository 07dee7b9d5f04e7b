#include "app/PaymentBookView.h"

#include "app/Hub3aTab.h"
#include "app/OffThread.h"
#include "app/PaymentBookDialog.h"
#include "app/ZorPrint.h"
#include "batch/BookTable.h"
#include "batch/ScannedSlips.h"
#include "book/PaymentBook.h"
#include "model/TextFile.h"
#include "ui/HandlerErrors.h"
#include "ui/UserDialogs.h"

#include <QAction>
#include <QApplication>

using namespace Qt::StringLiterals;

namespace {

// How many payments the saved table's reader takes at a time.
constexpr int savedPage = 2000;

} // namespace

PaymentBookView::PaymentBookView(TForm1 &window, UserDialogs &dialogs, QString bookPath)
    : m_window(window), m_dialogs(dialogs), m_bookPath(std::move(bookPath))
{
    m_menuEntry = new QAction(u"&Knjiga plaćanja"_s, &m_window);
    m_menuEntry->setObjectName(u"PaymentBook"_s);
    connectHandler(m_menuEntry, &QAction::triggered, this, &PaymentBookView::showBook);
}

void PaymentBookView::showBook()
{
    const PaymentBook book(m_bookPath);
    PaymentBookActions actions{
        .openInTab = [this](const BookEntry &entry) { return openInTab(entry); },
        .resend = {},
        .saveTable = [this, &book](const BookFilter &filter) { saveTable(book, filter); },
    };
    if (resendRefused)
        actions.resend = [this](const QList<qint64> &ids) { resendRefused(ids); };
    PaymentBookDialog dialog(book, std::move(actions), &m_window);
    dialog.exec();
}

bool PaymentBookView::openInTab(const BookEntry &entry)
{
    if (ScannedSlips::tabHoldsSlip(m_window.hub3a().record()) &&
        !m_dialogs.askYesNo(u"HUB-3A kartica već sadrži nalog. Zamijeniti ga nalogom iz knjige plaćanja?"_s))
        return false;
    m_window.showHub3aRecord(entry.payment.record);
    return true;
}

void PaymentBookView::saveTable(const PaymentBook &book, const BookFilter &filter)
{
    const std::optional<QString> path = m_dialogs.getSaveFileName(u"Spremi tablicu plaćanja"_s, u"csv"_s);
    if (!path)
        return;
    const qint64 total = BookQuery::totals(book, filter).count;
    const WaitLook look{u"Spremanje tablice plaćanja"_s,
                        [](const WorkProgress &progress) {
                            return u"Pročitano naloga: %1 od %2"_s.arg(progress.done()).arg(progress.total());
                        },
                        quietMilliseconds};
    // The worker reads through a connection of its own, a page at a time, so that "Odustani" is
    // answered between pages.
    struct Table
    {
        QByteArray bytes;
        qsizetype rows = 0;
    };
    const std::optional<Table> table =
        runOffThread(QApplication::activeModalWidget() ? QApplication::activeModalWidget() : &m_window, look,
                     [bookPath = book.path(), filter, total](WorkProgress &progress) {
                         const PaymentBook reading(bookPath);
                         QList<BookEntry> entries;
                         while (!progress.cancelled()) {
                             const QList<BookEntry> page = BookQuery::page(
                                 reading, filter, entries.isEmpty() ? 0 : entries.constLast().id, savedPage);
                             entries += page;
                             progress.report(entries.size(), total);
                             if (page.size() < savedPage)
                                 break;
                         }
                         return Table{bookTableCsv(entries), entries.size()};
                     });
    if (!table) {
        m_dialogs.showMessage(u"Prekinuto: tablica nije spremljena."_s);
        return;
    }
    TextFile::writeAtomically(*path, table->bytes);
    m_dialogs.showMessage(u"Spremljeno naloga: %1 u %2"_s.arg(table->rows).arg(*path));
}
