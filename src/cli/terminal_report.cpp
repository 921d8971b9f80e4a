// The parts report of Combine on a terminal: the report's message, then its
// buttons as letters to type.
#include "cli/terminal_host.h"

namespace tsl::cli {

namespace {
QString reportWord(ReportAnswer a)
{
    switch (a) {
    case ReportAnswer::Combine: return QStringLiteral("Combine");
    case ReportAnswer::Exclude: return QStringLiteral("Exclude");
    case ReportAnswer::Skip: return QStringLiteral("Skip");
    case ReportAnswer::Cancel: return QStringLiteral("Cancel");
    }
    return {};
}
}  // namespace

ReportAnswer TerminalHost::report(const PartsReport& r)
{
    printLine(r.message);
    const bool skipOffered = r.set != r.setCount;
    if (options_.reportAnswer) {
        ReportAnswer a = *options_.reportAnswer;
        printLine(QStringLiteral("=> ") + reportWord(a) + QStringLiteral(" (--report-answer)"));
        return a;
    }
    if (!stdinTerminal_) {
        printLine(QStringLiteral("=> Cancel (no terminal to ask)"));
        return ReportAnswer::Cancel;
    }
    const QString menu = skipOffered ? QStringLiteral("[c]ombine / e[x]clude / [s]kip / c[a]ncel: ")
                                     : QStringLiteral("[c]ombine / e[x]clude / c[a]ncel: ");
    for (;;) {
        const auto typed = readLine(menu);
        if (!typed)
            return ReportAnswer::Cancel;
        const QString t = typed->trimmed().toLower();
        if (t == QLatin1String("c"))
            return ReportAnswer::Combine;
        if (t == QLatin1String("x"))
            return ReportAnswer::Exclude;
        if (t == QLatin1String("s") && skipOffered)
            return ReportAnswer::Skip;
        if (t == QLatin1String("a"))
            return ReportAnswer::Cancel;
    }
}

}  // namespace tsl::cli
