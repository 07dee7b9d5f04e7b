#include "WindowFixture.h"
#include "partners/PartnerEntry.h"
#include "partners/Podaci.h"

#include <QFile>
#include <QListWidget>
#include <QPushButton>

namespace {

// The main window with the partner dialog made after it, as the program starts them.
class PartnerDialogWiring : public WindowFixture
{
protected:
    PartnerDialogWiring()
    {
        QFile file(dir.filePath(QStringLiteral("DataZor.dat")));
        EXPECT_TRUE(file.open(QIODevice::WriteOnly));
        file.write("Ana\x08"
                   "111\x08"
                   "222\r\n");
        file.close();
        partnerDialog = std::make_unique<TForm2>(partners, dialogs);
        app()->runReportingErrors([this] { partnerDialog->FormCreate(); });
        WindowHooks hooks;
        hooks.showPartnerDialog = [this] { partnerDialog->showWithoutBlocking(); };
        window->setHooks(std::move(hooks));
    }

    ~PartnerDialogWiring() override
    {
        app()->runReportingErrors([this] { partnerDialog.reset(); });
    }

    QListWidget *dialogList() const
    {
        return partnerDialog->findChild<QListWidget *>(QStringLiteral("ListBox1"));
    }
    QByteArray fileBytes() const
    {
        QFile file(dir.filePath(QStringLiteral("DataZor.dat")));
        return file.open(QIODevice::ReadOnly) ? file.readAll() : QByteArray();
    }

    std::unique_ptr<TForm2> partnerDialog;
};

TEST_F(PartnerDialogWiring, PodaciShowsTheLoadedListWithoutBlockingTheMainWindow)
{
    showWindow();
    EXPECT_FALSE(partnerDialog->isVisible());
    trigger("Podaci2");
    ASSERT_TRUE(QTest::qWaitForWindowExposed(partnerDialog.get()));
    EXPECT_EQ(QApplication::activeModalWidget(), nullptr);
    EXPECT_EQ(dialogList()->count(), 1);

    // The main window stays usable: its add button appends to the list the open dialog shows.
    set("Memo3", QStringLiteral("HEP d.d."));
    set("MaskEdit7", QStringLiteral("2360000-1"));
    set("MaskEdit8", QStringLiteral("12345"));
    click("SpeedButton5");
    ASSERT_EQ(dialogList()->count(), 2);
    EXPECT_EQ(
        dialogList()->item(1)->text(),
        joinPartner(QStringLiteral("HEP d.d."), QStringLiteral("2360000-1"), QStringLiteral("    12345")));
    EXPECT_EQ(dialogs.messages, QStringList{QStringLiteral("HEP d.d.  je dodan u bazu!")});
}

TEST_F(PartnerDialogWiring, PromijeniWithNothingSelectedShowsTheStandardErrorBox)
{
    trigger("Podaci2");
    QTest::mouseClick(partnerDialog->findChild<QPushButton *>(QStringLiteral("BitBtn3")), Qt::LeftButton);
    EXPECT_EQ(dialogs.errors, QStringList{QStringLiteral("List index out of bounds (-1).")});
    EXPECT_FALSE(partnerDialog->findChild<QWidget *>(QStringLiteral("Work"))->isVisible());
    EXPECT_TRUE(partnerDialog->isVisible());
}

TEST_F(PartnerDialogWiring, ProgramEndWritesWhatTheMainWindowAddedToANeverOpenedDialog)
{
    set("Nalogodavac", QStringLiteral("Obrt Š"));
    click("SpeedButton11");
    EXPECT_EQ(fileBytes(), QByteArray("Ana\x08"
                                      "111\x08"
                                      "222\r\n"));
    app()->runReportingErrors([this] { partnerDialog.reset(); });
    EXPECT_EQ(fileBytes(), QByteArray("Ana\x08"
                                      "111\x08"
                                      "222\r\n"
                                      "Obrt \x8A\x08\x08    \r\n"));
    EXPECT_TRUE(dialogs.errors.isEmpty());
}

} // namespace
