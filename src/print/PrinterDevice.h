#pragma once

#include <QList>
#include <QMarginsF>
#include <QSizeF>
#include <QString>
#include <QStringList>

#include <optional>

class QPainter;
class QWidget;

// The printer object of the program: the list of printer entries, the current one, and one
// document at a time on it. Coordinates on the page are device units of 1/12.5 mm on every
// printer, with (0, 0) at the top-left corner of the printable area, or of the sheet for a
// document that asks for a sheet of its own.
class PrinterDevice
{
public:
    virtual ~PrinterDevice() = default;

    // The printer entries, in the order the print dialog lists them, as the last Refresh() read
    // them: indexes keep their meaning until the next Refresh().
    virtual QStringList Printers() const = 0;
    // Reads the platform's printer list again. The current printer stays current while it is
    // listed; otherwise the first entry becomes current.
    virtual void Refresh() = 0;
    // Index of the current printer in Printers(). Throws UserError "There is no default printer
    // currently selected" when the list is empty.
    virtual int PrinterIndex() const = 0;
    // Makes an entry current; -1 selects the platform's default printer.
    virtual void setPrinterIndex(int index) = 0;

    // The document name the spooler shows.
    virtual QString Title() const = 0;
    virtual void setTitle(const QString &title) = 0;

    // Starts a document on the current printer, its first page open: on the printer's page set-up, or,
    // given sheetMm, on a sheet of that size in millimetres whose device (0, 0) is the sheet's own
    // corner (no margins). False when the user declined to name an output file: then no document
    // is open and nothing will be printed.
    virtual bool BeginDoc(std::optional<QSizeF> sheetMm = std::nullopt) = 0;
    // The open page's painter, in device units.
    virtual QPainter &Canvas() = 0;
    // Ends the open page and starts the next one of the same document, on the same sheet; the
    // document still leaves the program only at EndDoc, as one job. Throws UserError when no
    // document is open or the page cannot be started.
    virtual void NewPage() = 0;
    // Ends the page and hands the document to its destination.
    virtual void EndDoc() = 0;
    // Drops the open document: nothing of it is printed. Does nothing when none is open.
    virtual void Abort() = 0;
    virtual bool Printing() const = 0;

    // True when the current entry writes a file instead of printing on paper.
    virtual bool WritesFile() const = 0;
    // The resolutions in dots per inch at which the current printer may print a page.
    virtual QList<int> Resolutions() const = 0;

    // The strips along the edges of an upright sheet that the current printer cannot print, in
    // millimetres; none for a file.
    virtual QMarginsF UnprintableMarginsMm() const = 0;

    // The current printer's printable area in device units.
    virtual int PageWidth() const = 0;
    virtual int PageHeight() const = 0;

    // The platform's page set-up dialog for the current printer; what the user confirms there
    // applies to that printer's next documents.
    virtual void showSetupDialog(QWidget *parent) = 0;
};

// The device unit: 12.5 units per millimetre (a 317.5 dpi grid).
constexpr double deviceUnitsPerMm = 12.5;
constexpr double deviceUnitsPerInch = 25.4 * deviceUnitsPerMm;

// The current printer's entry; throws like PrinterIndex() when there is none.
inline QString currentPrinterEntry(const PrinterDevice &printer)
{
    return printer.Printers().value(printer.PrinterIndex());
}
