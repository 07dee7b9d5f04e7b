#include "FakeUserDialogs.h"
#include "PaintCounter.h"
#include "app/Hub3aTab.h"
#include "app/SlipControls.h"
#include "app/ZorPrint.h"
#include "model/Clock.h"
#include "model/SettingsStore.h"
#include "partners/PartnerList.h"
#include "ui/HandlerApplication.h"

#include <QApplication>
#include <QDeadlineTimer>
#include <QKeyEvent>
#include <QLineEdit>
#include <QPlainTextEdit>
#include <QTabWidget>
#include <QTemporaryDir>
#include <QWindow>

#include <benchmark/benchmark.h>

namespace {

const QString typicalPurpose = QStringLiteral("Uplata po računu broj 12345 za isporučenu robu\r\ni usluge");

// Types one key into target and lets the window repaint.
void typeKey(QWidget *target, Qt::Key key, const QString &text)
{
    QKeyEvent press(QEvent::KeyPress, key, Qt::NoModifier, text);
    QApplication::sendEvent(target, &press);
    QKeyEvent release(QEvent::KeyRelease, key, Qt::NoModifier, text);
    QApplication::sendEvent(target, &release);
    QApplication::processEvents();
}

// The main window over a store and partner file of its own, with some fields filled, shown and
// exposed; exposed() is false when it could not be shown.
struct ShownWindow
{
    explicit ShownWindow(std::initializer_list<std::pair<const char *, QString>> fields)
    {
        for (const auto &[control, text] : fields)
            window.fields().setControlText(QLatin1StringView(control), text);
        window.show();
        for (QDeadlineTimer deadline(5000); !exposed() && !deadline.hasExpired();)
            QApplication::processEvents(QEventLoop::AllEvents, 50);
    }
    bool exposed() const { return window.windowHandle()->isExposed(); }

    QTemporaryDir dir;
    const SettingsStore store{dir.filePath(QStringLiteral("settings.db"))};
    PartnerList partners{dir.filePath(QStringLiteral("DataZor.dat"))};
    FakeUserDialogs dialogs;
    const SystemClock clock;
    TForm1 window{{store, partners, dialogs, clock}};
};

// One key typed into Memo2 until the payment slip preview has been painted again.
void Memo2KeystrokeToRepaintedPreview(benchmark::State &state)
{
    ShownWindow shown({{"Memo1", QStringLiteral("Ivan Horvat\r\nIlica 1, Zagreb")},
                       {"Memo3", QStringLiteral("HEP d.d.")},
                       {"Edit3", QStringLiteral("1234,56")}});
    if (!shown.exposed()) {
        state.SkipWithError("the window was not exposed");
        return;
    }
    TForm1 &window = shown.window;
    auto *memo = window.findChild<QPlainTextEdit *>(QStringLiteral("Memo2"));
    PaintCounter paints;
    window.findChild<QWidget *>(QStringLiteral("PaintBox1"))->installEventFilter(&paints);

    int typed = 0;
    int keyPaints = 0;
    for (auto _ : state) {
        if (typed % 40 == 0) {
            // Back to a text of ordinary length now and then, so the memo does not grow without end.
            state.PauseTiming();
            window.fields().setControlText(QLatin1StringView("Memo2"), typicalPurpose);
            memo->moveCursor(QTextCursor::End);
            QApplication::processEvents();
            state.ResumeTiming();
        }
        const int paintsBefore = paints.count;
        typeKey(memo, Qt::Key_A, QStringLiteral("a"));
        keyPaints += paints.count - paintsBefore;
        ++typed;
    }
    state.counters["paints_per_key"] =
        benchmark::Counter(static_cast<double>(keyPaints), benchmark::Counter::kAvgIterations);
}

// One digit typed into a line of the payment slip until the preview has been painted again: the
// amount (Edit3), which nothing checks, or the reference (MaskEdit8), whose model and check digit
// the payment hints check on every key.
void LineKeystrokeToRepaintedPreview(benchmark::State &state)
{
    const QLatin1StringView control(state.range(0) == 0 ? "Edit3" : "MaskEdit8");
    state.SetLabel(control.data());
    ShownWindow shown({{"Memo3", QStringLiteral("HEP d.d.")},
                       {"MaskEdit7", QStringLiteral("2360000-1101234565")},
                       {"MaskEdit6", QStringLiteral(" 01")}});
    if (!shown.exposed()) {
        state.SkipWithError("the window was not exposed");
        return;
    }
    TForm1 &window = shown.window;
    auto *line = window.findChild<QLineEdit *>(control);
    line->setFocus();
    int typed = 0;
    for (auto _ : state) {
        if (typed % 10 == 0) {
            state.PauseTiming();
            window.fields().setControlText(control, QStringLiteral("1234-"));
            line->end(false);
            QApplication::processEvents();
            state.ResumeTiming();
        }
        typeKey(line, Qt::Key_7, QStringLiteral("7"));
        ++typed;
    }
}

// One letter typed into the HUB-3A description until the HUB-3A preview, barcode included, has been
// painted again.
void Hub3aDescriptionKeystrokeToRepaintedPreview(benchmark::State &state)
{
    ShownWindow shown({});
    TForm1 &window = shown.window;
    Hub3aTab &tab = window.hub3a();
    const std::pair<Hub3aField, const char *> fields[] = {
        {Hub3aField::PayerName, "Ivana Horvat"},  {Hub3aField::PayerStreet, "Ilica 1"},
        {Hub3aField::PayerPlace, "10000 Zagreb"}, {Hub3aField::RecipientName, "HEP d.d."},
        {Hub3aField::RecipientPlace, "Zagreb"},   {Hub3aField::RecipientIban, "HR1210010051863000160"},
        {Hub3aField::RecipientModel, "HR01"},     {Hub3aField::RecipientReference, "1234-5678"},
        {Hub3aField::PurposeCode, "ELEC"},        {Hub3aField::Amount, "1.234,56"},
    };
    for (const auto &[field, text] : fields)
        tab.setText(field, QString::fromUtf8(text));
    window.findChild<QTabWidget *>(QStringLiteral("PageControl1"))
        ->setCurrentWidget(window.findChild<QWidget *>(QStringLiteral("Hub3aPage")));
    QApplication::processEvents();
    if (!shown.exposed()) {
        state.SkipWithError("the window was not exposed");
        return;
    }
    auto *line = window.findChild<QLineEdit *>(QStringLiteral("Hub3aDescription"));
    line->setFocus();
    PaintCounter paints;
    window.findChild<QWidget *>(QStringLiteral("Hub3aPreview"))->installEventFilter(&paints);
    int typed = 0;
    int keyPaints = 0;
    for (auto _ : state) {
        if (typed % 15 == 0) { // within the description's 35 characters
            state.PauseTiming();
            tab.setText(Hub3aField::Description, QStringLiteral("Račun za struju"));
            line->end(false);
            QApplication::processEvents();
            state.ResumeTiming();
        }
        const int paintsBefore = paints.count;
        typeKey(line, Qt::Key_A, QStringLiteral("a"));
        keyPaints += paints.count - paintsBefore;
        ++typed;
    }
    state.counters["paints_per_key"] =
        benchmark::Counter(static_cast<double>(keyPaints), benchmark::Counter::kAvgIterations);
}

} // namespace

BENCHMARK(Memo2KeystrokeToRepaintedPreview)->Unit(benchmark::kMicrosecond)->Repetitions(5);
BENCHMARK(LineKeystrokeToRepaintedPreview)->Arg(0)->Arg(1)->Unit(benchmark::kMicrosecond)->Repetitions(5);
BENCHMARK(Hub3aDescriptionKeystrokeToRepaintedPreview)->Unit(benchmark::kMicrosecond)->Repetitions(5);

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
