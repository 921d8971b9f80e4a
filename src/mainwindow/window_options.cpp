#include "mainwindow/window_options.h"
#include "core/texts.h"

#include <QCommandLineParser>

namespace tsl {

namespace {

const char* const Description = QT_TRANSLATE_NOOP(
    "Window",
    "TSL moves large files in pieces: it splits a file into numbered pieces\n"
    "(movie.avi.001, movie.avi.002, ...) with an info file (movie.avi.000) and a\n"
    "batch file that rebuilds it, combines the pieces of each set back into the\n"
    "file, and appends files to one another.\n"
    "\n"
    "Started with files, the window opens the Combine panel for a set of pieces\n"
    "(a FILE ending in .000 or .001) or the Split panel for any other FILE, with\n"
    "the files selected; without files it opens the empty Combine panel. With the\n"
    "options \"Auto-combine\" and \"Associate .000 files with TSL\" on, a set given\n"
    "here is combined at once. One window runs at a time: a second tsl says\n"
    "\"TSL is already running...\" and ends. tsl-cli runs the same jobs from a\n"
    "terminal.\n"
    "\n"
    "The settings are read from tsl.ini in the program directory (the folder of\n"
    "tsl, or $TSL_PROGRAM_DIR) while that file exists, else from\n"
    "$XDG_CONFIG_HOME/Tessel/TSL.conf (~/.config), with /etc/xdg/Tessel/TSL.conf\n"
    "for keys the user has not set.\n"
    "\n"
    "Exit status: 0, or 2 for an unknown option.");

}  // namespace

void addWindowOptions(QCommandLineParser& parser)
{
    parser.setSingleDashWordOptionMode(QCommandLineParser::ParseAsLongOptions);
    parser.setApplicationDescription(WindowText::tr(Description));
    parser.addHelpOption();
    parser.addVersionOption();
    parser.addPositionalArgument(
        QStringLiteral("FILE"),
        WindowText::tr("A set's info file (.000) or first piece (.001) to combine, or files to "
                       "split; all in one folder. A path with blanks may come unquoted, as "
                       "several words. Put -- before a FILE that starts with '-'."),
        QStringLiteral("[FILE...]"));
}

WindowArguments readWindowArguments(const QStringList& arguments, const QString& version)
{
    QCommandLineParser parser;
    addWindowOptions(parser);
    const bool parsed = parser.parse(arguments);

    WindowArguments result;
    if (parser.isSet(QStringLiteral("help-all"))) {
        result.action = WindowAction::HelpAll;
    } else if (parser.isSet(QStringLiteral("help"))) {
        // QCommandLineParser names the program as it was typed, or not at all
        // before the application object exists; the usage line names it tsl.
        const QString text = parser.helpText();
        result.action = WindowAction::Help;
        result.text = WindowText::tr("Usage: tsl [options] [FILE...]")
            + text.mid(text.indexOf(QLatin1Char('\n')));
    } else if (parser.isSet(QStringLiteral("version"))) {
        result.action = WindowAction::Version;
        result.text = QStringLiteral("tsl ") + version + QLatin1Char('\n');
    } else if (!parsed) {
        result.action = WindowAction::BadUsage;
        //: %1 what was wrong with the command line
        result.text = WindowText::tr("tsl: %1\nTry 'tsl --help' for more information.\n")
                          .arg(parser.errorText());
    } else {
        result.files = parser.positionalArguments();
    }
    return result;
}

}  // namespace tsl
