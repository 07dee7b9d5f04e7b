#include "Clock.h"
#include "Formats.h"
#include "PartnerList.h"
#include "PlatformPrinter.h"
#include "PrintDialogs.h"
#include "QtUserDialogs.h"
#include "SettingsStore.h"
#include "ZorPrint.h"
#include "ZorvatApplication.h"

// Start-up in order: the process-wide formats, the main window with its defaults and the first
// printer made current, the partner list, the print dialog, the calibration dialog with the current
// printer's calibration; then the event loop. Errors of a start-up step are shown and the program
// still starts. Ending the program writes the partner file, unless it could not be read: writing the
// part that was read would lose the rest.
int main(int argc, char **argv)
{
    ZorvatApplication app(argc, argv);
    Formats::applyProcessWide();

    QtUserDialogs dialogs;
    app.setErrorDialogs(&dialogs);
    const SettingsStore store(SettingsStore::defaultPath());
    PartnerList partners(PartnerList::defaultFilePath(QCoreApplication::applicationDirPath()));
    const SystemClock clock;

    PlatformPrinter printer(dialogs);

    TForm1 window({store, partners, dialogs, clock});
    dialogs.setParentWindow(&window);
    PrintDialogs printing(window, printer, store);
    window.setHooks({.showPrintDialog = [&] { printing.showPrintDialog(); },
                     .showPartnerDialog = {},
                     .makeFirstPrinterCurrent = [&] { printer.setPrinterIndex(0); }});
    app.runReportingErrors([&] { window.FormCreate(); });
    const bool partnersLoaded = app.runReportingErrors([&] { partners.LoadData(); });
    app.runReportingErrors([&] { printing.FormCreate(); });

    window.show();
    const int result = ZorvatApplication::exec();
    if (partnersLoaded)
        app.runReportingErrors([&] { partners.SaveData(); });
    return result;
}
