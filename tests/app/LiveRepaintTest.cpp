#include "WindowFixture.h"

#include "TypeText.h"
#include "ui/SlipControlTable.h"

namespace {

using namespace Qt::StringLiterals;

using LiveRepaint = WindowFixture;

// Every field of both tabs: typing one character repaints the picture of its own tab once, and
// setting it from the program repaints the other tab's picture only when that picture draws it
// (the place and date are drawn on both forms).
TEST_F(LiveRepaint, EachFieldRepaintsEveryPreviewThatDrawsIt)
{
    PaintCounter uplatnica(child("PaintBox1"));
    PaintCounter zorvat(child("PaintBox2"));
    showWindow();
    for (const SlipKind kind : {SlipKind::Uplatnica, SlipKind::Zorvat}) {
        for (int field = 0; field < slipFieldCount; ++field) {
            const QByteArray name = controlOf(kind, field).data();
            const bool drawnOnBoth = name == "Edit1" || name == "Edit2";
            const bool onUplatnica = kind == SlipKind::Uplatnica;
            PaintCounter &own = onUplatnica ? uplatnica : zorvat;
            PaintCounter &other = onUplatnica ? zorvat : uplatnica;
            QWidget *control = child(name.constData());

            selectTab(kind);
            QApplication::processEvents();
            own.count = 0;
            if (auto *line = qobject_cast<QLineEdit *>(control))
                line->setCursorPosition(0);
            typeText(control, u"1"_s);
            QApplication::processEvents();
            EXPECT_EQ(own.count, 1) << name.constData();

            selectTab(onUplatnica ? SlipKind::Zorvat : SlipKind::Uplatnica);
            QApplication::processEvents();
            other.count = 0;
            set(name.constData(), u"2"_s);
            QApplication::processEvents();
            EXPECT_EQ(other.count, drawnOnBoth ? 1 : 0) << name.constData();
        }
    }
}

} // namespace
