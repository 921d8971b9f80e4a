// tsl-cli: the jobs of TSL from a terminal or a script, with the same
// settings, answers given by options, progress on standard error and exit
// statuses (0 done, 1 something skipped or failed, 2 bad usage).
#include "cli/cli_common.h"
#include "cli/commands.h"
#include "core/file_system.h"
#include "core/texts.h"
#include "core/translations.h"

#include <QCoreApplication>
#include <cstdio>

namespace {

struct Command {
    const char* name;
    const char* summary;
    int (*run)(const QStringList& args);
};

const Command commands[] = {
    {"split",
     QT_TRANSLATE_NOOP("Cli",
                       "Split each FILE into numbered pieces, with an info file and a batch file."),
     tsl::cli::splitCommand},
    {"combine",
     QT_TRANSLATE_NOOP("Cli",
                       "Combine each SET of pieces (name.000 or name.001) back into its file."),
     tsl::cli::combineCommand},
    {"append", QT_TRANSLATE_NOOP("Cli", "Append each FILE, in order, to the end of --to TARGET."),
     tsl::cli::appendCommand},
    {"verify",
     QT_TRANSLATE_NOOP("Cli",
                       "Check each SET and its joined file against the checksum file NAME.sha256."),
     tsl::cli::verifyCommand},
    {"info", QT_TRANSLATE_NOOP("Cli", "Show what an info file (.000) records."),
     tsl::cli::infoCommand},
    {"config",
     QT_TRANSLATE_NOOP("Cli", "Show and change the stored settings, and choose their store."),
     tsl::cli::configCommand},
    {"desktop",
     QT_TRANSLATE_NOOP("Cli", "Show or apply TSL's desktop registration (status or apply)."),
     tsl::cli::desktopCommand},
};

void print(FILE* out, const QString& text)
{
    std::fputs(text.toLocal8Bit().constData(), out);
}

void printUsage(FILE* out)
{
    print(out,
          tsl::CliText::tr("Usage: tsl-cli COMMAND [options] [FILE...]\n\n"
                           "TSL moves large files in pieces.\n\nCommands:\n"));
    for (const Command& c : commands) {
        print(out,
              QStringLiteral("  %1 %2\n")
                  .arg(QLatin1String(c.name), -9)
                  .arg(tsl::CliText::tr(c.summary)));
    }
    print(out,
          tsl::CliText::tr(
              "\nRun 'tsl-cli COMMAND --help' for the options of a command.\n"
              "Exit status: 0 when everything was done, 1 when something was skipped\n"
              "or failed, 2 for bad usage (also a FILE, SET or folder that is not there),\n"
              "130 when Ctrl-C or SIGTERM stopped it.\n"));
}

}  // namespace

int main(int argc, char** argv)
{
    QCoreApplication app(argc, argv);
    QCoreApplication::setApplicationName(QStringLiteral("tsl-cli"));
    QCoreApplication::setApplicationVersion(QStringLiteral(TSL_VERSION));
    const tsl::Translations translations(
        tsl::messageLanguages(QProcessEnvironment::systemEnvironment()));
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
    print(stderr, tsl::CliText::tr("tsl-cli: unknown command '%1'\n\n").arg(name));
    printUsage(stderr);
    return tsl::cli::exitcode::Usage;
}
