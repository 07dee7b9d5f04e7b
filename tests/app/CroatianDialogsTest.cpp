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

using namespace Qt::StringLiterals;

// Runs inspect on the next file dialog shown modally, then cancels it. (The dialog is inspected
// and cancelled rather than driven further: the activation of its boxes under the test platform is
// not reliable.)
template <typename Inspect> void inspectNextFileDialog(Inspect inspect)
{
    auto *timer = new QTimer;
    QObject::connect(timer, &QTimer::timeout, [inspect, timer] {
        auto *dialog = qobject_cast<QFileDialog *>(QApplication::activeModalWidget());
        if (!dialog)
            return;
        timer->stop();
        timer->deleteLater();
        inspect(*dialog);
        dialog->reject();
    });
    timer->start(20);
}

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
    EXPECT_NE(buttons.button(QDialogButtonBox::Cancel)->text(), u"Cancel"_s);
}

// The save dialog keeps its own confirmation before replacing a file, and that confirmation is
// Croatian.
TEST_F(CroatianDialogs, SavingOverAnExistingFileAsksFirstInCroatian)
{
    const char *question = "%1 already exists.\nDo you want to replace it?";
    const QString translated = QCoreApplication::translate("QFileDialog", question);
    EXPECT_NE(translated, QLatin1StringView(question));
    EXPECT_TRUE(translated.contains(u"%1"_s));

    std::optional<bool> confirms;
    QString cancelText;
    inspectNextFileDialog([&](QFileDialog &dialog) {
        confirms = !dialog.testOption(QFileDialog::DontConfirmOverwrite);
        EXPECT_EQ(dialog.acceptMode(), QFileDialog::AcceptSave);
        if (auto *buttons = dialog.findChild<QDialogButtonBox *>())
            cancelText = buttons->button(QDialogButtonBox::Cancel)->text();
    });
    QtUserDialogs dialogs;
    EXPECT_EQ(dialogs.getSaveFileName(u"Snimi kao"_s), std::nullopt);
    ASSERT_TRUE(confirms.has_value());
    EXPECT_TRUE(*confirms);
    EXPECT_FALSE(cancelText.isEmpty());
    EXPECT_NE(cancelText, u"Cancel"_s);
}

TEST_F(CroatianDialogs, ASaveDialogGivenASuffixAddsItBeforeAskingToReplace)
{
    QString suffix;
    bool native = true;
    inspectNextFileDialog([&](QFileDialog &dialog) {
        suffix = dialog.defaultSuffix();
        native = !dialog.testOption(QFileDialog::DontUseNativeDialog);
    });
    QtUserDialogs dialogs;
    EXPECT_EQ(dialogs.getSaveFileName(u"Spremi uplatnice kao PDF"_s, u"pdf"_s), std::nullopt);
    EXPECT_EQ(suffix, u"pdf"_s);
    EXPECT_FALSE(native) << "Qt's own dialog adds the suffix before its question";
}

} // namespace
