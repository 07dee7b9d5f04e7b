#include "app/BatchOutputDialog.h"

#include "ui/WindowFont.h"

#include <QDialogButtonBox>
#include <QGroupBox>
#include <QPushButton>
#include <QRadioButton>
#include <QVBoxLayout>

namespace {

QRadioButton *choice(const char *name, const QString &text, QWidget *group, QVBoxLayout *layout)
{
    auto *button = new QRadioButton(text, group);
    button->setObjectName(QLatin1StringView(name));
    layout->addWidget(button);
    return button;
}

} // namespace

BatchOutputDialog::BatchOutputDialog(const QString &printer, QWidget *parent) : QDialog(parent)
{
    setFont(windowFont());
    setWindowTitle(QStringLiteral("Ispis uplatnica"));
    auto *layout = new QVBoxLayout(this);

    auto *destinations = new QGroupBox(QStringLiteral("Ispis na"), this);
    auto *destinationLayout = new QVBoxLayout(destinations);
    choice("ToPdf", QStringLiteral("PDF datoteka"), destinations, destinationLayout)->setChecked(true);
    m_toPrinter =
        choice("ToPrinter", QStringLiteral("Pisač: %1").arg(printer), destinations, destinationLayout);
    m_toPrinter->setEnabled(!printer.isEmpty());
    layout->addWidget(destinations);

    auto *modes = new QGroupBox(QStringLiteral("Način ispisa"), this);
    auto *modeLayout = new QVBoxLayout(modes);
    m_complete =
        choice("Complete", QStringLiteral("Ispis kompletne uplatnice - layout + podaci"), modes, modeLayout);
    m_template = choice("Template", QStringLiteral("Ispis predloška uplatnice"), modes, modeLayout);
    choice("DataOnly", QStringLiteral("Ispis podataka na uplatnicu"), modes, modeLayout);
    m_complete->setChecked(true);
    layout->addWidget(modes);

    auto *pages = new QGroupBox(QStringLiteral("Stranica PDF datoteke"), this);
    auto *pageLayout = new QVBoxLayout(pages);
    m_threePerPage = choice("ThreePerPage", QStringLiteral("Tri naloga na A4 stranici"), pages, pageLayout);
    choice("OnePerPage", QStringLiteral("Jedan nalog na stranici (210 × 99 mm)"), pages, pageLayout);
    m_threePerPage->setChecked(true);
    layout->addWidget(pages);

    auto *buttons = new QDialogButtonBox(this);
    buttons->addButton(QStringLiteral("U redu"), QDialogButtonBox::AcceptRole)
        ->setObjectName(QStringLiteral("Ok"));
    buttons->addButton(QStringLiteral("Otkaži"), QDialogButtonBox::RejectRole)
        ->setObjectName(QStringLiteral("Cancel"));
    connect(buttons, &QDialogButtonBox::accepted, this, &QDialog::accept);
    connect(buttons, &QDialogButtonBox::rejected, this, &QDialog::reject);
    layout->addWidget(buttons);
}

BatchOutput BatchOutputDialog::output() const
{
    BatchOutput output;
    output.toPrinter = m_toPrinter->isChecked();
    output.pdf.slipsPerPage = m_threePerPage->isChecked() ? 3 : 1;
    output.pdf.mode = m_complete->isChecked()   ? PrintMode::Complete
                      : m_template->isChecked() ? PrintMode::Template
                                                : PrintMode::DataOnly;
    return output;
}
