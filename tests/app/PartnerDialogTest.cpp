#include "WindowFixture.h"
#include "partners/PartnerEntry.h"
#include "partners/Podaci.h"

namespace {

using namespace Qt::StringLiterals;

// The partner file the dialog starts from: one partner with an account and a reference.
const QByteArray ana = "Ana\x08"
                       "111\x08"
                       "222\r\n";

// The main window with the partner dialog made after it, as the program starts them.
class PartnerDialogWiring : public WindowFixture
{
protected:
    PartnerDialogWiring()
    {
        writeFile(path("DataZor.dat"), ana);
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

    QListWidget *dialogList() const { return partnerDialog->findChild<QListWidget *>(u"ListBox1"_s); }
    QByteArray partnerFile() const { return fileBytes(path("DataZor.dat")); }

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
    set({{"Memo3", u"HEP d.d."_s}, {"MaskEdit7", u"2360000-1"_s}, {"MaskEdit8", u"12345"_s}});
    click("SpeedButton5");
    ASSERT_EQ(dialogList()->count(), 2);
    EXPECT_EQ(dialogList()->item(1)->text(), joinPartner(u"HEP d.d."_s, u"2360000-1"_s, u"    12345"_s));
    EXPECT_EQ(dialogs.messages, QStringList{u"HEP d.d.  je dodan u bazu!"_s});
}

TEST_F(PartnerDialogWiring, PromijeniWithNothingSelectedShowsTheStandardErrorBox)
{
    trigger("Podaci2");
    QTest::mouseClick(partnerDialog->findChild<QPushButton *>(u"BitBtn3"_s), Qt::LeftButton);
    EXPECT_EQ(dialogs.errors, QStringList{u"List index out of bounds (-1)."_s});
    EXPECT_FALSE(partnerDialog->findChild<QWidget *>(u"Work"_s)->isVisible());
    EXPECT_TRUE(partnerDialog->isVisible());
}

TEST_F(PartnerDialogWiring, ProgramEndWritesWhatTheMainWindowAddedToANeverOpenedDialog)
{
    set("Nalogodavac", u"Obrt Š"_s);
    click("SpeedButton11");
    EXPECT_EQ(partnerFile(), ana);
    app()->runReportingErrors([this] { partnerDialog.reset(); });
    EXPECT_EQ(partnerFile(), ana + "Obrt \x8A\x08\x08    \r\n");
    EXPECT_TRUE(dialogs.errors.isEmpty());
}

} // namespace
