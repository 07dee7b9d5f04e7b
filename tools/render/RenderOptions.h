#pragma once

#include "bankfile/Pain001Options.h"
#include "render/LayoutStyle.h"

#include <QString>
#include <QStringList>

#include <optional>

struct ToolMode;

// What zorprint-render was asked to do: its mode (ToolModes) and the options that mode takes.
struct RenderOptions
{
    enum class Format { Png, Pdf, Ops };
    enum class Style { Preview, Print };

    const ToolMode *tool = nullptr; // nothing when help was asked for
    bool helpRequested = false;
    QStringList given;  // the options given, each by its long name
    QStringList inputs; // the files named without an option: the slip file, or the files to scan
    QString slipPath;   // the slip file of the slip-file modes
    QString outPath;

    // Drawing a slip file.
    Format format = Format::Png;
    Style style = Style::Preview;
    int previewWidth = 610;
    int previewHeight = 350;
    PrintMode mode = PrintMode::Complete; // also of --batch's pages
    int rectWidth = 8;
    int rectHeight = 8;
    bool perforation = false;
    int dX = 0;
    int dY = 0;
    std::optional<QString> place;
    std::optional<QString> date;
    bool sizeGiven = false;

    // A table of HUB-3A slips (--batch) to a PDF or a bank file.
    QString batchPath;
    QString basePath;     // the HUB-3A slip file whose fields fill the table's missing columns
    int slipsPerPage = 3; // --per-page
    bool allowRepeat = false; // --allow-repeat: rows the payments book holds as paid too

    // Bank files and the bank's answer.
    Pain001::Schema schema = Pain001::Schema::Croatian;
    bool instant = false;
    QString statusPath; // --status

    // The payments book as a table (--book): payments now in this state, left within these days.
    QString bookState;
    QString bookFrom;
    QString bookTo;
};

QString renderUsage();

// Reads the command line (program name first) against the options of each mode (ToolModes): the
// options given pick the mode, and the output's extension where two modes share them. Throws
// UserError with what is wrong, an output that is one of the inputs included (OutputGuard).
RenderOptions parseRenderOptions(const QStringList &arguments);
