#include "app/BatchOutputDialog.h"

#include "ui/WindowFont.h"

#include <QComboBox>
#include <QDialogButtonBox>
#include <QGroupBox>
#include <QLabel>
#include <QPushButton>
#include <QRadioButton>
#include <QVBoxLayout>

#include <algorithm>

namespace {

QRadioButton *choice(const char *name, const QString &text, QWidget *group, QVBoxLayout *layout)
{
    auto *button = new QRadioButton(text, group);
    button->setObjectName(QLatin1StringView(name));
    layout->addWidget(button);
    return button;
}

} // namespace

BatchOutputDialog::BatchOutputDialog(const QStringList &printers, const QString &current, QWidget *parent,
                                     bool offerBankFile, const QString &fromTab)
    : QDialog(parent)
{
    setFont(windowFont());
    setWindowTitle(QStringLiteral("Ispis uplatnica"));
    auto *layout = new QVBoxLayout(this);

    // Said before anything goes out: what every slip carries that the rows did not give.
    auto *tabFields =
        new QLabel(fromTab.isEmpty() ? QStringLiteral("S HUB-3A kartice ne uzima se ništa.")
                                     : QStringLiteral("S HUB-3A kartice uzima se: %1.").arg(fromTab),
                   this);
    tabFields->setObjectName(QStringLiteral("FromTab"));
    tabFields->setWordWrap(true);
    layout->addWidget(tabFields);

    auto *destinations = new QGroupBox(QStringLiteral("Ispis na"), this);
    auto *destinationLayout = new QVBoxLayout(destinations);
    choice("ToPdf", QStringLiteral("PDF datoteka"), destinations, destinationLayout)->setChecked(true);
    m_toPrinter = choice("ToPrinter", QStringLiteral("Pisač:"), destinations, destinationLayout);
    m_printer = new QComboBox(destinations);
    m_printer->setObjectName(QStringLiteral("Printer"));
    m_printer->addItems(printers);
    m_printer->setCurrentIndex(std::max(0, static_cast<int>(printers.indexOf(current))));
    destinationLayout->addWidget(m_printer);
    m_toPrinter->setEnabled(!printers.isEmpty());
    m_printer->setEnabled(false);
    connect(m_toPrinter, &QRadioButton::toggled, m_printer, &QWidget::setEnabled);
    if (offerBankFile)
        m_toBank =
            choice("ToBank", QStringLiteral("Nalog za banku (pain.001)"), destinations, destinationLayout);
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
    output.toBank = m_toBank && m_toBank->isChecked();
    if (output.toPrinter)
        output.printer = m_printer->currentText();
    output.pdf.slipsPerPage = m_threePerPage->isChecked() ? 3 : 1;
    output.pdf.mode = m_complete->isChecked()   ? PrintMode::Complete
                      : m_template->isChecked() ? PrintMode::Template
                                                : PrintMode::DataOnly;
    return output;
}
