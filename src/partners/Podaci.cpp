#include "partners/Podaci.h"
#include "ui_Podaci.h"

#include "model/UserError.h"
#include "partners/OwnerDrawDelegate.h"
#include "partners/PartnerEntry.h"
#include "partners/PartnerList.h"
#include "partners/PartnerRow.h"
#include "partners/PartnerTextValidator.h"
#include "payments/AccountCheck.h"
#include "payments/PaymentFields.h"
#include "ui/CheckMark.h"
#include "ui/HandlerErrors.h"
#include "ui/UserDialogs.h"
#include "ui/WindowFont.h"

#include <QResizeEvent>

#include <algorithm>

TForm2::TForm2(PartnerList &partners, UserDialogs &dialogs, QWidget *parent)
    : QWidget(parent), m_ui(std::make_unique<Ui::TForm2>()), m_partners(partners), m_dialogs(dialogs)
{
    setFont(windowFont());
    m_ui->setupUi(this);
    for (QLabel *label : findChildren<QLabel *>())
        label->adjustSize();
    m_ui->Work->hide();

    QListWidget *list = m_ui->ListBox1;
    list->setUniformItemSizes(true);
    list->setItemDelegate(new OwnerDrawDelegate(
        PartnerRow::height,
        [this](QPainter &painter, const QRect &row, bool selected, int index) {
            ListBox1DrawItem(painter, row, selected, index);
        },
        list));
    for (QLineEdit *field : {m_ui->Name, m_ui->Account, m_ui->Poziv})
        field->setValidator(new PartnerTextValidator(field));
    CheckMark::beside(m_ui->Account, checkAccount);
    CheckMark::beside(m_ui->Poziv,
                      [](const QString &shown) { return checkJoinedReference(referenceFromEditing(shown)); });

    connectHandler(&m_partners, &PartnerList::changed, this, &TForm2::showEntries);
    connectHandler(m_ui->BitBtn1, &QPushButton::clicked, this, &TForm2::BitBtn1Click);
    connectHandler(m_ui->BitBtn2, &QPushButton::clicked, this, &TForm2::BitBtn2Click);
    connectHandler(m_ui->BitBtn3, &QPushButton::clicked, this, &TForm2::BitBtn3Click);
    connectHandler(m_ui->Button1, &QPushButton::clicked, this, &TForm2::Button1Click);
    connectHandler(m_ui->BitBtn4, &QPushButton::clicked, this, &TForm2::BitBtn4Click);
    connectHandler(m_ui->BitBtn5, &QPushButton::clicked, this, &TForm2::BitBtn5Click);

    showEntries();
}

TForm2::~TForm2()
{
    runHandler([this] { FormDestroy(); });
}

void TForm2::showWithoutBlocking()
{
    show();
    raise();
    activateWindow();
}

void TForm2::FormCreate()
{
    m_partners.LoadData();
}

// A file that could not be read, or not whole, is kept: writing the list over it would lose what it
// holds. "U redu" still writes, as the user asks for it.
void TForm2::FormDestroy()
{
    if (m_partners.loadedWhole())
        m_partners.SaveData();
}

void TForm2::ListBox1DrawItem(QPainter &painter, const QRect &row, bool selected, int index) const
{
    PartnerRow::draw(painter, row, selected, m_ui->ListBox1->item(index)->text());
}

// "Dodaj": the fields keep the texts of the last add or change.
void TForm2::BitBtn1Click()
{
    openWork(EditMode::Add);
}

QString deletePartnersQuestion(int count)
{
    // The adjective follows the number: 1, 21, 31 … take the singular, 2–4, 22–24 … the paucal.
    const int last = count % 10, lastTwo = count % 100;
    const QString selected = last == 1 && lastTwo != 11 ? QStringLiteral("odabranog")
                             : last >= 2 && last <= 4 && (lastTwo < 12 || lastTwo > 14)
                                 ? QStringLiteral("odabrana")
                                 : QStringLiteral("odabranih");
    return QStringLiteral("Obrisati %1 %2 partnera?").arg(count).arg(selected);
}

// "Obriši": every selected entry; one at once, several after a question; nothing when no entry is
// selected.
void TForm2::BitBtn2Click()
{
    const QList<int> rows = selectedRows();
    if (rows.isEmpty())
        return;
    if (rows.size() > 1 && !m_dialogs.askYesNo(deletePartnersQuestion(static_cast<int>(rows.size()))))
        return;
    for (auto row = rows.crbegin(); row != rows.crend(); ++row)
        m_partners.remove(*row);
    m_ui->ListBox1->clearSelection();
}

// "Promijeni": with no entry selected the list's index error ends the action before anything
// changes; so does an entry with a text longer than its field can hold, which the edit would cut.
void TForm2::BitBtn3Click()
{
    const QString entry = m_partners.at(selectedIndex());
    const PartnerParts parts = SplitPartner(entry);
    const QString reference = referenceForEditing(parts.reference);
    for (const auto &[field, text] :
         {std::pair{m_ui->Name, parts.name}, std::pair{m_ui->Account, parts.account},
          std::pair{m_ui->Poziv, reference}}) {
        if (text.size() > field->maxLength())
            throw UserError(QStringLiteral("Zapis je predug za promjenu: polje prima najviše %1 znakova.")
                                .arg(field->maxLength()));
    }
    m_ui->Name->setText(parts.name);
    m_ui->Account->setText(parts.account);
    m_ui->Poziv->setText(reference);
    m_opened = {entry, m_ui->Name->text(), m_ui->Account->text(), m_ui->Poziv->text()};
    openWork(EditMode::Change);
}

// "Spremi": the list area was disabled while editing, so the selected entry is the one opened. An
// entry whose fields were not changed is kept as it was, byte for byte.
void TForm2::Button1Click()
{
    const QString name = m_ui->Name->text(), account = m_ui->Account->text(), shown = m_ui->Poziv->text();
    const bool unchanged = m_editMode == EditMode::Change && name == m_opened.name &&
                           account == m_opened.account && shown == m_opened.reference;
    const QString entry =
        unchanged ? m_opened.entry : joinPartner(name, account, referenceFromEditing(shown));
    if (m_editMode == EditMode::Add)
        m_partners.append(entry);
    else if (!unchanged)
        m_partners.replace(selectedIndex(), entry);
    m_ui->Work->hide();
    m_ui->Panel1->setEnabled(true);
    if (!unchanged)
        m_partners.warnIfNotSavedAtExit();
}

// "U redu". The window's close button only hides the dialog and writes nothing.
void TForm2::BitBtn4Click()
{
    hide();
    m_partners.SaveData();
}

// "Uplatnice za odabrane": several entries are selected with Ctrl or Shift and a click.
void TForm2::BitBtn5Click()
{
    QStringList entries;
    for (const int row : selectedRows())
        entries.append(m_partners.at(row));
    emit slipsForSelectedRequested(entries);
}

void TForm2::resizeEvent(QResizeEvent *event)
{
    // The list area keeps its height across the top; the edit area takes the rest.
    const QSize size = event->size();
    const int listAreaHeight = m_ui->Panel1->height();
    m_ui->Panel1->setGeometry(0, 0, size.width(), listAreaHeight);
    m_ui->Work->setGeometry(0, listAreaHeight, size.width(), size.height() - listAreaHeight);
    QWidget::resizeEvent(event);
}

int TForm2::selectedIndex() const
{
    const QModelIndexList selected = m_ui->ListBox1->selectionModel()->selectedIndexes();
    return selected.isEmpty() ? -1 : selected.first().row();
}

QList<int> TForm2::selectedRows() const
{
    QList<int> rows;
    for (const QModelIndex &index : m_ui->ListBox1->selectionModel()->selectedRows())
        rows.append(index.row());
    std::sort(rows.begin(), rows.end());
    return rows;
}

// Brings the rows in line with the list, row by row, so the selection and the scroll position stay.
void TForm2::showEntries()
{
    QListWidget *list = m_ui->ListBox1;
    const QStringList entries = m_partners.entries();
    while (list->count() > entries.size())
        std::unique_ptr<QListWidgetItem>(list->takeItem(list->count() - 1));
    const int shown = list->count();
    for (int i = 0; i < shown; ++i)
        list->item(i)->setText(entries.at(i));
    // Added in one go: the list lays itself out once, not once per entry.
    list->addItems(entries.mid(shown));
}

void TForm2::openWork(EditMode mode)
{
    m_ui->Panel1->setEnabled(false);
    m_ui->Work->show();
    m_editMode = mode;
    m_ui->Name->setFocus();
}
