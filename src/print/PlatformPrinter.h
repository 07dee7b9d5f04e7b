#pragma once

#include "print/PrinterDevice.h"

#include <QPageLayout>
#include <QRectF>
#include <QString>

#include <map>
#include <memory>

class QPrinter;
class UserDialogs;

// The printers of the platform's spooler (CUPS), followed by one entry more, "PDF datoteka",
// which writes the page to a PDF file that the user names. No call waits for the spooler longer
// than five seconds: one that would throws UserError "Poslužitelj ispisa ne odgovara." and
// changes nothing.
//
// A page is painted into an in-memory PDF and leaves the program only at EndDoc, so Abort
// really drops it. Each printer keeps its page set-up for the run; the printable area of that
// set-up is the page, and the painter maps device units onto it.
class PlatformPrinter : public PrinterDevice
{
public:
    explicit PlatformPrinter(UserDialogs &dialogs);
    ~PlatformPrinter() override;

    static QString pdfEntry();

    QStringList Printers() const override { return m_entries; }
    void Refresh() override;
    int PrinterIndex() const override;
    void setPrinterIndex(int index) override;

    QString Title() const override { return m_title; }
    void setTitle(const QString &title) override { m_title = title; }

    bool BeginDoc(std::optional<QSizeF> sheetMm = std::nullopt) override;
    QPainter &Canvas() override;
    void NewPage() override;
    void EndDoc() override;
    void Abort() override;
    bool Printing() const override { return m_document != nullptr; }

    bool WritesFile() const override;
    QList<int> Resolutions() const override;

    QMarginsF UnprintableMarginsMm() const override;

    int PageWidth() const override;
    int PageHeight() const override;

    void showSetupDialog(QWidget *parent) override;

private:
    struct Document;

    QString currentEntry() const;
    // The page set-up of an entry, made on first use.
    QPrinter &setupOf(const QString &entry) const;
    // The page an entry prints on: the one confirmed in its page set-up, else its set-up's own.
    QPageLayout pageOf(const QString &entry) const;
    // The current printer's printable area on the sheet, in millimetres.
    QRectF printableArea() const;

    UserDialogs &m_dialogs;
    QStringList m_entries;
    QString m_current; // entry name; empty or no longer listed means the first entry
    QString m_defaultQueue;
    QString m_title;
    mutable std::map<QString, std::unique_ptr<QPrinter>> m_setups;
    // Pages confirmed in the page set-up; kept here, as a printer's layout keeps the least margins
    // of the upright sheet also for a landscape page.
    std::map<QString, QPageLayout> m_pages;
    mutable std::map<QString, QList<int>> m_resolutions; // of the queues set up, in dots per inch
    std::unique_ptr<Document> m_document;
};
