#include "QtPrinters.h"
#include "app/Formats.h"
#include "app/QtUserDialogs.h"

#include <QApplication>
#include <QDialogButtonBox>
#include <QFileDialog>
#include <QPushButton>
#include <QTimer>
#include <QTranslator>

#include <gtest/gtest.h>

#include <optional>

namespace {

// Qt's Croatian translations for the duration of a test.
class CroatianDialogs : public ::testing::Test
{
protected:
    void SetUp() override
    {
        translator = Formats::installCroatianTranslations();
        ASSERT_NE(translator, nullptr) << "Qt's Croatian translations are not installed";
    }
    void TearDown() override
    {
        if (translator)
            QCoreApplication::removeTranslator(translator);
        delete translator;
    }

    QTranslator *translator = nullptr;
};

TEST_F(CroatianDialogs, StandardDialogTextsAndButtonsAreCroatian)
{
    const struct
    {
        const char *context, *english;
    } texts[] = {
        {"QPlatformTheme", "Cancel"}, {"QPlatformTheme", "Save"},     {"QPlatformTheme", "Open"},
        {"QFileDialog", "Look in:"},  {"QFileDialog", "File &name:"}, {"QPlatformTheme", "&Yes"},
    };
    for (const auto &text : texts) {
        const QString translated = QCoreApplication::translate(text.context, text.english);
        EXPECT_NE(translated, QLatin1StringView(text.english)) << text.context << " " << text.english;
        EXPECT_FALSE(translated.isEmpty());
    }
    QDialogButtonBox buttons(QDialogButtonBox::Cancel);
    EXPECT_NE(buttons.button(QDialogButtonBox::Cancel)->text(), QStringLiteral("Cancel"));
}

// The save dialog keeps its own confirmation before replacing a file, and that confirmation is
// Croatian. (The dialog is inspected and cancelled rather than driven to the question: the
// question box's activation under the test platform is not reliable.)
TEST_F(CroatianDialogs, SavingOverAnExistingFileAsksFirstInCroatian)
{
    const char *question = "%1 already exists.\nDo you want to replace it?";
    const QString translated = QCoreApplication::translate("QFileDialog", question);
    EXPECT_NE(translated, QLatin1StringView(question));
    EXPECT_TRUE(translated.contains(QStringLiteral("%1")));

    std::optional<bool> confirms;
    QString cancelText;
    auto *timer = new QTimer;
    QObject::connect(timer, &QTimer::timeout, [&, timer] {
        auto *dialog = qobject_cast<QFileDialog *>(QApplication::activeModalWidget());
        if (!dialog)
            return;
        timer->stop();
        timer->deleteLater();
        confirms = !dialog->testOption(QFileDialog::DontConfirmOverwrite);
        EXPECT_EQ(dialog->acceptMode(), QFileDialog::AcceptSave);
        if (auto *buttons = dialog->findChild<QDialogButtonBox *>())
            cancelText = buttons->button(QDialogButtonBox::Cancel)->text();
        dialog->reject();
    });
    timer->start(20);
    QtUserDialogs dialogs;
    EXPECT_EQ(dialogs.getSaveFileName(QStringLiteral("Snimi kao")), std::nullopt);
    ASSERT_TRUE(confirms.has_value());
    EXPECT_TRUE(*confirms);
    EXPECT_FALSE(cancelText.isEmpty());
    EXPECT_NE(cancelText, QStringLiteral("Cancel"));
}

TEST_F(CroatianDialogs, ASaveDialogGivenASuffixAddsItBeforeAskingToReplace)
{
    QString suffix;
    bool native = true;
    auto *timer = new QTimer;
    QObject::connect(timer, &QTimer::timeout, [&, timer] {
        auto *dialog = qobject_cast<QFileDialog *>(QApplication::activeModalWidget());
        if (!dialog)
            return;
        timer->stop();
        timer->deleteLater();
        suffix = dialog->defaultSuffix();
        native = !dialog->testOption(QFileDialog::DontUseNativeDialog);
        dialog->reject();
    });
    timer->start(20);
    QtUserDialogs dialogs;
    EXPECT_EQ(dialogs.getSaveFileName(QStringLiteral("Spremi uplatnice kao PDF"), QStringLiteral("pdf")),
              std::nullopt);
    EXPECT_EQ(suffix, QStringLiteral("pdf"));
    EXPECT_FALSE(native) << "Qt's own dialog adds the suffix before its question";
}

} // namespace
