#include "app/BookedPrints.h"

#include "book/PaymentBook.h"
#include "book/RepeatCheck.h"
#include "print/PrintProp.h"
#include "ui/UserDialogs.h"

BookedPrints::BookedPrints(UserDialogs &dialogs, const SettingsStore &store, QString bookPath)
    : m_dialogs(dialogs), m_store(store), m_bookPath(std::move(bookPath))
{
}

void BookedPrints::attach(TForm3 &dialog) const
{
    dialog.beforeHub3aPrint = [this](const Hub3aRecord &slip) { return mayPrint(slip); };
    dialog.afterHub3aPrint = [this](const Hub3aRecord &slip, const QString &printer) {
        recordPrinted(slip, printer);
    };
}

bool BookedPrints::mayPrint(const Hub3aRecord &slip) const
{
    const PaymentBook book(m_bookPath);
    const std::optional<BookRepeat> repeat =
        RepeatCheck(book, QDate::currentDate(), repeatDays(m_store)).find(slip);
    return !repeat || m_dialogs.askYesNo(repeatQuestion(*repeat));
}

void BookedPrints::recordPrinted(const Hub3aRecord &slip, const QString &printer) const
{
    PaymentBook book(m_bookPath);
    BookPayment payment;
    payment.record = slip;
    payment.way = BookWay::Printed;
    payment.wayFile = printer;
    PaymentBook::Transaction transaction(book);
    book.record(transaction, payment, QDateTime::currentDateTime(), BookState::Sent);
    transaction.commit();
}
