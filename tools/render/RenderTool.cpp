#include "RenderTool.h"

#include "RenderOptions.h"
#include "ToolModes.h"
#include "ToolReport.h"
#include "model/UserError.h"

int runRenderTool(const QStringList &arguments, QTextStream &out, QTextStream &errors)
{
    RenderOptions options;
    try {
        options = parseRenderOptions(arguments);
    } catch (const UserError &e) {
        ToolReport::failure(errors, e.text());
        errors << "Run zorprint-render --help for the options of each mode.\n";
        return ToolReport::exitBadInput;
    }
    if (options.helpRequested) {
        out << renderUsage();
        return ToolReport::exitAllDone;
    }
    return options.tool->run(options, out, errors);
}
