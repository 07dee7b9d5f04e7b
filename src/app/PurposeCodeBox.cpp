#include "app/PurposeCodeBox.h"

#include "app/LineBox.h"

#include <QAbstractItemView>
#include <QStyledItemDelegate>

namespace {

constexpr PurposeCode codes[] = {
    {"COST", u"Plaćanje troškova"},
    {"OTHR", u"Ostala plaćanja"},
    {"SALA", u"Plaća"},
    {"SUPP", u"Plaćanje dobavljaču"},
    {"GOVT", u"Plaćanje državi"},
    {"TAXS", u"Plaćanje poreza"},
    {"VATX", u"Plaćanje PDV-a"},
    {"GDSV", u"Kupnja robe i usluga"},
    {"RENT", u"Najamnina"},
    {"ELEC", u"Električna energija"},
    {"GASB", u"Plin"},
    {"WTER", u"Voda"},
    {"PHON", u"Telefon"},
    {"CBTV", u"Kabelska televizija"},
    {"INSU", u"Osiguranje"},
    {"LOAN", u"Otplata kredita"},
    {"PENS", u"Mirovina"},
    {"SSBE", u"Socijalna naknada"},
    {"CHAR", u"Donacija"},
    {"ALMY", u"Alimentacija"},
    {"EDUC", u"Obrazovanje"},
};

// Shows each listed code with its name; the box itself holds the code alone.
class CodeWithNameDelegate : public QStyledItemDelegate
{
public:
    using QStyledItemDelegate::QStyledItemDelegate;

protected:
    void initStyleOption(QStyleOptionViewItem *option, const QModelIndex &index) const override
    {
        QStyledItemDelegate::initStyleOption(option, index);
        option->text += QStringLiteral("  ") + index.data(Qt::ToolTipRole).toString();
    }
};

} // namespace

std::span<const PurposeCode> purposeCodes()
{
    return codes;
}

PurposeCodeBox::PurposeCodeBox(QWidget *parent) : QComboBox(parent), m_editor(new LineBox(this))
{
    setEditable(true);
    setLineEdit(m_editor);
    setInsertPolicy(QComboBox::NoInsert);
    setCompleter(nullptr); // a typed code stays as typed, not completed to a listed one
    for (const PurposeCode &code : codes) {
        addItem(QLatin1StringView(code.code));
        setItemData(count() - 1, QString::fromUtf16(code.name), Qt::ToolTipRole);
    }
    setItemDelegate(new CodeWithNameDelegate(this));
    setMaxVisibleItems(12);
    setCurrentIndex(-1);
    view()->setMinimumWidth(220);
}
