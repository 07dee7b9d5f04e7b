#include "app/BankFiles.h"
#include "app/BankStatements.h"
#include "app/BatchSlips.h"
#include "app/BookedPrints.h"
#include "app/Formats.h"
#include "app/InvoiceScans.h"
#include "app/PaymentBookView.h"
#include "app/PreviewPicture.h"
#include "app/PrintDialogs.h"
#include "app/QtUserDialogs.h"
#include "app/ZorPrint.h"
#include "app/ZorvatApplication.h"
#include "book/PaymentBook.h"
#include "model/Clock.h"
#include "model/SettingsStore.h"
#include "partners/PartnerList.h"
#include "partners/Podaci.h"
#include "print/PlatformPrinter.h"
#include "print/PrnCalibrate.h"
#include "ui/HandlerErrors.h"

// Start-up in order: the process-wide formats, Qt's Croatian translations and the services, then every window
// made hidden and wired, then each window's FormCreate: the main window's (its defaults, the first printer
// made current), the partner dialog's (which loads the partner file), the calibration dialog's (the current
// printer's calibration); the window shown and the saved forms named on the command line opened; then the
// event loop. Errors of a start-up step are shown and the program still starts. Ending the program destroys
// the windows, the partner dialog first, which writes the partner file; an error of that write is shown too.
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

    int exitCode = 0;
    {
        TForm1 window({store, partners, dialogs, clock});
        dialogs.setParentWindow(&window);
        TForm2 partnerDialog(partners, dialogs);
        PrintDialogs printing(window, printer, store);
        const BookedPrints bookedPrints(dialogs, store, PaymentBook::defaultPath());
        bookedPrints.attach(printing.printDialog());
        window.setHooks({
            .showPrintDialog = [&printing] { printing.showPrintDialog(); },
            .showPartnerDialog = [&partnerDialog] { partnerDialog.showWithoutBlocking(); },
            .makeFirstPrinterCurrent = [&printer] { printer.setPrinterIndex(0); },
        });
        BatchSlips batch(window, window, dialogs, printer, store);
        window.addFileMenuEntry(batch.menuEntry());
        BankFiles bankFiles(window, window, dialogs, store, clock);
        // Each entry goes right below "Ispis": the statement, the answer above it, then the orders.
        BankStatements statements(window, dialogs, PaymentBook::defaultPath());
        window.addFileMenuEntry(statements.menuEntry());
        window.addFileMenuEntry(bankFiles.answerEntry());
        window.addFileMenuEntry(bankFiles.ordersEntry());
        batch.saveBankFile = [&bankFiles](const QList<NumberedSlip> &slips, const QList<RowProblem> &refused) {
            bankFiles.saveOrders(slips, refused);
        };
        InvoiceScans invoices(window, window, dialogs, batch);
        invoices.saveOrders = [&bankFiles](const QList<NumberedSlip> &slips, const QList<RowProblem> &refused,
                                           const QHash<int, BookOrigin> &origins) {
            bankFiles.saveOrders(slips, refused, {}, origins);
        };
        window.addFileMenuEntry(invoices.menuEntry());
        window.setInvoiceReader([&invoices](const QStringList &paths) { invoices.scanFiles(paths); });
        PaymentBookView bookView(window, dialogs, PaymentBook::defaultPath());
        bookView.resendRefused = [&bankFiles](const QList<qint64> &ids) { bankFiles.resendRefused(ids); };
        window.addFileMenuEntry(bookView.menuEntry());
        QObject::connect(
            &partnerDialog, &TForm2::slipsForSelectedRequested, &batch,
            [&batch](const QStringList &entries) { runHandler([&] { batch.slipsForPartners(entries); }); });

        app.runReportingErrors([&] { window.FormCreate(); });
        app.runReportingErrors([&] { partnerDialog.FormCreate(); });
        app.runReportingErrors([&] { printing.calibrationDialog().FormCreate(); });

        writePreviewPictureWhenAsked(window);
        window.show();
        app.runReportingErrors([&] { window.openFiles(QCoreApplication::arguments().mid(1)); });
        exitCode = ZorvatApplication::exec();
    }
    // Shows an error the windows kept while closing: the partner dialog's write of its file.
    app.runReportingErrors([] {});
    return exitCode;
}
