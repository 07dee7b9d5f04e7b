#pragma once

#include <QStringList>
#include <QTextStream>

// Runs zorprint-render with its command line (program name first): parses it once for every mode
// (RenderOptions, ToolModes) and runs the mode it asks for. Returns the exit status of every mode:
// 0 done, 1 some rows or files refused (or a check failed), 2 bad options or input, an output that
// is one of the inputs, or an output that cannot be written.
int runRenderTool(const QStringList &arguments, QTextStream &out, QTextStream &errors);
