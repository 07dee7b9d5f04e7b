#include "app/QtUserDialogs.h"

#include "app/ZorvatApplication.h"

#include <QFileDialog>
#include <QMessageBox>
#include <QPushButton>

namespace {

void showBox(QWidget *parent, QMessageBox::Icon icon, const QString &text)
{
    QMessageBox box(icon, ZorvatApplication::title(), text, QMessageBox::Ok, parent);
    box.exec();
}

std::optional<QString> chosen(const QString &fileName)
{
    return fileName.isEmpty() ? std::nullopt : std::optional<QString>(fileName);
}

} // namespace

void QtUserDialogs::setParentWindow(QWidget *window)
{
    m_parent = window;
}

void QtUserDialogs::showMessage(const QString &text)
{
    showBox(m_parent, QMessageBox::NoIcon, text);
}

void QtUserDialogs::showError(const QString &text)
{
    showBox(m_parent, QMessageBox::Critical, errorBoxText(text));
}

bool QtUserDialogs::askYesNo(const QString &text)
{
    QMessageBox box(QMessageBox::Question, ZorvatApplication::title(), text, QMessageBox::NoButton, m_parent);
    QPushButton *yes = box.addButton(QStringLiteral("Da"), QMessageBox::YesRole);
    box.setDefaultButton(box.addButton(QStringLiteral("Ne"), QMessageBox::NoRole));
    box.exec();
    return box.clickedButton() == yes;
}

std::optional<QString> QtUserDialogs::getOpenFileName(const QString &title)
{
    return chosen(QFileDialog::getOpenFileName(m_parent, title));
}

QStringList QtUserDialogs::getOpenFileNames(const QString &title, const QString &filter)
{
    return QFileDialog::getOpenFileNames(m_parent, title, QString(), filter);
}

std::optional<QString> QtUserDialogs::getSaveFileName(const QString &title, const QString &suffix,
                                                      const QString &suggestedName)
{
    // Saving over an existing file asks first, with the dialog's own confirmation, about the name
    // with its suffix: Qt's own dialog adds the suffix before it asks (a platform dialog would not).
    QFileDialog dialog(m_parent, title);
    dialog.setAcceptMode(QFileDialog::AcceptSave);
    if (!suffix.isEmpty()) {
        dialog.setOption(QFileDialog::DontUseNativeDialog);
        dialog.setDefaultSuffix(suffix);
    }
    if (!suggestedName.isEmpty())
        dialog.selectFile(suggestedName);
    if (dialog.exec() != QDialog::Accepted || dialog.selectedFiles().isEmpty())
        return std::nullopt;
    return chosen(dialog.selectedFiles().constFirst());
}
