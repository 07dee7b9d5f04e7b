#pragma once

#include <QList>
#include <QString>
#include <QStringList>
#include <QTextStream>

struct RenderOptions;

// One mode of zorprint-render: what picks it, what it reads and writes, the options it takes, and
// the run that does it. A new mode is one more entry of toolModes().
struct ToolMode
{
    enum class Inputs { None, One, Many }; // files named without an option
    enum class Output { None, Optional, Required };

    QString name{};     // how messages name the mode: "--batch to a PDF"
    QString selector{}; // the option that asks for it; empty for a slip file given alone
    Inputs inputs = Inputs::None;
    QString inputError{}; // what is said when the files named do not fit
    Output output = Output::Required;
    QString outputName{};      // -o's argument in messages and the synopsis: "OUT.pdf"
    QStringList outputKinds{}; // the extensions -o takes (lower case); a name without one is taken too
    QStringList options{};     // the options it takes besides its selector, -o and --help
    QString synopsis{};        // its line of the usage
    // What the mode checks of its options together, after each was read; throws UserError.
    void (*finish)(RenderOptions &options) = nullptr;
    // Runs it; gives the exit status (ToolReport: 0 done, 1 some refused, 2 bad input or no output).
    int (*run)(const RenderOptions &options, QTextStream &out, QTextStream &errors) = nullptr;
};

// Every mode, in the order --help lists them. Where two share a selector, the output's extension
// chooses, and with a name without one, the first that takes every option given.
const QList<ToolMode> &toolModes();
