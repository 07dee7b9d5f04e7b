#include "ui/SlipControlTable.h"

#include <gtest/gtest.h>

namespace {

TEST(SlipControlTable, EachFieldHasItsControlInTheCanonicalOrder)
{
    const char *uplatnica[] = {"MaskEdit1", "Memo1",     "Memo2",     "Memo3",     "Edit2",
                               "Edit1",     "MaskEdit2", "MaskEdit3", "MaskEdit4", "MaskEdit5",
                               "Edit3",     "MaskEdit7", "MaskEdit6", "MaskEdit8"};
    const char *zorvat[] = {"Nalogodavac", "SvrhaZorvata", "Primatelj", "Racun1", "pb11", "pb12", "Nacin",
                            "IznosZorvat", "Racun2",       "pb21",      "pb22",   "sif1", "sif2", "sif3"};
    for (int i = 0; i < slipFieldCount; ++i) {
        EXPECT_EQ(controlOf(SlipKind::Uplatnica, i), QLatin1StringView(uplatnica[i]));
        EXPECT_EQ(controlOf(SlipKind::Zorvat, i), QLatin1StringView(zorvat[i]));
        EXPECT_EQ(fieldIndexOfControl(SlipKind::Uplatnica, QLatin1StringView(uplatnica[i])), i);
    }
    EXPECT_EQ(fieldIndexOfControl(SlipKind::Zorvat, QLatin1StringView("pb22")), 10);
    EXPECT_EQ(fieldIndexOfControl(SlipKind::Uplatnica, QLatin1StringView("pb22")), -1);
    EXPECT_EQ(controlOf(formFieldNamed(FormKind::Zorvat, QLatin1StringView("recipientReference"))),
              QLatin1StringView("pb22"));
    EXPECT_EQ(controlOf(formFieldNamed(FormKind::Uplatnica, QLatin1StringView("referenceModel"))),
              QLatin1StringView("MaskEdit6"));
    EXPECT_EQ(controlOf(formFieldNamed(FormKind::Hub3a, QLatin1StringView("payerIban"))),
              QLatin1StringView("Hub3aPayerIban"));
}

} // namespace
