#pragma once

#include "FakePrintSource.h"
#include "FakeUserDialogs.h"
#include "SpoolerTest.h"
#include "UserErrorOf.h"
#include "model/SettingsStore.h"
#include "print/Hub3aSlipPage.h"
#include "print/PlatformPrinter.h"
#include "print/PrintProp.h"
#include "print/PrnCalibrate.h"

#include <QCheckBox>
#include <QComboBox>
#include <QLineEdit>
#include <QPushButton>
#include <QRadioButton>
#include <QTemporaryDir>

// What a user chooses in the print dialog for one print.
struct DialogChoice
{
    FormKind kind;
    const char *radio;         // RadioButton1 complete, 2 template, 3 data only
    bool perforation = false;  // the older forms
    const char16_t *dX = u"0"; // offsets in mm
    const char16_t *dY = u"0";
    SlipPlace place = SlipPlace::Top; // the HUB-3A slip's place on its A4 sheet
};

// The print dialogs over the platform printer, a fresh settings store and a print source, printing
// on the private spooler's queue as a user would.
class SpoolerDialogTest : public SpoolerTest
{
protected:
    void SetUp() override
    {
        SpoolerTest::SetUp();
        if (IsSkipped())
            return;
        ASSERT_TRUE(dir.isValid());
        // The test queue cannot print 6.35 mm at the sides and 12.7 mm at the top and bottom: a
        // HUB-3A slip reaches there, and the user prints it all the same.
        source.printAnyway = true;
    }

    // Chooses the test queue in the dialog, reading the printer list again until it shows.
    void chooseQueue(TForm3 &form)
    {
        auto *box = form.findChild<QComboBox *>(QStringLiteral("ComboBox1"));
        EXPECT_TRUE(QTest::qWaitFor([&] {
            form.FormActivate(); // see refreshUntil
            return box->findText(spooler->queue()) >= 0;
        }));
        box->setCurrentIndex(box->findText(spooler->queue()));
    }

    // Prints with the dialog and returns what the spooler made of it.
    std::optional<SpooledJob> printWithDialog(const DialogChoice &c)
    {
        source.kind = c.kind;
        TForm4 calibration(printer, store, source);
        TForm3 form(printer, store, source, calibration);
        form.show();
        chooseQueue(form);
        form.findChild<QRadioButton *>(QLatin1StringView(c.radio))->setChecked(true);
        if (c.kind == FormKind::Hub3a) {
            form.findChild<QComboBox *>(QStringLiteral("PlaceOnSheet"))->setCurrentIndex(int(c.place));
        } else {
            form.findChild<QCheckBox *>(QStringLiteral("CheckBox1"))->setChecked(c.perforation);
            form.findChild<QLineEdit *>(QStringLiteral("Edit1"))->setText(QString::fromUtf16(c.dX));
            form.findChild<QLineEdit *>(QStringLiteral("Edit2"))->setText(QString::fromUtf16(c.dY));
        }
        const int before = spooler->newestJobId();
        QTest::mouseClick(form.findChild<QPushButton *>(QStringLiteral("BitBtn2")), Qt::LeftButton);
        rethrowHandlerError();
        EXPECT_FALSE(form.isVisible());
        return spooler->waitForJobAfter(before);
    }

    QTemporaryDir dir;
    SettingsStore store{dir.filePath(QStringLiteral("settings.db"))};
    FakeUserDialogs dialogs;
    PlatformPrinter printer{dialogs};
    FakePrintSource source;
};
