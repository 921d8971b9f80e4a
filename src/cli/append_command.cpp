// tsl-cli append: the Append command from a terminal or a script.
#include "append/append_engine.h"
#include "cli/cli_common.h"
#include "cli/commands.h"
#include "core/texts.h"

#include <QDir>
#include <QFileInfo>
#include <cstdio>

namespace tsl::cli {

namespace {

const char* const appendDescription = QT_TRANSLATE_NOOP(
    "Cli",
    "Appends each FILE, in the order given, to the end of TARGET. TARGET is created\n"
    "when it does not exist; when it exists its bytes are kept in front. The FILEs\n"
    "may lie in different directories: each is read from where its path leads.\n"
    "Every FILE is appended or none: a FILE that is not there, not an ordinary\n"
    "file, hidden or unreadable, or that is TARGET itself under any name, refuses\n"
    "the whole run before anything is written. A new TARGET is written under a\n"
    "temporary name (.tsl-a...) beside it and renamed when complete, never more\n"
    "open than its FILEs; a FILE that changes while it is read appends nothing.\n"
    "After a failure or Ctrl-C an existing TARGET is cut back to its old length,\n"
    "mode and times and a new one removed. A TARGET that is a symbolic link is\n"
    "refused. A second Ctrl-C ends at once.\n"
    "\n"
    "A read-only TARGET brings the question whether to add the files anyway (Yes\n"
    "clears its read-only attribute); a TARGET that cannot be opened for writing\n"
    "otherwise (a running program, say) brings the in-use message, OK to try\n"
    "again. A run-time error asks whether to go on (the run is taken back either\n"
    "way). Without a terminal (standard input and standard error) these take No,\n"
    "Cancel and stop, unless -y (Yes/No\n"
    "questions) or --on-error continue say otherwise.\n"
    "\n"
    "With --delete the FILEs are deleted afterwards, wiped first unless --no-wipe\n"
    "is given, but only when nothing at all was reported during the run. The\n"
    "stored settings AppendDelete, WipeOnDel and ChunkSize apply unless an option\n"
    "overrides them.\n"
    "\n"
    "Exit status: 0 when every FILE was appended, 1 when something was refused,\n"
    "stopped or a run-time error was answered, 2 for bad usage, 130 stopped by\n"
    "Ctrl-C.");

void addAppendOptions(QCommandLineParser& parser)
{
    parser.setApplicationDescription(CliText::tr(appendDescription));
    parser.addOptions({
        {QStringLiteral("to"), CliText::tr("The file to append to (created when missing)."),
         QStringLiteral("TARGET")},
        {QStringLiteral("delete"),
         CliText::tr("Delete the FILEs after a run without any error (setting AppendDelete).")},
        {QStringLiteral("keep"), CliText::tr("Keep the FILEs, whatever AppendDelete says.")},
        {QStringLiteral("no-wipe"),
         CliText::tr("Delete without overwriting the files first (setting WipeOnDel off).")},
    });
    addCommonOptions(parser);
    parser.addPositionalArgument(QStringLiteral("FILE"),
                                 CliText::tr("The files to append, in this order."),
                                 QStringLiteral("FILE..."));
}

// The request for the FILEs and TARGET as given. Every FILE keeps its own
// directory: the entries are the paths as typed, taken from the current
// directory when relative, so messages name them as the user did. Links are
// not resolved: a link is read, and deleted, as the link it is.
AppendRequest appendRequest(const QStringList& files, const QString& target)
{
    AppendRequest request;
    request.sourceDir = QDir::currentPath() + QLatin1Char('/');
    request.files = files;
    const QFileInfo to(target);
    request.outputDir = to.absolutePath() + QLatin1Char('/');
    request.targetName = to.fileName();
    request.sourceDirText = request.sourceDir;
    return request;
}

// The settings after the options; false with *error on a bad one.
bool appendSettings(const QCommandLineParser& parser, Settings& settings, QString* error)
{
    if (parser.isSet(QStringLiteral("delete")) && parser.isSet(QStringLiteral("keep"))) {
        *error = CliText::tr("--delete and --keep cannot be given together.");
        return false;
    }
    if (parser.isSet(QStringLiteral("delete")))
        settings.AppendDelete = true;
    if (parser.isSet(QStringLiteral("keep")))
        settings.AppendDelete = false;
    if (parser.isSet(QStringLiteral("no-wipe")))
        settings.WipeOnDel = false;
    return applyChunkOption(parser, settings, error);
}

void printSummary(TerminalHost& host, const AppendOutcome& outcome, int count,
                  const QString& target, bool quiet)
{
    if (quiet || outcome.refused)
        return;
    //: %1 the files appended, %n the files given, %2 the bytes, %3 the target
    const QString line = outcome.deleted > 0
        ? CliText::tr("Appended %1 of %n files (%2 bytes) to %3; deleted %4.", nullptr, count)
              .arg(outcome.appended)
              .arg(outcome.bytesAppended)
              .arg(target, QString::number(outcome.deleted))
        : CliText::tr("Appended %1 of %n files (%2 bytes) to %3.", nullptr, count)
              .arg(outcome.appended)
              .arg(outcome.bytesAppended)
              .arg(target);
    host.printLine(line);
    if (outcome.sourcesKept)
        host.printLine(CliText::tr("No FILE was deleted, since something was reported."));
}

}  // namespace

int appendCommand(const QStringList& args)
{
    QCommandLineParser parser;
    addAppendOptions(parser);
    if (!parseArguments(parser, args))
        return exitcode::Usage;
    const QStringList files = parser.positionalArguments();
    const QString target = parser.value(QStringLiteral("to"));
    if (target.isEmpty())
        return usageError(parser, CliText::tr("Name the file to append to with --to TARGET."));
    if (files.isEmpty())
        return usageError(parser, CliText::tr("Name at least one FILE to append."));
    if (QFileInfo(target).isDir())
        return usageError(parser, CliText::tr("--to names a directory: %1").arg(target));
    QString error;
    const TerminalOptions options = terminalOptions(parser, &error);
    if (!error.isEmpty())
        return usageError(parser, error);

    TerminalHost host(options);
    Settings settings = loadSettings(host);
    if (!appendSettings(parser, settings, &error))
        return usageError(parser, error);

    const AppendRequest request = appendRequest(files, target);
    // AppendPartDir records the GUI's directory field; a script run leaves it alone.
    cancelOnSignals(host);
    const AppendOutcome outcome = runAppend(request, settings, host);
    printSummary(host, outcome, int(files.size()), request.outputDir + request.targetName,
                 options.quiet);
    return jobStatus(host, outcome, outcome.complete(int(files.size())));
}

}  // namespace tsl::cli
