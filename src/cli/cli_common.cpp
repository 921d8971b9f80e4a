#include "cli/cli_common.h"
#include "core/texts.h"

#include "core/file_system.h"
#include "settings/load_reg.h"
#include "settings/named_sizes.h"

#include <QCoreApplication>
#include <QFileInfo>
#include <QHash>
#include <QRegularExpression>
#include <csignal>
#include <cstdio>
#include <cstdlib>

namespace tsl::cli {

namespace {

// The parser's help names the executable's path; ours names "tsl-cli COMMAND".
QString commandHelp(const QCommandLineParser& parser)
{
    QString text = parser.helpText();
    const QStringList argv = QCoreApplication::arguments();
    if (argv.size() >= 2)
        text.replace(text.indexOf(argv.first()), argv.first().size(),
                     QStringLiteral("tsl-cli ") + argv.at(1));
    return text;
}

}  // namespace

void addCommonOptions(QCommandLineParser& parser)
{
    parser.addOptions({
        {{QStringLiteral("y"), QStringLiteral("yes")},
         CliText::tr(
             "Answer every Yes/No question (overwrite, read-only, ...) with Yes, without asking; not the run-time error question (see --on-error).")},
        {{QStringLiteral("n"), QStringLiteral("no")},
         CliText::tr("Answer every Yes/No question with No, without asking.")},
        {QStringLiteral("on-error"),
         CliText::tr(
             "After a run-time error (disk full, a file that cannot be created, ...): stop (the default) or continue with the next step. Without this option the question is asked on a terminal, and answered stop otherwise."),
         QStringLiteral("stop|continue")},
        {{QStringLiteral("q"), QStringLiteral("quiet")},
         CliText::tr("Show only questions, messages and errors.")},
        {QStringLiteral("chunk"),
         CliText::tr("Largest single read and write, 10000..10000000 bytes (setting ChunkSize)."),
         QStringLiteral("BYTES")},
    });
    parser.addHelpOption();
}

void addAnswerOptions(QCommandLineParser& parser)
{
    parser.addOptions({
        {{QStringLiteral("y"), QStringLiteral("yes")},
         CliText::tr("Answer every Yes/No question with Yes, without asking.")},
        {{QStringLiteral("n"), QStringLiteral("no")},
         CliText::tr("Answer every Yes/No question with No, without asking.")},
        {{QStringLiteral("q"), QStringLiteral("quiet")},
         CliText::tr("Show only questions, messages and errors.")},
    });
    parser.addHelpOption();
}

bool parseArguments(QCommandLineParser& parser, const QStringList& args)
{
    if (!parser.parse(args)) {
        usageError(parser, parser.errorText());
        return false;
    }
    // --help-all is offered by the parser; without Qt options of our own it
    // shows the same help.
    if (parser.isSet(QStringLiteral("help")) || parser.isSet(QStringLiteral("help-all"))) {
        std::fputs(commandHelp(parser).toLocal8Bit().constData(), stdout);
        std::exit(exitcode::Done);
    }
    return true;
}

std::optional<TerminalOptions> parseCommand(QCommandLineParser& parser, const QStringList& args)
{
    if (!parseArguments(parser, args))
        return std::nullopt;
    QString error;
    const TerminalOptions options = terminalOptions(parser, &error);
    if (!error.isEmpty()) {
        usageError(parser, error);
        return std::nullopt;
    }
    return options;
}

int usageError(const QCommandLineParser&, const QString& message)
{
    const QStringList argv = QCoreApplication::arguments();
    const QString command = argv.size() >= 2 ? argv.at(1) : QStringLiteral("COMMAND");
    //: %1 what was wrong, %2 the command given (split, combine, ...)
    const QString text =
        CliText::tr("tsl-cli: %1\nTry 'tsl-cli %2 --help'.\n").arg(displayPath(message), command);
    std::fputs(text.toLocal8Bit().constData(), stderr);
    return exitcode::Usage;
}

TerminalOptions terminalOptions(const QCommandLineParser& parser, QString* error)
{
    TerminalOptions options;
    options.quiet = parser.isSet(QStringLiteral("quiet"));
    const bool yes = parser.isSet(QStringLiteral("yes"));
    const bool no = parser.isSet(QStringLiteral("no"));
    if (yes && no)
        *error = CliText::tr("--yes and --no cannot be given together.");
    else if (yes)
        options.yesNoAnswer = Answer::Yes;
    else if (no)
        options.yesNoAnswer = Answer::No;
    // Only the job commands know the option; asking a parser about an option
    // it does not know would warn.
    if (parser.optionNames().contains(QStringLiteral("on-error"))) {
        const QString value = parser.value(QStringLiteral("on-error")).trimmed().toLower();
        if (value == QLatin1String("stop"))
            options.onError = Answer::No;
        else if (value == QLatin1String("continue"))
            options.onError = Answer::Yes;
        else
            *error = CliText::tr("--on-error takes stop or continue.");
    }
    return options;
}

bool parseCount(const QString& text, qint64* value)
{
    bool ok = false;
    const qint64 v = text.trimmed().toLongLong(&ok);
    if (!ok || v < 0)
        return false;
    *value = v;
    return true;
}

QString fileArgumentProblem(const QString& path)
{
    const PathFacts info = pathFacts(path);
    if (!info.exists)
        return CliText::tr("%1: no such file.").arg(path);
    if (!info.isFile)
        return CliText::tr("%1: not an ordinary file.").arg(path);
    if (QFileInfo(path).fileName().startsWith(QLatin1Char('.')))
        return CliText::tr(
                   "%1: a hidden file (its name starts with \".\"), which TSL leaves alone.")
            .arg(path);
    return {};
}

bool parseByteSize(const QString& text, double* value)
{
    if (const std::optional<qint64> named = namedSize(text)) {
        *value = double(*named);
        return true;
    }
    // Digits with an optional fraction, then an optional unit: k, M, G count
    // thousands, KiB, MiB, GiB count 1024s. No exponents, signs or blanks inside.
    static const QRegularExpression form(
        QStringLiteral("^(\\d+(?:\\.\\d+)?)(k|K|M|G|KiB|MiB|GiB)?$"));
    const QRegularExpressionMatch m = form.match(text.trimmed());
    if (!m.hasMatch())
        return false;
    static const QHash<QString, double> units = {
        {QString(), 1},
        {QStringLiteral("k"), 1e3},
        {QStringLiteral("K"), 1e3},
        {QStringLiteral("M"), 1e6},
        {QStringLiteral("G"), 1e9},
        {QStringLiteral("KiB"), 1024.0},
        {QStringLiteral("MiB"), 1048576.0},
        {QStringLiteral("GiB"), 1073741824.0},
    };
    *value = m.captured(1).toDouble() * units.value(m.captured(2));
    return true;
}

bool withinRange(const QString& key, double value, const QString& option, const QString& what,
                 QString* error)
{
    const SettingRange* r = settingRange(key);
    if (value >= r->low && value <= r->high)
        return true;
    //: %1 an option, %2 what it takes ("a number of bytes"), %3 and %4 the bounds
    *error =
        CliText::tr("%1 takes %2 from %3 to %4.")
            .arg(option, what, QString::number(qint64(r->low)), QString::number(qint64(r->high)));
    return false;
}

QString programDir()
{
    const QString dir = qEnvironmentVariable("TSL_PROGRAM_DIR");
    return dir.isEmpty() ? QCoreApplication::applicationDirPath() : dir;
}

SettingsStore& settingsStore()
{
    static SettingsStore store(StoreLocations::standard(programDir()));
    return store;
}

Settings loadSettings(TerminalHost& host)
{
    Settings settings;
    // Without a person to ask, a run changes nothing it was not told to:
    // a stored directory that is missing stays as it is stored.
    SettingsStore& store = settingsStore();
    store.readOnly = !host.interactive();
    const bool terminated = LoadReg(settings, store, host).terminated;
    store.readOnly = false;
    if (terminated)
        std::exit(exitcode::Partial);  // nothing is open yet: the one way out
    return settings;
}

bool readCountOption(const QCommandLineParser& parser, const QString& option, const QString& key,
                     const QString& what, qint64* value, QString* error)
{
    qint64 n = -1;
    (void)parseCount(parser.value(option), &n);
    if (!withinRange(key, double(n), QStringLiteral("--") + option, what, error))
        return false;
    *value = n;
    return true;
}

bool applyChunkOption(const QCommandLineParser& parser, Settings& settings, QString* error)
{
    if (!parser.isSet(QStringLiteral("chunk")))
        return true;
    qint64 chunk = 0;
    if (!readCountOption(parser, QStringLiteral("chunk"), QStringLiteral("ChunkSize"),
                         CliText::tr("a number of bytes"), &chunk, error))
        return false;
    settings.ChunkSize = qint32(chunk);
    return true;
}

namespace {

std::atomic<bool>* cancelRequest = nullptr;

extern "C" void onCancelSignal(int)
{
    if (cancelRequest)
        cancelRequest->store(true);
}

}  // namespace

void cancelOnSignals(Host& host)
{
    static_assert(std::atomic<bool>::is_always_lock_free, "the signal handler stores to the flag");
    cancelRequest = &host.cancelFlag();
    struct sigaction action {};
    action.sa_handler = onCancelSignal;
    sigemptyset(&action.sa_mask);
    // Once handled, the signal takes its default action again: a second
    // Ctrl-C ends the program at once. No SA_RESTART: a prompt waiting for
    // input returns, and the question takes the answer that keeps the files.
    action.sa_flags = SA_RESETHAND;
    ::sigaction(SIGINT, &action, nullptr);
    ::sigaction(SIGTERM, &action, nullptr);
}

int jobStatus(TerminalHost& host, const JobEnd& end, bool done)
{
    for (const QString& line : end.undone)
        host.printLine(QStringLiteral("tsl-cli: ") + line);
    if (end.cancelled) {
        host.printLine(CliText::tr("tsl-cli: cancelled"));
        return exitcode::Cancelled;
    }
    return done ? exitcode::Done : exitcode::Partial;
}

}  // namespace tsl::cli
