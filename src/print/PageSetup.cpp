#include "print/PageSetup.h"

#include <QComboBox>
#include <QDoubleSpinBox>
#include <QPageSetupDialog>
#include <QPrinter>
#include <QRadioButton>

#include <algorithm>

// The dialog is driven through its controls' object names: on its own it opens on the printer's
// default paper with no margins, and for a spooler queue it cannot hand a chosen paper back (its
// margins of 0 are below what the queue prints, so the printer refuses the whole page layout).
namespace {

struct SetupControls
{
    QComboBox *paper = nullptr;
    QComboBox *unit = nullptr;
    QRadioButton *landscape = nullptr;
    QDoubleSpinBox *left = nullptr, *top = nullptr, *right = nullptr, *bottom = nullptr;

    explicit SetupControls(const QPageSetupDialog &dialog)
        : paper(dialog.findChild<QComboBox *>(QStringLiteral("pageSizeCombo"))),
          unit(dialog.findChild<QComboBox *>(QStringLiteral("unitCombo"))),
          landscape(dialog.findChild<QRadioButton *>(QStringLiteral("landscape"))),
          left(dialog.findChild<QDoubleSpinBox *>(QStringLiteral("leftMargin"))),
          top(dialog.findChild<QDoubleSpinBox *>(QStringLiteral("topMargin"))),
          right(dialog.findChild<QDoubleSpinBox *>(QStringLiteral("rightMargin"))),
          bottom(dialog.findChild<QDoubleSpinBox *>(QStringLiteral("bottomMargin")))
    {
    }

    bool complete() const { return paper && unit && landscape && left && top && right && bottom; }
    QPageLayout::Unit units() const { return unit->currentData().value<QPageLayout::Unit>(); }

    void show(const QPageLayout &layout)
    {
        for (int i = 0; i < paper->count(); ++i) {
            if (paper->itemData(i).value<QPageSize>().isEquivalentTo(layout.pageSize())) {
                paper->setCurrentIndex(i);
                break;
            }
        }
        if (layout.orientation() == QPageLayout::Landscape)
            landscape->click();
        QPageLayout shown = layout;
        shown.setUnits(units());
        const QMarginsF margins = shown.margins();
        left->setValue(margins.left());
        top->setValue(margins.top());
        right->setValue(margins.right());
        bottom->setValue(margins.bottom());
    }

    QPageSize paperSize() const { return paper->currentData().value<QPageSize>(); }
    QPageLayout::Orientation orientation() const
    {
        return landscape->isChecked() ? QPageLayout::Landscape : QPageLayout::Portrait;
    }
    QMarginsF margins() const { return {left->value(), top->value(), right->value(), bottom->value()}; }
};

// The least margins of a page whose layout holds those of the upright sheet, as the spooler gives
// them: a landscape page is that sheet turned a quarter counter-clockwise, its left edge the
// sheet's bottom edge.
QMarginsF leastMargins(const QPageLayout &page)
{
    const QMarginsF upright = page.minimumMargins();
    if (page.orientation() != QPageLayout::Landscape)
        return upright;
    return {upright.bottom(), upright.left(), upright.top(), upright.right()};
}

// The chosen margins, converted to the page's units and kept within what the printer can print.
QPageLayout printablePage(const QPageLayout &page, QMarginsF chosen, QPageLayout::Unit units)
{
    QPageLayout converted = page;
    converted.setUnits(units);
    converted.setMinimumMargins(QMarginsF());
    converted.setMargins(chosen);
    converted.setUnits(page.units());
    chosen = converted.margins();
    const QMarginsF least = leastMargins(page);
    const QSizeF sheet = page.fullRect().size();
    const auto clamp = [](double value, double low, double high) {
        return std::max(low, std::min(value, high));
    };
    const QMarginsF margins(clamp(chosen.left(), least.left(), sheet.width() - least.right()),
                            clamp(chosen.top(), least.top(), sheet.height() - least.bottom()),
                            clamp(chosen.right(), least.right(), sheet.width() - least.left()),
                            clamp(chosen.bottom(), least.bottom(), sheet.height() - least.top()));
    return QPageLayout(page.pageSize(), page.orientation(), margins, page.units(), least);
}

} // namespace

std::optional<QPageLayout> runPageSetup(QPrinter &printer, const QPageLayout &shown, QWidget *parent)
{
    QPageSetupDialog dialog(&printer, parent);
    SetupControls controls(dialog);
    if (!controls.complete())
        return dialog.exec() == QDialog::Accepted ? std::optional(printer.pageLayout()) : std::nullopt;
    controls.show(shown);
    if (dialog.exec() != QDialog::Accepted)
        return std::nullopt;
    const QPageSize paper = controls.paperSize();
    if (paper.isValid())
        printer.setPageSize(paper);
    // The printer's layout keeps the upright sheet's least margins whatever the orientation.
    printer.setPageOrientation(QPageLayout::Portrait);
    QPageLayout page = printer.pageLayout();
    page.setOrientation(controls.orientation());
    page = printablePage(page, controls.margins(), controls.units());
    printer.setPageOrientation(page.orientation());
    printer.setPageMargins(page.margins(), page.units());
    return page;
}
