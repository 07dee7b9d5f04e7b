#include "WindowFixture.h"
#include "app/LineBox.h"
#include "ui/SlipControlTable.h"

#include <QStatusBar>
#include <QStyleOptionFrame>
#include <QToolButton>

namespace {

// The room a line edit leaves on each side of its text inside the frame.
constexpr int lineEditTextMargin = 2;

using namespace Qt::StringLiterals;
using WindowLayout = WindowFixture;

// The letter after '&' in an entry's text: the key that, with Alt or in an open menu, chooses it.
QChar mnemonicOf(const QString &text)
{
    const qsizetype mark = text.indexOf(u'&');
    return mark >= 0 && mark + 1 < text.size() ? text.at(mark + 1).toLower() : QChar();
}

// Every entry in order, with no shortcut but a letter of its own to reach it from the keyboard.
TEST_F(WindowLayout, MenuHasEveryEntryInOrderWithoutShortcutsEachWithItsOwnLetter)
{
    const auto *menu = child<QMenu>("Datoteka1");
    ASSERT_TRUE(menu);
    EXPECT_EQ(menu->title(), u"&Datoteka"_s);
    const auto shown = [](const QAction *action) { return QString(action->text()).remove(u'&'); };
    const auto expectOwnLetters = [](const QList<QAction *> &actions) {
        QList<QChar> letters;
        for (const QAction *action : actions) {
            if (action->isSeparator())
                continue;
            const QChar letter = mnemonicOf(action->text());
            EXPECT_FALSE(letter.isNull()) << action->text().toStdString();
            EXPECT_FALSE(letters.contains(letter)) << action->text().toStdString();
            letters.append(letter);
        }
    };
    QStringList entries;
    for (const QAction *action : menu->actions()) {
        QString entry = action->isSeparator() ? u"-"_s : shown(action);
        if (!action->isEnabled())
            entry += u" (disabled)"_s;
        if (action->menu()) {
            for (const QAction *sub : action->menu()->actions())
                entry += u' ' + shown(sub);
            expectOwnLetters(action->menu()->actions());
        }
        EXPECT_TRUE(action->shortcut().isEmpty()) << entry.toStdString();
        entries.append(entry);
    }
    expectOwnLetters(menu->actions());
    EXPECT_EQ(entries, u"Novo Uplatnica Zorvat HUB-3A|Učitaj|Snimi kao|Prenesi u HUB-3A|-|Pregled (disabled)|"
                       u"Ispiši|-|Podaci|-|Opcije... (disabled)|-|Izlazak"_s.split(u'|'));
}

TEST_F(WindowLayout, StatusBarHasFourPanels)
{
    QStringList texts;
    QList<int> widths;
    for (const QLabel *panel : child<QStatusBar>("StatusBar1")->findChildren<QLabel *>()) {
        texts.append(panel->text());
        widths.append(panel->width());
    }
    ASSERT_EQ(texts.size(), 4);
    EXPECT_FALSE(texts[0].isEmpty());
    EXPECT_EQ(texts.mid(1), (QStringList{QString(), u"00:00:00"_s, u"xx.xx.xxxx"_s}));
    EXPECT_EQ(widths, (QList<int>{300, 100, 55, 70}));
}

TEST_F(WindowLayout, PreviewsAndPickPanelHaveTheirSizes)
{
    EXPECT_EQ(window->windowTitle(), u"ZORVAT Print 1.0"_s);
    EXPECT_EQ(child("PaintBox1")->geometry(), QRect(4, 6, 610, 350));
    EXPECT_EQ(child("PaintBox2")->geometry(), QRect(6, 6, 610, 350));
    EXPECT_EQ(child("PickPanel")->size(), QSize(305, 79));
    EXPECT_FALSE(child("PickPanel")->isVisibleTo(window.get()));
    EXPECT_EQ(child<QTabWidget>("PageControl1")->currentIndex(), 0);
}

TEST_F(WindowLayout, SmallButtonsShowTheirHints)
{
    const QString pick = u"Izbor iz podataka u bazi"_s, store = u"Postavi kao default vrijednost"_s,
                  add = u"Dodaj primatelja u bazu"_s;
    const std::pair<const char *, QString> hints[] = {
        {"SpeedButton1", pick},  {"SpeedButton3", pick},  {"SpeedButton6", pick},
        {"SpeedButton8", pick},  {"SpeedButton2", store}, {"SpeedButton4", store},
        {"SpeedButton7", store}, {"SpeedButton9", store}, {"SpeedButton13", store},
        {"SpeedButton5", add},   {"SpeedButton10", add},  {"SpeedButton11", QString()},
    };
    for (const auto &[name, hint] : hints) {
        const auto *button = child<QToolButton>(name);
        EXPECT_EQ(button->toolTip(), hint) << name;
        EXPECT_TRUE(button->autoRaise()) << name;
        EXPECT_FALSE(button->icon().isNull()) << name;
    }
}

TEST_F(WindowLayout, EachTabShowsTheLabelsOfItsFields)
{
    for (const SlipKind kind : {SlipKind::Uplatnica, SlipKind::Zorvat}) {
        QSet<QString> fieldLabels;
        for (const FieldSpec &field : slipFields(kind))
            fieldLabels.insert(field.caption());
        const QWidget *panel = child(controlOf(kind, 0).data())->parentWidget();
        QSet<QString> shown;
        for (const QLabel *label : panel->findChildren<QLabel *>(Qt::FindDirectChildrenOnly))
            shown.insert(label->text());
        EXPECT_EQ(shown, fieldLabels) << slipKindName(kind).toStdString();
    }
}

TEST_F(WindowLayout, TabWalksTheFieldsInTheirOrder)
{
    const std::pair<SlipKind, QStringList> orders[] = {
        {SlipKind::Uplatnica, u"Edit1 MaskEdit1 Memo1 Memo2 Memo3 MaskEdit2 MaskEdit3 MaskEdit4 MaskEdit5 "
                              u"MaskEdit6 Edit2 Edit3 MaskEdit7 MaskEdit8 Button1 Button2"_s.split(u' ')},
        {SlipKind::Zorvat, u"Nalogodavac SvrhaZorvata Primatelj Nacin sif1 sif2 sif3 pb21 pb22 IznosZorvat "
                           u"pb11 pb12 Racun1 Racun2 Button3 Button4"_s.split(u' ')},
    };
    showWindow();
    for (const auto &[kind, order] : orders) {
        selectTab(kind);
        QWidget *first = child(order.first().toLatin1().constData());
        first->activateWindow();
        first->setFocus(Qt::OtherFocusReason);
        QTRY_COMPARE(QApplication::focusWidget(), first);
        QStringList visited{first->objectName()};
        for (qsizetype i = 1; i < order.size(); ++i) {
            QTest::keyClick(QApplication::focusWidget(), Qt::Key_Tab);
            visited.append(QApplication::focusWidget()->objectName());
        }
        EXPECT_EQ(visited, order);
    }
}

TEST_F(WindowLayout, MenuOpensTheDialogsThroughTheHooksAndIzlazakCloses)
{
    QStringList opened;
    window->setHooks({[&] { opened.append(u"print"_s); }, [&] { opened.append(u"partners"_s); }, {}});
    showWindow();
    trigger("Ispii1");
    trigger("Podaci2");
    EXPECT_EQ(opened, (QStringList{u"print"_s, u"partners"_s}));
    EXPECT_TRUE(window->isVisible());

    window->setHooks({});
    trigger("Ispii1");
    trigger("Izlazak1");
    EXPECT_FALSE(window->isVisible());
}

// Each HUB-3A box shows as many characters as its field holds, each caption shows whole, and no
// control covers another.
TEST_F(WindowLayout, Hub3aBoxesShowTheirWholeFieldBesideEachOther)
{
    showWindow();
    child<QTabWidget>("PageControl1")->setCurrentIndex(2);
    const QWidget *panel = child("Hub3aPanel");
    QList<const QWidget *> controls;
    for (const QObject *object : panel->children()) {
        if (const auto *control = qobject_cast<const QWidget *>(object))
            controls.append(control);
    }
    ASSERT_GT(controls.size(), 20);

    for (const QWidget *control : controls) {
        const std::string name = control->objectName().toStdString();
        EXPECT_TRUE(panel->rect().contains(control->geometry())) << name;
        if (const auto *box = qobject_cast<const LineBox *>(control); box && box->typingLimit() > 0) {
            QStyleOptionFrame frame;
            frame.initFrom(box);
            frame.lineWidth = box->style()->pixelMetric(QStyle::PM_DefaultFrameWidth, &frame, box);
            const int textRoom =
                box->style()->subElementRect(QStyle::SE_LineEditContents, &frame, box).width() -
                2 * lineEditTextMargin;
            EXPECT_GE(textRoom, box->fontMetrics().horizontalAdvance(QString(box->typingLimit(), u'W')))
                << name;
        }
        if (const auto *caption = qobject_cast<const QLabel *>(control)) {
            EXPECT_GE(caption->width(), caption->fontMetrics().horizontalAdvance(caption->text())) << name;
        }
        for (const QWidget *other : controls) {
            EXPECT_TRUE(control == other || !control->geometry().intersects(other->geometry()))
                << name << " covers " << other->objectName().toStdString();
        }
    }
}

} // namespace
