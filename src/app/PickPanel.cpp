#include "app/PickPanel.h"

#include "app/Glyphs.h"
#include "model/UserError.h"
#include "partners/OwnerDrawDelegate.h"
#include "partners/PartnerRow.h"

#include <QListWidget>
#include <QShortcut>
#include <QToolButton>

PickPanel::PickPanel(QWidget *window)
    : QFrame(window), m_list(new QListWidget(this)), m_acceptButton(new QToolButton(this))
{
    setObjectName(QStringLiteral("PickPanel"));
    setFrameStyle(QFrame::Panel | QFrame::Raised);
    setAutoFillBackground(true);
    resize(305, 79);

    m_list->setObjectName(QStringLiteral("ListBox1"));
    m_list->setGeometry(2, 2, 301, 55);
    m_list->setFrameStyle(QFrame::Box | QFrame::Plain);
    m_list->setUniformItemSizes(true);
    // The rows fit the width: a horizontal bar would take a row's height away, leaving 3 of 4.
    m_list->setHorizontalScrollBarPolicy(Qt::ScrollBarAlwaysOff);
    m_list->setSelectionMode(QAbstractItemView::SingleSelection);
    m_list->setItemDelegate(new OwnerDrawDelegate(
        PartnerRow::pickHeight,
        [list = m_list](QPainter &painter, const QRect &row, bool selected, int index) {
            PartnerRow::drawPick(painter, row, selected, list->item(index)->text());
        },
        m_list));

    m_acceptButton->setGeometry(282, 58, 21, 19);
    makeGlyphButton(m_acceptButton, Glyph::StoreDefault);
    connect(m_acceptButton, &QToolButton::clicked, this, &PickPanel::acceptPressed);
    // Escape closes the panel without choosing, wherever in the window the focus is.
    auto *close = new QShortcut(QKeySequence(Qt::Key_Escape), this);
    close->setContext(Qt::WindowShortcut);
    connect(close, &QShortcut::activated, this, &QWidget::hide);
    hide();
}

void PickPanel::open(const QStringList &entries, QPoint topLeft, PickTarget target)
{
    m_list->clear();
    m_list->addItems(entries);
    m_list->setCurrentRow(-1);
    m_target = target;
    move(topLeft);
    show();
    raise();
}

QString PickPanel::selectedEntry() const
{
    const QList<QListWidgetItem *> selected = m_list->selectedItems();
    if (selected.isEmpty())
        throw UserError(QStringLiteral("List index out of bounds (%1)").arg(-1));
    return selected.first()->text();
}
