#include "app/QtUserDialogs.h"

#include "app/ZorvatApplication.h"

#include <QFileDialog>
#include <QMessageBox>

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

std::optional<QString> QtUserDialogs::getOpenFileName(const QString &title)
{
    return chosen(QFileDialog::getOpenFileName(m_parent, title));
}

std::optional<QString> QtUserDialogs::getSaveFileName(const QString &title)
{
    // Saving over an existing file asks first, with the dialog's own confirmation.
    return chosen(QFileDialog::getSaveFileName(m_parent, title));
}
