// tsl-cli: the jobs of TSL from a terminal or a script, with the same
// settings, answers given by options, progress on standard error and exit
// statuses (0 done, 1 something skipped or failed, 2 bad usage).
#include "cli/cli_common.h"
#include "cli/commands.h"
#include "core/file_system.h"

#include <QCoreApplication>
#include <cstdio>

namespace {

struct Command {
    const char* name;
    const char* summary;
    int (*run)(const QStringList& args);
};

const Command commands[] = {
    {"split", "Split each FILE into numbered pieces, with an info file and a batch file.",
     tsl::cli::runSplit},
    {"combine", "Combine each SET of pieces (name.000 or name.001) back into its file.",
     tsl::cli::runCombine},
    {"append", "Append each FILE, in order, to the end of --to TARGET.", tsl::cli::runAppend},
    {"verify", "Check each SET and its joined file against the checksum file NAME.sha256.",
     tsl::cli::runVerify},
    {"info", "Show what an info file (.000) records.", tsl::cli::runInfo},
    {"config", "Show and change the stored settings, and choose their store.", tsl::cli::runConfig},
    {"desktop", "Show or apply TSL's desktop registration (status or apply).",
     tsl::cli::runDesktop},
};

void printUsage(FILE* out)
{
    std::fprintf(out,
                 "Usage: tsl-cli COMMAND [options] [FILE...]\n\n"
                 "TSL moves large files in pieces.\n\nCommands:\n");
    for (const Command& c : commands)
        std::fprintf(out, "  %-9s %s\n", c.name, c.summary);
    std::fprintf(out,
                 "\nRun 'tsl-cli COMMAND --help' for the options of a command.\n"
                 "Exit status: 0 when everything was done, 1 when something was skipped\n"
                 "or failed, 2 for bad usage (also a FILE, SET or folder that is not there),\n"
                 "130 when Ctrl-C or SIGTERM stopped it.\n");
}

}  // namespace

int main(int argc, char** argv)
{
    QCoreApplication app(argc, argv);
    QCoreApplication::setApplicationName(QStringLiteral("tsl-cli"));
    QCoreApplication::setApplicationVersion(QStringLiteral(TSL_VERSION));
    // File names are taken as the bytes the kernel knows them by, so a name
    // that is no UTF-8 (an old archive's Latin-1) still names its file.
    QStringList args;
    for (int i = 0; i < argc; ++i)
        args << tsl::pathFromNative(QByteArray(argv[i]));
    if (args.size() < 2) {
        printUsage(stderr);
        return tsl::cli::exitcode::Usage;
    }
    const QString name = args.at(1);
    if (name == QLatin1String("--help") || name == QLatin1String("-h")
        || name == QLatin1String("help") || name == QLatin1String("--help-all")) {
        printUsage(stdout);
        return tsl::cli::exitcode::Done;
    }
    if (name == QLatin1String("--version")) {
        std::printf("tsl-cli %s\n", TSL_VERSION);
        return tsl::cli::exitcode::Done;
    }
    for (const Command& c : commands) {
        if (name == QLatin1String(c.name))
            return c.run(args.mid(1));
    }
    std::fprintf(stderr, "tsl-cli: unknown command '%s'\n\n", name.toLocal8Bit().constData());
    printUsage(stderr);
    return tsl::cli::exitcode::Usage;
}
