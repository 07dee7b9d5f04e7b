#pragma once

#include "model/UserError.h"
#include "print/PrinterDevice.h"

#include <QImage>
#include <QPainter>
#include <QStringList>

#include <optional>

// A printer whose page is an image of one pixel per device unit: the printable area, or the whole
// sheet a document asks for. It logs what is done to it: "setIndex <n>", "setup <entry>",
// "begin <title>", "newPage", "end", "abort". The entry "PDF datoteka" writes a file.
class FakePrinter : public PrinterDevice
{
public:
    FakePrinter() { Refresh(); }

    QStringList Printers() const override { return listed; }
    void Refresh() override
    {
        listed = entries;
        ++refreshes;
    }
    int PrinterIndex() const override
    {
        if (listed.isEmpty())
            throw UserError(QStringLiteral("There is no default printer currently selected"));
        return index;
    }
    void setPrinterIndex(int newIndex) override
    {
        log.append(QStringLiteral("setIndex %1").arg(newIndex));
        index = newIndex < 0 ? 0 : newIndex;
    }
    QString Title() const override { return title; }
    void setTitle(const QString &newTitle) override { title = newTitle; }

    bool BeginDoc(std::optional<QSizeF> sheetMm = std::nullopt) override
    {
        log.append(QStringLiteral("begin ") + title);
        if (declineNextDocument)
            return false;
        sheet = sheetMm;
        const QSize size =
            sheetMm ? (*sheetMm * deviceUnitsPerMm).toSize() : QSize(PageWidth(), PageHeight());
        page = QImage(size, QImage::Format_RGB32);
        page.fill(Qt::white);
        painter.emplace(&page);
        return true;
    }
    QPainter &Canvas() override
    {
        if (failOnCanvas)
            throw UserError(QStringLiteral("page failed"));
        return *painter;
    }
    void NewPage() override
    {
        if (!painter)
            throw UserError(QStringLiteral("Printer is not currently printing"));
        painter.reset();
        log.append(QStringLiteral("newPage"));
        ++pagesPrinted;
        page = QImage(page.size(), QImage::Format_RGB32);
        page.fill(Qt::white);
        painter.emplace(&page);
    }
    void EndDoc() override
    {
        if (failOnEnd)
            throw UserError(*failOnEnd);
        painter.reset();
        log.append(QStringLiteral("end"));
        ++pagesPrinted;
    }
    void Abort() override
    {
        painter.reset();
        log.append(QStringLiteral("abort"));
    }
    bool Printing() const override { return painter.has_value(); }
    bool WritesFile() const override { return listed.value(index) == QStringLiteral("PDF datoteka"); }
    QList<int> Resolutions() const override { return resolutions; }
    QMarginsF UnprintableMarginsMm() const override { return WritesFile() ? QMarginsF() : unprintable; }
    int PageWidth() const override { return 2600; }
    int PageHeight() const override { return 1800; }
    void showSetupDialog(QWidget *) override { log.append(QStringLiteral("setup ") + listed.value(index)); }

    // What the platform lists; Printers() shows it from the last Refresh() on.
    QStringList entries{QStringLiteral("Laser on LPT1:"), QStringLiteral("PDF datoteka")};
    QStringList listed;
    int refreshes = 0;
    int index = 0;
    QString title;
    bool declineNextDocument = false;
    bool failOnCanvas = false;
    std::optional<QString> failOnEnd; // EndDoc throws it, as a spooler that refuses the job
    QStringList log;
    QList<int> resolutions{300, 600};
    QMarginsF unprintable;       // millimetres along each edge of the sheet
    QImage page;                 // the last page printed
    std::optional<QSizeF> sheet; // the sheet it asked for
    int pagesPrinted = 0;        // pages ended, of every document

private:
    std::optional<QPainter> painter;
};
