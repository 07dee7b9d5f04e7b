#include "Clock.h"
#include "FakeUserDialogs.h"
#include "HandlerApplication.h"
#include "PaintCounter.h"
#include "PartnerList.h"
#include "SettingsStore.h"
#include "SlipControls.h"
#include "ZorPrint.h"

#include <QApplication>
#include <QDeadlineTimer>
#include <QKeyEvent>
#include <QPlainTextEdit>
#include <QTemporaryDir>
#include <QWindow>

#include <benchmark/benchmark.h>

namespace {

const QString typicalPurpose = QStringLiteral("Uplata po računu broj 12345 za isporučenu robu\r\ni usluge");

// One key typed into Memo2 until the payment slip preview has been painted again.
void Memo2KeystrokeToRepaintedPreview(benchmark::State &state)
{
    QTemporaryDir dir;
    const SettingsStore store(dir.filePath(QStringLiteral("settings.db")));
    PartnerList partners(dir.filePath(QStringLiteral("DataZor.dat")));
    FakeUserDialogs dialogs;
    const SystemClock clock;
    TForm1 window({store, partners, dialogs, clock});
    window.fields().setFieldText(QLatin1StringView("Memo1"),
                                 QStringLiteral("Ivan Horvat\r\nIlica 1, Zagreb"));
    window.fields().setFieldText(QLatin1StringView("Memo3"), QStringLiteral("HEP d.d."));
    window.fields().setFieldText(QLatin1StringView("Edit3"), QStringLiteral("1234,56"));
    window.show();
    for (QDeadlineTimer deadline(5000); !window.windowHandle()->isExposed() && !deadline.hasExpired();)
        QApplication::processEvents(QEventLoop::AllEvents, 50);
    if (!window.windowHandle()->isExposed()) {
        state.SkipWithError("the window was not exposed");
        return;
    }
    auto *memo = window.findChild<QPlainTextEdit *>(QStringLiteral("Memo2"));
    PaintCounter paints;
    window.findChild<QWidget *>(QStringLiteral("PaintBox1"))->installEventFilter(&paints);

    int typed = 0;
    int keyPaints = 0;
    for (auto _ : state) {
        if (typed % 40 == 0) {
            // Back to a text of ordinary length now and then, so the memo does not grow without end.
            state.PauseTiming();
            window.fields().setFieldText(QLatin1StringView("Memo2"), typicalPurpose);
            memo->moveCursor(QTextCursor::End);
            QApplication::processEvents();
            state.ResumeTiming();
        }
        const int paintsBefore = paints.count;
        QKeyEvent press(QEvent::KeyPress, Qt::Key_A, Qt::NoModifier, QStringLiteral("a"));
        QApplication::sendEvent(memo, &press);
        QKeyEvent release(QEvent::KeyRelease, Qt::Key_A, Qt::NoModifier, QStringLiteral("a"));
        QApplication::sendEvent(memo, &release);
        QApplication::processEvents();
        keyPaints += paints.count - paintsBefore;
        ++typed;
    }
    state.counters["paints_per_key"] =
        benchmark::Counter(static_cast<double>(keyPaints), benchmark::Counter::kAvgIterations);
}

} // namespace

BENCHMARK(Memo2KeystrokeToRepaintedPreview)->Unit(benchmark::kMicrosecond)->Repetitions(5);

int main(int argc, char **argv)
{
    if (qEnvironmentVariableIsEmpty("QT_QPA_PLATFORM"))
        qputenv("QT_QPA_PLATFORM", QByteArrayLiteral("offscreen"));
    HandlerApplication app(argc, argv);
    benchmark::Initialize(&argc, argv);
    benchmark::RunSpecifiedBenchmarks();
    benchmark::Shutdown();
    return 0;
}
