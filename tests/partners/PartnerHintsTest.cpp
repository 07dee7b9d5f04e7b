#include "FakeUserDialogs.h"
#include "PixelCount.h"
#include "TypeText.h"
#include "partners/PartnerEntry.h"
#include "partners/PartnerList.h"
#include "partners/PartnerRow.h"
#include "partners/Podaci.h"
#include "ui/CheckMark.h"

#include <QImage>
#include <QLineEdit>
#include <QPainter>
#include <QTemporaryDir>

#include <gtest/gtest.h>

using namespace Qt::StringLiterals;

namespace {

void typeInto(QLineEdit *edit, const QString &text)
{
    edit->selectAll();
    edit->del();
    typeText(edit, text);
}

class PartnerHintsTest : public ::testing::Test
{
protected:
    QTemporaryDir dir;
    PartnerList partners{dir.filePath(u"DataZor.dat"_s)};
    FakeUserDialogs dialogs;
    TForm2 form{partners, dialogs};

    QLineEdit *field(const char *name) const { return form.findChild<QLineEdit *>(QLatin1StringView(name)); }
    CheckMark *mark(const char *name) const
    {
        return form.findChild<CheckMark *>(QLatin1StringView(name) + u"Check"_s);
    }
};

TEST_F(PartnerHintsTest, MarksTheAccountAndReferenceBeingEdited)
{
    const struct
    {
        const char *field;
        const char16_t *typed;
        CheckStatus status;
        const char16_t *tooltip;
    } cases[] = {
        {"Account", u"1001005-1863000160", CheckStatus::Valid, u"IBAN: HR12 1001 0051 8630 0016 0"},
        {"Account", u"1001005-1863000161", CheckStatus::Invalid, u"kontrolni broj računa treba biti 0"},
        {"Account", u"30101-601-25434", CheckStatus::Unchecked, u"nepoznat oblik računa, nije provjeren"},
        {"Account", u"", CheckStatus::Empty, u""},
        {"Poziv", u"01 12345-679", CheckStatus::Valid, u"poziv na broj odgovara modelu HR01"},
        {"Poziv", u"01 12345-678", CheckStatus::Invalid, u"kontrolni broj treba biti 9"},
        {"Poziv", u" 99 ", CheckStatus::Valid, u"model HR99: bez poziva na broj"},
        {"Poziv", u"12345", CheckStatus::Invalid, u"upišite model poziva na broj"},
        {"Poziv", u"123 12345", CheckStatus::Invalid, u"model je HR i dvije znamenke, od HR00 do HR99"},
    };
    form.BitBtn1Click();
    for (const auto &c : cases) {
        const QString typed = QString::fromUtf16(c.typed);
        typeInto(field(c.field), typed);
        EXPECT_EQ(field(c.field)->text(), typed) << "the hint changes nothing";
        EXPECT_EQ(mark(c.field)->status(), c.status) << typed.toStdString();
        EXPECT_EQ(mark(c.field)->toolTip(), QString::fromUtf16(c.tooltip)) << typed.toStdString();
        EXPECT_EQ(mark(c.field)->isVisibleTo(&form), c.status != CheckStatus::Empty) << typed.toStdString();
    }
}

TEST_F(PartnerHintsTest, SpremiKeepsAnEntryThatDoesNotCheckOut)
{
    form.BitBtn1Click();
    typeInto(field("Name"), u"Krivi d.o.o."_s);
    typeInto(field("Account"), u"2360000-1101234567"_s);
    typeInto(field("Poziv"), u"01 12345-678"_s);
    ASSERT_EQ(mark("Account")->status(), CheckStatus::Invalid);
    form.Button1Click();
    ASSERT_EQ(partners.count(), 1);
    EXPECT_EQ(partners.at(0), joinPartner(u"Krivi d.o.o."_s, u"2360000-1101234567"_s, u"01 12345-678"_s));
}

// Red pixels in the square at the right end of a pick row.
int redAtRowEnd(const QString &entry, bool selected)
{
    QImage image(301, PartnerRow::pickHeight, QImage::Format_RGB32);
    image.fill(Qt::gray);
    {
        QPainter painter(&image);
        PartnerRow::drawPick(painter, image.rect(), selected, entry);
    }
    const QRect square(image.width() - PartnerRow::pickHeight, 0, PartnerRow::pickHeight, image.height());
    return countPixels(image, square, [](QRgb pixel) {
        return qRed(pixel) > 150 && qGreen(pixel) < 80 && qBlue(pixel) < 80;
    });
}

TEST(PickRow, MarksEntriesWhoseAccountOrReferenceDoesNotCheckOut)
{
    const struct
    {
        const char16_t *account;
        const char16_t *reference;
        bool marked;
    } cases[] = {
        {u"1001005-1863000160", u" 01 102-3057-89016", false},
        {u"HR1210010051863000160", u"    ", false},
        {u"", u"", false},
        {u"30101-601-25434", u"", false},
        {u"2360000-1101234567", u" 01 102-3057-89016", true},
        {u"1001005-1863000160", u" 01 12345-678", true},
        {u"1001005-1863000160", u" 20 12345", true},
    };
    for (const auto &c : cases) {
        const QString entry =
            joinPartner(u"Partner"_s, QString::fromUtf16(c.account), QString::fromUtf16(c.reference));
        for (const bool selected : {false, true})
            EXPECT_EQ(redAtRowEnd(entry, selected) > 4, c.marked)
                << QString::fromUtf16(c.account).toStdString() << " / "
                << QString::fromUtf16(c.reference).toStdString();
    }
}

} // namespace
