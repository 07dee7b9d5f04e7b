#include "Clock.h"
#include "Formats.h"
#include "PartnerList.h"
#include "PlatformPrinter.h"
#include "Podaci.h"
#include "PreviewPicture.h"
#include "PrintDialogs.h"
#include "QtUserDialogs.h"
#include "SettingsStore.h"
#include "ZorPrint.h"
#include "ZorvatApplication.h"

// Start-up in order: the process-wide formats and Qt's Croatian translations, the main window with its
// defaults and the first printer made current, the partner dialog (which loads the partner file), the print
// dialog, the calibration dialog with the current printer's calibration; the window shown and the saved forms
// named on the command line opened; then the event loop. Errors of a start-up step are shown and
// the program still starts. Ending the program destroys the windows, the partner dialog first,
// which writes the partner file.
int main(int argc, char **argv)
{
    ZorvatApplication app(argc, argv);
    Formats::applyProcessWide();
    Formats::installCroatianTranslations();

    QtUserDialogs dialogs;
    app.setErrorDialogs(&dialogs);
    const SettingsStore store(SettingsStore::defaultPath());
    PartnerList partners(PartnerFilePlaces::forProgramIn(QCoreApplication::applicationDirPath()));
    const SystemClock clock;
    PlatformPrinter printer(dialogs);

    TForm1 window({store, partners, dialogs, clock});
    dialogs.setParentWindow(&window);
    WindowHooks hooks;
    hooks.makeFirstPrinterCurrent = [&printer] { printer.setPrinterIndex(0); };
    window.setHooks(hooks);
    app.runReportingErrors([&] { window.FormCreate(); });
    TForm2 partnerDialog(partners,
                         [&app](const std::function<void()> &step) { app.runReportingErrors(step); });
    PrintDialogs printing(window, printer, store);
    app.runReportingErrors([&] { printing.FormCreate(); });
    hooks.showPartnerDialog = [&partnerDialog] { partnerDialog.showWithoutBlocking(); };
    hooks.showPrintDialog = [&printing] { printing.showPrintDialog(); };
    window.setHooks(std::move(hooks));

    writePreviewPictureWhenAsked(window);
    window.show();
    app.runReportingErrors([&] { window.openFiles(QCoreApplication::arguments().mid(1)); });
    return ZorvatApplication::exec();
}
