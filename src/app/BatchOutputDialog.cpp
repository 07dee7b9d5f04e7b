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

BatchOutputDialog::BatchOutputDialog(QWidget *parent) : QDialog(parent)
{
    setFont(windowFont());
    setWindowTitle(QStringLiteral("Uplatnice u PDF"));
    auto *layout = new QVBoxLayout(this);

    auto *modes = new QGroupBox(QStringLiteral("Način ispisa"), this);
    auto *modeLayout = new QVBoxLayout(modes);
    m_complete =
        choice("Complete", QStringLiteral("Ispis kompletne uplatnice - layout + podaci"), modes, modeLayout);
    m_template = choice("Template", QStringLiteral("Ispis predloška uplatnice"), modes, modeLayout);
    choice("DataOnly", QStringLiteral("Ispis podataka na uplatnicu"), modes, modeLayout);
    m_complete->setChecked(true);
    layout->addWidget(modes);

    auto *pages = new QGroupBox(QStringLiteral("Stranica"), this);
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

BatchPdfOptions BatchOutputDialog::options() const
{
    BatchPdfOptions options;
    options.slipsPerPage = m_threePerPage->isChecked() ? 3 : 1;
    options.mode = m_complete->isChecked()   ? PrintMode::Complete
                   : m_template->isChecked() ? PrintMode::Template
                                             : PrintMode::DataOnly;
    return options;
}
