#pragma once

#include <QImage>
#include <QSizeF>
#include <QString>

// What poppler's tools read from a one-page PDF: its information, its text and its first page
// rendered in grey at 10 pixels per millimetre, so that lengths can be measured.
struct PdfPage
{
    QString title;
    int pages = 0;
    QSizeF sizeMm;
    QString text;
    QImage raster; // Format_Grayscale8, 10 pixels per millimetre

    static constexpr double pixelsPerMm = 10.0;

    // Reads path; on failure error() says why.
    static PdfPage read(const QString &path);
    QString error;
};

// The first page of a PDF rendered by pdftoppm at dotsPerInch, in grey; a null image when it
// fails, with the reason in error.
QImage pdfRaster(const QString &path, double dotsPerInch, QString *error = nullptr);

// A straight run of dark pixels, in millimetres from the top-left corner of the sheet.
struct InkRun
{
    double at = 0; // y of a horizontal run, x of a vertical one
    double from = 0, to = 0;
    double length() const { return to - from; }
};

// The longest unbroken horizontal and vertical runs of dark pixels: the form's solid rules.
InkRun longestHorizontalRun(const QImage &image, double pixelsPerLength = PdfPage::pixelsPerMm);
InkRun longestVerticalRun(const QImage &image, double pixelsPerLength = PdfPage::pixelsPerMm);
