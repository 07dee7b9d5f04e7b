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

// The chosen margins, converted to the printer's units and kept within what it can print.
QMarginsF printableMargins(const QPageLayout &printerPage, QMarginsF chosen, QPageLayout::Unit units)
{
    QPageLayout converted = printerPage;
    converted.setUnits(units);
    converted.setMinimumMargins(QMarginsF());
    converted.setMargins(chosen);
    converted.setUnits(printerPage.units());
    chosen = converted.margins();
    const QMarginsF least = printerPage.minimumMargins();
    const QMarginsF most = printerPage.maximumMargins();
    return {std::clamp(chosen.left(), least.left(), most.left()),
            std::clamp(chosen.top(), least.top(), most.top()),
            std::clamp(chosen.right(), least.right(), most.right()),
            std::clamp(chosen.bottom(), least.bottom(), most.bottom())};
}

} // namespace

bool runPageSetup(QPrinter &printer, QWidget *parent)
{
    QPageSetupDialog dialog(&printer, parent);
    SetupControls controls(dialog);
    if (!controls.complete())
        return dialog.exec() == QDialog::Accepted;
    controls.show(printer.pageLayout());
    if (dialog.exec() != QDialog::Accepted)
        return false;
    const QPageSize paper = controls.paperSize();
    if (paper.isValid())
        printer.setPageSize(paper);
    printer.setPageOrientation(controls.orientation());
    const QPageLayout page = printer.pageLayout();
    printer.setPageMargins(printableMargins(page, controls.margins(), controls.units()), page.units());
    return true;
}
