// tsl-cli combine: joins piece sets back into their files, with the settings
// of the store overridden by options and the questions answered by options
// or on the terminal.
#include "cli/cli_common.h"
#include "cli/commands.h"
#include "combine/combine_engine.h"
#include "core/texts.h"
#include "pieces/part_names.h"

#include <QDir>
#include <QFileInfo>
#include <optional>

namespace tsl::cli {

namespace {

// The terminal host, with the piece-size prompt answered by --piece-size.
class CombineHost : public TerminalHost {
public:
    CombineHost(TerminalOptions options, std::optional<QString> pieceSize)
        : TerminalHost(options), pieceSize_(std::move(pieceSize))
    {
    }

    std::optional<QString> input(Prompt kind, const QString& prompt,
                                 const QString& defaultText) override
    {
        if (!pieceSize_ || kind != Prompt::PieceSize)
            return TerminalHost::input(kind, prompt, defaultText);
        printLine(prompt);
        printLine(CliText::tr("=> %1 (--piece-size)").arg(*pieceSize_));
        return pieceSize_;
    }

private:
    std::optional<QString> pieceSize_;
};

struct OptionText {
    const char* names;  // comma-separated
    const char* value;  // empty for a switch
    const char* text;
};

const OptionText CombineOptions[] = {
    {"o,out", "DIR",
     QT_TRANSLATE_NOOP("Cli",
                       "Write the combined files into DIR (default: the pieces' directory).")},
    {"missing", "skip|ask|combine",
     QT_TRANSLATE_NOOP("Cli",
                       "When pieces are missing: skip the set, ask, or combine the existing pieces "
                       "(setting MissingParts 0, 1, 2).")},
    {"extra", "ask|include",
     QT_TRANSLATE_NOOP(
         "Cli",
         "When extra pieces are found: ask, or always include them (setting ExtraParts 0, 1).")},
    {"report-answer", "combine|exclude|skip|cancel",
     QT_TRANSLATE_NOOP(
         "Cli",
         "Answer every parts report (missing, extra or wrong-size pieces) this way without "
         "asking.")},
    {"piece-size", "BYTES",
     QT_TRANSLATE_NOOP(
         "Cli",
         "Answer the piece-size prompt of a set without a piece size with BYTES (0 skips the "
         "size check).")},
    {"high-part", "N",
     QT_TRANSLATE_NOOP("Cli", "Highest piece number to look for, 1..19682 (setting HighPart).")},
    {"no-search-extra", "",
     QT_TRANSLATE_NOOP("Cli",
                       "Do not look for pieces beyond the expected last one (SearchExtra off).")},
    {"no-size-check", "", QT_TRANSLATE_NOOP("Cli", "Do not check piece sizes (PSizeCheck off).")},
    {"no-size-prompt", "",
     QT_TRANSLATE_NOOP("Cli", "Never ask for the piece size (PSizePrompt off).")},
    {"no-underscore-names", "",
     QT_TRANSLATE_NOOP(
         "Cli", "Do not treat name_ext.NNN and name.ext.NNN as the same set (UnderPeriod off).")},
    {"no-fix-ext", "",
     QT_TRANSLATE_NOOP(
         "Cli", "Do not repair a lost extension such as clip_mpg -> clip.mpg (FixExt off).")},
    {"delete", "",
     QT_TRANSLATE_NOOP("Cli",
                       "Delete the pieces, the info file and the batch file of each combined set "
                       "(CombineDelete on).")},
    {"keep", "",
     QT_TRANSLATE_NOOP(
         "Cli", "Keep the pieces, the info file and the batch file, whatever CombineDelete says.")},
    {"no-wipe", "",
     QT_TRANSLATE_NOOP("Cli", "Delete pieces without overwriting them first (WipeOnDel off).")},
};

void addCombineOptions(QCommandLineParser& parser)
{
    for (const OptionText& o : CombineOptions)
        parser.addOption(QCommandLineOption(QString::fromLatin1(o.names).split(QLatin1Char(',')),
                                            CliText::tr(o.text), QString::fromLatin1(o.value)));
    addCommonOptions(parser);
    parser.addPositionalArgument(
        QStringLiteral("SET"),
        CliText::tr("An info file (name.000) or a piece (name.001) of each set; all in one "
                    "directory."),
        QStringLiteral("SET..."));
}

// What the options change in the stored settings, and the answers they give.
struct Overrides {
    std::optional<qint16> MissingParts;
    std::optional<qint16> ExtraParts;
    std::optional<qint32> HighPart;
    std::optional<QString> pieceSize;  // the answer to the piece-size prompt
};

// The index of value among words, or -1.
int choice(const QString& value, const QStringList& words)
{
    return int(words.indexOf(value.trimmed().toLower()));
}

// Reads the option `name` as one of words; false with *error when it is none.
bool readChoice(const QCommandLineParser& parser, const QString& name, const QStringList& words,
                int* index, QString* error)
{
    if (!parser.isSet(name))
        return true;
    *index = choice(parser.value(name), words);
    if (*index >= 0)
        return true;
    //: %1 an option's name, %2 and %3 the words it takes ("never, ask", "always")
    *error =
        CliText::tr("--%1 takes %2 or %3.")
            .arg(name, words.mid(0, words.size() - 1).join(QStringLiteral(", ")), words.last());
    return false;
}

bool readChoices(const QCommandLineParser& parser, Overrides& o, TerminalOptions& t, QString* error)
{
    int missing = -1, extra = -1, answer = -1;
    const bool ok =
        readChoice(parser, QStringLiteral("missing"),
                   {QStringLiteral("skip"), QStringLiteral("ask"), QStringLiteral("combine")},
                   &missing, error)
        && readChoice(parser, QStringLiteral("extra"),
                      {QStringLiteral("ask"), QStringLiteral("include")}, &extra, error)
        && readChoice(parser, QStringLiteral("report-answer"),
                      {QStringLiteral("combine"), QStringLiteral("exclude"), QStringLiteral("skip"),
                       QStringLiteral("cancel")},
                      &answer, error);
    if (missing >= 0)
        o.MissingParts = qint16(missing);
    if (extra >= 0)
        o.ExtraParts = qint16(extra);
    if (answer >= 0)
        t.reportAnswer = ReportAnswer(answer);  // in the order of the enumeration
    return ok;
}

bool readNumbers(const QCommandLineParser& parser, Overrides& o, QString* error)
{
    qint64 n = 0;
    if (parser.isSet(QStringLiteral("high-part"))) {
        n = -1;
        (void)parseCount(parser.value(QStringLiteral("high-part")), &n);
        if (!withinRange(QStringLiteral("HighPart"), double(n), QStringLiteral("--high-part"),
                         CliText::tr("a number"), error))
            return false;
        o.HighPart = qint32(n);
    }
    if (parser.isSet(QStringLiteral("piece-size"))) {
        if (!parseCount(parser.value(QStringLiteral("piece-size")), &n))
            return *error = CliText::tr("--piece-size takes a number of bytes."), false;
        o.pieceSize = QString::number(n);
    }
    return true;
}

void applyOverrides(const Overrides& o, Settings& s)
{
    if (o.MissingParts)
        s.MissingParts = *o.MissingParts;
    if (o.ExtraParts)
        s.ExtraParts = *o.ExtraParts;
    if (o.HighPart)
        s.HighPart = *o.HighPart;
}

void applySwitches(const QCommandLineParser& parser, Settings& s)
{
    const auto set = [&parser](const char* name) {
        return parser.isSet(QString::fromLatin1(name));
    };
    if (set("no-search-extra"))
        s.SearchExtra = false;
    if (set("no-size-check"))
        s.PSizeCheck = false;
    if (set("no-size-prompt"))
        s.PSizePrompt = false;
    if (set("no-underscore-names"))
        s.UnderPeriod = false;
    if (set("no-fix-ext"))
        s.FixExt = false;
    if (set("delete"))
        s.CombineDelete = true;
    if (set("keep"))
        s.CombineDelete = false;
    if (set("no-wipe"))
        s.WipeOnDel = false;
}

// The entries and their one directory; false with *error when they are not.
bool gatherSets(const QStringList& sets, QStringList* names, QString* dir, QString* error)
{
    if (sets.isEmpty())
        return *error = CliText::tr("Name at least one SET (name.000 or name.001)."), false;
    for (const QString& set : sets) {
        const QFileInfo info(set);
        *error = fileArgumentProblem(set);
        if (!error->isEmpty())
            return false;
        const QString setDir = info.absolutePath() + QLatin1Char('/');
        if (!dir->isEmpty() && setDir != *dir)
            return *error = CliText::tr("All SETs must be in one directory."), false;
        *dir = setDir;
        *names << info.fileName();
    }
    return true;
}

}  // namespace

int combineCommand(const QStringList& args)
{
    QCommandLineParser parser;
    parser.setApplicationDescription(
        CliText::tr("Combines each SET of pieces back into its file: finds the pieces (also as\n"
                    "name_ext.NNN and in the other numbering scheme), looks for extra pieces,\n"
                    "checks piece sizes, reports missing, extra and wrong-size pieces, joins the\n"
                    "pieces, restores the time stamps and the read-only attribute from the info\n"
                    "file, and deletes the pieces when asked to. Each option overrides the\n"
                    "setting of the same meaning.\n"
                    "Each file is written under a temporary name (.tsl-c...) in the output\n"
                    "directory, checked (its size, the pieces unchanged) and renamed to NAME only\n"
                    "when complete: an existing NAME stays as it was until then, and a result\n"
                    "known not to be whole never replaces it.\n"
                    "When the set's folder has NAME.sha256, every piece it has a line for is\n"
                    "checked before anything is written (a damaged one is listed among the\n"
                    "corrupt parts, by name) and the joined bytes against its line for NAME\n"
                    "before the commit; a set that fails the check is never deleted, and the\n"
                    "checksum file goes with a verified set that is deleted.\n"
                    "A set joined with a gap counts as failed and keeps its pieces. --keep keeps\n"
                    "the pieces whatever CombineDelete says. Without a terminal (and at the end\n"
                    "of input) overwriting an existing file is answered No unless --yes says so,\n"
                    "and a run-time error stops the run unless --on-error continue says so.\n"
                    "Ctrl-C (or SIGTERM) stops the run and removes the file being written; a\n"
                    "second Ctrl-C ends at once.\n"
                    "Exit status: 0 when every set was combined, 1 when a set was skipped or\n"
                    "cancelled or a run-time error was answered, 2 for bad usage, 130 stopped\n"
                    "by Ctrl-C."));
    addCombineOptions(parser);
    if (!parseArguments(parser, args))
        return exitcode::Usage;
    QString error;
    TerminalOptions terminal = terminalOptions(parser, &error);
    Overrides overrides;
    QStringList names;
    QString dir;
    if (error.isEmpty() && parser.isSet(QStringLiteral("delete"))
        && parser.isSet(QStringLiteral("keep")))
        error = CliText::tr("--delete and --keep cannot be given together.");
    if (error.isEmpty() && readChoices(parser, overrides, terminal, &error)
        && readNumbers(parser, overrides, &error))
        gatherSets(parser.positionalArguments(), &names, &dir, &error);
    QString outDir = dir;
    if (error.isEmpty() && parser.isSet(QStringLiteral("out"))) {
        const QFileInfo out(parser.value(QStringLiteral("out")));
        if (!out.isDir())
            error = CliText::tr("%1: no such directory.").arg(parser.value(QStringLiteral("out")));
        outDir = out.absoluteFilePath() + QLatin1Char('/');
    }
    if (!error.isEmpty())
        return usageError(parser, error);
    CombineHost host(terminal, overrides.pieceSize);
    Settings settings = loadSettings(host);
    if (!applyChunkOption(parser, settings, &error))
        return usageError(parser, error);
    applyOverrides(overrides, settings);
    applySwitches(parser, settings);
    cancelOnSignals(host);
    const CombineOutcome outcome = runCombine({names, dir, outDir}, settings, host);
    return jobStatus(host, outcome, outcome.allCombined());
}

}  // namespace tsl::cli
