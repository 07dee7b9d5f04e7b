#include "app/PaymentBookView.h"

#include "app/Hub3aTab.h"
#include "app/PaymentBookDialog.h"
#include "app/ZorPrint.h"
#include "batch/BookTable.h"
#include "batch/ScannedSlips.h"
#include "book/PaymentBook.h"
#include "model/TextFile.h"
#include "ui/HandlerErrors.h"
#include "ui/UserDialogs.h"

#include <QAction>

using namespace Qt::StringLiterals;

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
    const QList<BookEntry> entries = BookQuery::page(book, filter, 0, BookQuery::wholeBook);
    TextFile::writeAtomically(*path, bookTableCsv(entries));
    m_dialogs.showMessage(u"Spremljeno naloga: %1 u %2"_s.arg(entries.size()).arg(*path));
}
