// The parts report of Combine on a terminal: the conversation of
// cli/report_menu.h on standard error and the terminal's input.
#include "cli/terminal_host.h"

#include "cli/report_menu.h"

namespace tsl::cli {

ReportAnswer TerminalHost::report(const PartsReport& r)
{
    const ReportConsole console{
        [this](const QString& line) { printLine(line); },
        [this](const QString& prompt) { return readLine(prompt); },
    };
    return runReportConsole(r, options_.reportAnswer, interactive(), console);
}

}  // namespace tsl::cli
