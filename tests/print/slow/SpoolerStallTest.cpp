#include "FakePrintSource.h"
#include "FakeUserDialogs.h"
#include "StallingSpooler.h"
#include "model/SettingsStore.h"
#include "print/PlatformPrinter.h"
#include "print/PrintProp.h"
#include "print/PrnCalibrate.h"

#include <QComboBox>
#include <QRadioButton>
#include <QTemporaryDir>
#include <QTest>

using namespace Qt::StringLiterals;

namespace {

TEST_F(StallingSpoolerTest, AStoppedSchedulerHoldsTheDialogOnlyForItsWaitAndChangesNothing)
{
    QTemporaryDir storeDir;
    SettingsStore store(storeDir.filePath(u"settings.db"_s));
    FakeUserDialogs dialogs;
    PlatformPrinter printer(dialogs);
    FakePrintSource source;
    TForm4 calibration(printer, store, source);
    TForm3 form(printer, store, source, calibration);
    form.show();
    auto *box = form.findChild<QComboBox *>(u"ComboBox1"_s);
    ASSERT_TRUE(QTest::qWaitFor([&] {
        form.FormActivate();
        return box->findText(queues[1]) >= 0;
    }));
    const QStringList listed = printer.Printers();
    form.findChild<QRadioButton *>(u"RadioButton2"_s)->setChecked(true);
    // stall_a has printed before, so its page set-up is known; stall_b has not.
    printer.setPrinterIndex(int(listed.indexOf(queues[0])));
    printer.PageWidth();

    ASSERT_EQ(kill(pid, SIGSTOP), 0);
    const struct
    {
        const char *what;
        std::function<void()> handler;
    } calls[] = {
        {"printer list", [&] { form.FormActivate(); }},
        {"print to a known queue",
         [&] {
             box->setCurrentIndex(box->findText(queues[0]));
             form.BitBtn2Click();
         }},
        {"print to a new queue",
         [&] {
             box->setCurrentIndex(box->findText(queues[1]));
             form.BitBtn2Click();
         }},
        {"printer list again", [&] { printer.Refresh(); }},
    };
    for (const auto &call : calls) {
        qint64 elapsedMs = 0;
        EXPECT_EQ(timed(call.handler, elapsedMs), notAnswering) << call.what;
        EXPECT_LE(elapsedMs, longestAllowedMs) << call.what;
        EXPECT_TRUE(form.isVisible()) << call.what;
        EXPECT_EQ(printer.Printers(), listed) << call.what;
        EXPECT_EQ(box->count(), listed.size()) << call.what;
        std::cout << "[ blocked  ] " << call.what << ": " << elapsedMs << " ms\n";
    }
    std::cout << "[ longest  ] " << longestMs << " ms\n";

    // Clicks back into the dialog do not wait again: asking the stopped scheduler would end in its
    // message. The next opening asks again.
    qint64 elapsedMs = 0;
    EXPECT_EQ(timed([&] { form.FormActivate(); }, elapsedMs), QString());

    ASSERT_EQ(kill(pid, SIGCONT), 0);
    form.hide();
    form.show();
    EXPECT_EQ(userErrorOf([&] { form.FormActivate(); }), QString());
    EXPECT_EQ(box->count(), listed.size());
}

} // namespace
