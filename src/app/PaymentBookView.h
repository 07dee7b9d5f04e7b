#pragma once

#include "book/BookQuery.h"

#include <QObject>
#include <QString>

#include <functional>

class QAction;
class TForm1;
class UserDialogs;

// The window's way to the payments book: "Datoteka › Knjiga plaćanja" opens the book and shows its
// payments (PaymentBookDialog); one opens in the HUB-3A tab, refused ones are sent again, and what
// the filter shows is saved as a table.
class PaymentBookView : public QObject
{
    Q_OBJECT

public:
    PaymentBookView(TForm1 &window, UserDialogs &dialogs, QString bookPath);

    // "Knjiga plaćanja", for the window's "Datoteka" menu.
    QAction *menuEntry() const { return m_menuEntry; }
    const QString &bookPath() const { return m_bookPath; }

    // Makes a bank file of the refused payments given by their numbers in the book; without it the
    // book's window offers no "Pošalji ponovno".
    std::function<void(const QList<qint64> &paymentIds)> resendRefused;

    // "Knjiga plaćanja": opens the book (its error shown when it cannot be) and shows its window.
    void showBook();
    // "Otvori u kartici": the payment fills the HUB-3A tab, after asking when the tab holds a slip;
    // false when the clerk keeps the tab's slip.
    bool openInTab(const BookEntry &entry);
    // "Spremi tablicu": every payment the filter lets through, newest first, to a chosen CSV file,
    // read off the window's thread ("Odustani" once it lasts).
    void saveTable(const PaymentBook &book, const BookFilter &filter);

    // A save that lasts longer than this shows its progress and "Odustani".
    static constexpr int quietMilliseconds = 400;

private:
    TForm1 &m_window;
    UserDialogs &m_dialogs;
    QString m_bookPath;
    QAction *m_menuEntry = nullptr;
};
