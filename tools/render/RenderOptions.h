#pragma once

#include "render/LayoutStyle.h"

#include <QString>
#include <QStringList>

#include <optional>

// What zorprint-render was asked to do.
struct RenderOptions
{
    enum class Format { Png, Pdf, Ops };
    enum class Style { Preview, Print };

    QString slipPath;
    QString outPath;
    Format format = Format::Png;
    Style style = Style::Preview;
    int previewWidth = 610;
    int previewHeight = 350;
    PrintMode mode = PrintMode::Complete;
    int rectWidth = 8;
    int rectHeight = 8;
    bool perforation = false;
    int dX = 0;
    int dY = 0;
    std::optional<QString> place;
    std::optional<QString> date;
    bool helpRequested = false;
    bool check = false;   // check the payment fields instead of drawing
    bool payload = false; // write the HUB-3A barcode's text instead of drawing
    bool sizeGiven = false;
    QString batchPath;    // a table of HUB-3A slips to write to one PDF (--batch)
    QString basePath;     // the HUB-3A slip file whose fields fill the table's missing columns
    int slipsPerPage = 3; // --per-page for --batch
    bool allowRepeat = false; // --allow-repeat for --batch: rows the payments book holds as paid too
};

QString renderUsage();

// Reads the command line (program name first). Throws UserError with what is wrong.
RenderOptions parseRenderOptions(const QStringList &arguments);
