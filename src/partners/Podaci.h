#pragma once

#include <QString>
#include <QWidget>

#include <memory>

class PartnerList;
class UserDialogs;

namespace Ui {
class TForm2;
}

// The question "Obriši" asks before deleting count selected partners ("Obrisati 2 odabrana partnera?").
QString deletePartnersQuestion(int count);

// The partner dialog: shows the program's one partner list and lets the user add, change and
// delete partners. It is created hidden at start-up, where FormCreate loads the list from its file,
// is shown without blocking the main window and lives until the end of the program, when its
// destruction writes the file (unless the file could not be read and was never saved since); an
// error of that write is kept like a handler's, for the application to show. Entries the main window
// appends meanwhile show at the end of the list at once.
class TForm2 : public QWidget
{
    Q_OBJECT

public:
    TForm2(PartnerList &partners, UserDialogs &dialogs, QWidget *parent = nullptr);
    ~TForm2() override;

    // Shows the dialog in front; the main window stays usable meanwhile.
    void showWithoutBlocking();

    // Owner drawing of the list's entry at index.
    void ListBox1DrawItem(QPainter &painter, const QRect &row, bool selected, int index) const;

public slots:
    // Made at start-up: loads the partner file.
    void FormCreate();
    // Destroyed at the end: writes the partner file.
    void FormDestroy();
    // "Dodaj"
    void BitBtn1Click();
    // "Obriši"
    void BitBtn2Click();
    // "Promijeni"
    void BitBtn3Click();
    // "Spremi"
    void Button1Click();
    // "U redu"
    void BitBtn4Click();
    // "Uplatnice za odabrane": asks for a HUB-3A slip per selected partner.
    void BitBtn5Click();

signals:
    // The selected entries, in the list's order, for a HUB-3A slip each with the partner as payer.
    void slipsForSelectedRequested(const QStringList &entries);

protected:
    void resizeEvent(QResizeEvent *event) override;

private:
    enum class EditMode { Add, Change };

    int selectedIndex() const;
    // The selected rows in the list's order.
    QList<int> selectedRows() const;
    void showEntries();
    void openWork(EditMode mode);

    std::unique_ptr<Ui::TForm2> m_ui;
    PartnerList &m_partners;
    UserDialogs &m_dialogs;
    EditMode m_editMode = EditMode::Add;
    // The entry "Promijeni" opened and its fields as shown.
    struct OpenedEntry
    {
        QString entry, name, account, reference;
    } m_opened;
};
