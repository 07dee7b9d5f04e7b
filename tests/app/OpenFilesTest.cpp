#include "WindowFixture.h"
#include "app/FileDrop.h"
#include "model/SlipFile.h"

#include <QDropEvent>
#include <QMimeData>
#include <QUrl>

namespace {

using namespace Qt::StringLiterals;

SlipTexts recordTexts(const QString &path)
{
    const std::optional<SlipRecord> record = SlipFile::load(path);
    EXPECT_TRUE(record.has_value()) << path.toStdString();
    return record ? record->texts : SlipTexts();
}

// The widget that the platform gives a drag over the middle of control: the one there that
// takes drops, or the nearest of its parents that does.
QWidget *dropTarget(QWidget *control)
{
    QWidget *target = control->childAt(control->rect().center());
    if (target == nullptr)
        target = control;
    while (target != nullptr && !target->acceptDrops())
        target = target->parentWidget();
    return target;
}

// Enters target with data and drops it there when the drag is accepted; whether it was.
bool dragAndDrop(QWidget *target, const QMimeData &data)
{
    QDragEnterEvent enter(QPoint(5, 5), Qt::CopyAction, &data, Qt::LeftButton, Qt::NoModifier);
    QCoreApplication::sendEvent(target, &enter);
    if (!enter.isAccepted())
        return false;
    QDropEvent drop(QPointF(5, 5), Qt::CopyAction, &data, Qt::LeftButton, Qt::NoModifier);
    QCoreApplication::sendEvent(target, &drop);
    return drop.isAccepted();
}

// The ways a saved form reaches the window besides "Učitaj".
enum class Arrival { CommandLine, DropOnPicture, DropOnEntryField };

class OpenFiles : public WindowFixture, public ::testing::WithParamInterface<Arrival>
{
protected:
    // Delivers the files as the platform would, through the application, so a handler's error
    // reaches the error box.
    void open(const QStringList &paths)
    {
        if (GetParam() == Arrival::CommandLine) {
            app()->runReportingErrors([&] { window->openFiles(paths); });
            return;
        }
        QList<QUrl> urls;
        for (const QString &path : paths)
            urls.append(QUrl::fromLocalFile(path));
        QMimeData data;
        data.setUrls(urls);
        showWindow();
        EXPECT_TRUE(dragAndDrop(
            dropTarget(child(GetParam() == Arrival::DropOnPicture ? "PaintBox1" : "Memo1")), data));
    }
};

TEST_P(OpenFiles, SavedFormsFillTheirKindsInTurnAndTheTabStays)
{
    const QString slip = testDataPath("uplatnica-full.txt");
    const QString order = testDataPath("zorvat-full.txt");
    selectTab(SlipKind::Zorvat);
    open({slip, order});
    EXPECT_EQ(texts(SlipKind::Uplatnica), recordTexts(slip));
    EXPECT_EQ(texts(SlipKind::Zorvat), recordTexts(order));
    EXPECT_EQ(window->activeKind(), FormKind::Zorvat);
    EXPECT_EQ(dialogs.messages + dialogs.errors, QStringList());
}

TEST_P(OpenFiles, HubSlipFillsItsTabWhichComesUpAfterAnOlderForm)
{
    const QString hub = testDataPath("hub3a/full.txt");
    const QString slip = testDataPath("uplatnica-full.txt");
    open({hub, slip});
    EXPECT_EQ(window->hub3aData().texts, SlipFile::loadHub3a(hub)->texts);
    EXPECT_EQ(texts(SlipKind::Uplatnica), recordTexts(slip));
    EXPECT_EQ(window->activeKind(), FormKind::Hub3a)
        << "the older form after it fills its tab in the background";
    EXPECT_EQ(dialogs.messages + dialogs.errors, QStringList());
}

TEST_P(OpenFiles, FileThatIsNoSavedFormGivesTheLoadMessageAndChangesNothing)
{
    const QString other = writeFile(path("notes.txt"), "Popis za trgovinu\r\nkruh\r\n");
    set("Memo1", u"Ivan Horvat"_s);
    const SlipTexts before = texts(SlipKind::Uplatnica);

    open({other});
    EXPECT_EQ(dialogs.messages, QStringList{u"Pogreška pri učitavanju zapisa!"_s});
    EXPECT_EQ(texts(SlipKind::Uplatnica), before);
    EXPECT_TRUE(dialogs.errors.isEmpty());
}

TEST_P(OpenFiles, AFileThatCannotBeReadIsNamedAndTheOthersStillOpen)
{
    const QString missing = dir.filePath(u"missing"_s);
    const QString slip = testDataPath("uplatnica-full.txt");
    open({missing, slip, dir.path()});
    EXPECT_EQ(texts(SlipKind::Uplatnica), recordTexts(slip));
    EXPECT_EQ(dialogs.errors, QStringList{u"Datoteka %1 ne postoji\nDatoteka %2 ne može se otvoriti."_s.arg(
                                  missing, dir.path())});
    EXPECT_TRUE(dialogs.messages.isEmpty());
}

TEST(FileDropAction, ADroppedFileIsCopiedNeverMoved)
{
    QWidget window;
    QStringList dropped;
    new FileDrop(&window, [&](const QStringList &paths) { dropped = paths; });
    QMimeData data;
    data.setUrls({QUrl::fromLocalFile(testDataPath("uplatnica-full.txt"))});
    // With Shift held the platform proposes a move.
    const Qt::DropActions actions = Qt::MoveAction | Qt::CopyAction;
    QDragEnterEvent enter(QPoint(5, 5), actions, &data, Qt::LeftButton, Qt::ShiftModifier);
    ASSERT_EQ(enter.proposedAction(), Qt::MoveAction);
    QCoreApplication::sendEvent(&window, &enter);
    QDropEvent drop(QPointF(5, 5), actions, &data, Qt::LeftButton, Qt::ShiftModifier);
    QCoreApplication::sendEvent(&window, &drop);
    EXPECT_EQ(enter.dropAction(), Qt::CopyAction);
    EXPECT_EQ(drop.dropAction(), Qt::CopyAction);
    EXPECT_EQ(dropped.size(), 1);
}

std::string arrivalName(const ::testing::TestParamInfo<Arrival> &info)
{
    constexpr const char *names[] = {"CommandLine", "DropOnPicture", "DropOnEntryField"};
    return names[static_cast<int>(info.param)];
}

INSTANTIATE_TEST_SUITE_P(Arrivals, OpenFiles,
                         ::testing::Values(Arrival::CommandLine, Arrival::DropOnPicture,
                                           Arrival::DropOnEntryField),
                         arrivalName);

using FileDropFixture = WindowFixture;

TEST_F(FileDropFixture, DraggedTextStillGoesIntoTheEntryField)
{
    QMimeData data;
    data.setText(u"Zagreb"_s);
    showWindow();
    QWidget *field = child("Edit2");
    ASSERT_EQ(dropTarget(field), field);
    ASSERT_TRUE(dragAndDrop(field, data));
    EXPECT_EQ(text("Edit2"), u"Zagreb"_s);
    EXPECT_TRUE(dialogs.messages.isEmpty());
}

TEST_F(FileDropFixture, DragOfWebAddressesIsNotTaken)
{
    QMimeData data;
    data.setUrls({QUrl(u"https://example.org/slip"_s)});
    EXPECT_FALSE(dragAndDrop(window.get(), data));
    EXPECT_EQ(dialogs.messages + dialogs.errors, QStringList());
}

} // namespace
