#include "app/PickPanel.h"

#include "app/Glyphs.h"
#include "model/UserError.h"
#include "partners/OwnerDrawDelegate.h"
#include "partners/PartnerRow.h"

#include <QListWidget>
#include <QShortcut>
#include <QToolButton>

PickPanel::PickPanel(QWidget *window)
    : QFrame(window), ListBox1(new QListWidget(this)), SpeedButton12(new QToolButton(this))
{
    setObjectName(QStringLiteral("PickPanel"));
    setFrameStyle(QFrame::Panel | QFrame::Raised);
    setAutoFillBackground(true);
    resize(305, 79);

    ListBox1->setObjectName(QStringLiteral("ListBox1"));
    ListBox1->setGeometry(2, 2, 301, 55);
    ListBox1->setFrameStyle(QFrame::Box | QFrame::Plain);
    ListBox1->setUniformItemSizes(true);
    // The rows fit the width: a horizontal bar would take a row's height away, leaving 3 of 4.
    ListBox1->setHorizontalScrollBarPolicy(Qt::ScrollBarAlwaysOff);
    ListBox1->setSelectionMode(QAbstractItemView::SingleSelection);
    ListBox1->setItemDelegate(new OwnerDrawDelegate(
        PartnerRow::pickHeight,
        [list = ListBox1](QPainter &painter, const QRect &row, bool selected, int index) {
            PartnerRow::drawPick(painter, row, selected, list->item(index)->text());
        },
        ListBox1));

    SpeedButton12->setObjectName(QStringLiteral("SpeedButton12"));
    SpeedButton12->setGeometry(282, 58, 21, 19);
    makeGlyphButton(SpeedButton12, Glyph::StoreDefault);
    connect(SpeedButton12, &QToolButton::clicked, this, &PickPanel::acceptPressed);
    // Escape closes the panel without choosing, wherever in the window the focus is.
    auto *close = new QShortcut(QKeySequence(Qt::Key_Escape), this);
    close->setContext(Qt::WindowShortcut);
    connect(close, &QShortcut::activated, this, &QWidget::hide);
    hide();
}

void PickPanel::open(const QStringList &entries, QPoint topLeft, PickTarget target)
{
    ListBox1->clear();
    ListBox1->addItems(entries);
    ListBox1->setCurrentRow(-1);
    m_target = target;
    move(topLeft);
    show();
    raise();
}

QString PickPanel::selectedEntry() const
{
    const QList<QListWidgetItem *> selected = ListBox1->selectedItems();
    if (selected.isEmpty())
        throw UserError(QStringLiteral("List index out of bounds (%1)").arg(-1));
    return selected.first()->text();
}
