#include "WindowFixture.h"

#include "TypeText.h"

#include <QLineEdit>

namespace {

using LiveRepaint = WindowFixture;

// Every field of both tabs: typing one character repaints the picture of its own tab once, and
// setting it from the program repaints the other tab's picture only when that picture draws it
// (the place and date are drawn on both forms).
TEST_F(LiveRepaint, EachFieldRepaintsEveryPreviewThatDrawsIt)
{
    const struct
    {
        const char *control;
        SlipKind kind;
        bool repaints;
        bool drawnOnBoth = false;
    } rows[] = {
        {"MaskEdit1", SlipKind::Uplatnica, true},   {"Memo1", SlipKind::Uplatnica, true},
        {"Memo2", SlipKind::Uplatnica, true},       {"Memo3", SlipKind::Uplatnica, true},
        {"Edit2", SlipKind::Uplatnica, true, true}, {"Edit1", SlipKind::Uplatnica, true, true},
        {"MaskEdit2", SlipKind::Uplatnica, true},   {"MaskEdit3", SlipKind::Uplatnica, true},
        {"MaskEdit4", SlipKind::Uplatnica, true},   {"MaskEdit5", SlipKind::Uplatnica, true},
        {"Edit3", SlipKind::Uplatnica, true},       {"MaskEdit7", SlipKind::Uplatnica, true},
        {"MaskEdit6", SlipKind::Uplatnica, true},   {"MaskEdit8", SlipKind::Uplatnica, true},
        {"Nalogodavac", SlipKind::Zorvat, true},    {"SvrhaZorvata", SlipKind::Zorvat, true},
        {"Primatelj", SlipKind::Zorvat, true},      {"Racun1", SlipKind::Zorvat, true},
        {"pb11", SlipKind::Zorvat, true},           {"pb12", SlipKind::Zorvat, true},
        {"Nacin", SlipKind::Zorvat, true},          {"IznosZorvat", SlipKind::Zorvat, true},
        {"Racun2", SlipKind::Zorvat, true},         {"pb21", SlipKind::Zorvat, true},
        {"pb22", SlipKind::Zorvat, true},           {"sif1", SlipKind::Zorvat, true},
        {"sif2", SlipKind::Zorvat, true},           {"sif3", SlipKind::Zorvat, true},
    };
    PaintCounter uplatnica(child("PaintBox1"));
    PaintCounter zorvat(child("PaintBox2"));
    showWindow();
    for (const auto &row : rows) {
        const bool onUplatnica = row.kind == SlipKind::Uplatnica;
        PaintCounter &own = onUplatnica ? uplatnica : zorvat;
        PaintCounter &other = onUplatnica ? zorvat : uplatnica;
        QWidget *control = child(row.control);

        selectTab(row.kind);
        QApplication::processEvents();
        own.count = 0;
        if (auto *line = qobject_cast<QLineEdit *>(control))
            line->setCursorPosition(0);
        typeText(control, QStringLiteral("1"));
        QApplication::processEvents();
        EXPECT_EQ(own.count, row.repaints ? 1 : 0) << row.control;

        selectTab(onUplatnica ? SlipKind::Zorvat : SlipKind::Uplatnica);
        QApplication::processEvents();
        other.count = 0;
        set(row.control, QStringLiteral("2"));
        QApplication::processEvents();
        EXPECT_EQ(other.count, row.drawnOnBoth ? 1 : 0) << row.control;
    }
}

} // namespace
