// tsl-cli verify: checks piece sets and their joined files against the
// checksum files beside them, naming every damaged or missing piece.
#include "cli/cli_common.h"
#include "cli/commands.h"
#include "combine/verify_set.h"
#include "core/texts.h"
#include "pieces/part_names.h"
#include "pieces/set_digests.h"
#include "pieces/sha256_sidecar.h"

#include <QFileInfo>
#include <QThread>
#include <cstdio>

namespace tsl::cli {

namespace {

constexpr int MaxJobs = 256;

void addVerifyOptions(QCommandLineParser& parser)
{
    parser.setApplicationDescription(CliText::tr(
        "Checks each SET against its checksum file NAME.sha256 (the format of\n"
        "sha256sum; a hand-made one will do): every piece the file has a line for,\n"
        "found under any name combine accepts, and the joined file NAME when it is\n"
        "there. SET is the checksum file, an info file or a piece of the set, or the\n"
        "joined file.\n\n"
        "Prints one line for each damaged, missing or unreadable file, then one line\n"
        "for each SET: NAME: OK or NAME: FAILED, with the counts.\n"
        "Pieces that are missing do not fail a SET whose joined file is there and\n"
        "intact.\n\n"
        "Exit status: 0 when every SET is intact, 1 when something differs, is missing\n"
        "or cannot be read (or a SET has no checksum file), 2 bad usage, 130 stopped\n"
        "by Ctrl-C."));
    parser.addOptions({
        {{QStringLiteral("j"), QStringLiteral("jobs")},
         CliText::tr("Files hashed at once, 1..%1 (default: the number of processors).")
             .arg(MaxJobs),
         QStringLiteral("N")},
        {QStringLiteral("chunk"),
         CliText::tr("Largest single read, 10000..10000000 bytes (setting ChunkSize)."),
         QStringLiteral("BYTES")},
        {QStringLiteral("no-underscore-names"),
         CliText::tr("Do not take name_ext.NNN and name.ext.NNN for pieces of name.ext "
                     "(UnderPeriod off).")},
    });
    addAnswerOptions(parser);
    parser.addPositionalArgument(
        QStringLiteral("SET"),
        CliText::tr("A checksum file (name.sha256), an info file or piece of a set "
                    "(name.000, name.001), or the joined file."),
        QStringLiteral("SET..."));
}

bool readJobs(const QCommandLineParser& parser, int* jobs, QString* error)
{
    *jobs = QThread::idealThreadCount();
    if (!parser.isSet(QStringLiteral("jobs")))
        return true;
    qint64 n = 0;
    if (!parseCount(parser.value(QStringLiteral("jobs")), &n) || n < 1 || n > MaxJobs) {
        *error = CliText::tr("--jobs takes a number from 1 to %1.").arg(MaxJobs);
        return false;
    }
    *jobs = int(n);
    return true;
}

void printOut(const QString& line)
{
    std::fputs((line + QLatin1Char('\n')).toLocal8Bit().constData(), stdout);
    std::fflush(stdout);
}

// How a file of the set is shown: with the folder as the SET argument gave it.
struct Shown {
    QString prefix;  // "" or the argument's folder with "/"
    QString operator()(const QString& name) const { return prefix + name; }
};

Shown shownFor(const QString& argument)
{
    if (!argument.contains(QLatin1Char('/')))
        return {};
    return {argument.left(argument.lastIndexOf(QLatin1Char('/')) + 1)};
}

QString problemLine(const Shown& shown, const VerifiedFile& file)
{
    switch (file.verdict) {
    case FileVerdict::Damaged:
        return CliText::tr("%1: damaged (checksum differs)").arg(shown(file.name));
    case FileVerdict::Missing: return CliText::tr("%1: missing").arg(shown(file.name));
    case FileVerdict::Unreadable:
        return CliText::tr("%1: unreadable (%2)")
            .arg(shown(file.name),
                 file.error.failed() ? runErrorLine(file.error) : CliText::tr("cancelled"));
    case FileVerdict::Intact: break;
    }
    return {};
}

QString piecesSummary(const VerifyOutcome& o)
{
    if (o.pieces.isEmpty())
        return CliText::tr("no piece checksums");
    QStringList counts{CliText::tr("%1 of %n pieces intact", nullptr, int(o.pieces.size()))
                           .arg(o.count(FileVerdict::Intact))};
    const std::pair<FileVerdict, const char*> others[] = {
        {FileVerdict::Damaged, QT_TRANSLATE_N_NOOP("Cli", "%n damaged")},
        {FileVerdict::Missing, QT_TRANSLATE_N_NOOP("Cli", "%n missing")},
        {FileVerdict::Unreadable, QT_TRANSLATE_N_NOOP("Cli", "%n unreadable")}};
    for (const auto& [verdict, text] : others) {
        if (const int n = o.count(verdict))
            counts << CliText::tr(text, nullptr, n);
    }
    return counts.join(QStringLiteral(", "));
}

QString wholeSummary(const Shown& shown, const VerifyOutcome& o)
{
    if (!o.whole)
        return CliText::tr("no checksum for the joined file");
    const QString name = shown(o.target.base);
    switch (o.whole->verdict) {
    case FileVerdict::Intact: return CliText::tr("%1 intact").arg(name);
    case FileVerdict::Damaged: return CliText::tr("%1 damaged").arg(name);
    case FileVerdict::Missing: return CliText::tr("%1 not joined yet").arg(name);
    case FileVerdict::Unreadable: return CliText::tr("%1 unreadable").arg(name);
    }
    return {};
}

// Prints what was found about one set; true when it passed.
bool report(TerminalHost& host, const Shown& shown, const VerifyOutcome& o)
{
    const QString sidecar = shown(QFileInfo(o.target.sidecar).fileName());
    if (o.malformedLines > 0)
        host.printLine(CliText::tr("tsl-cli: %1: %2 improperly formatted line(s) left aside")
                           .arg(sidecar)
                           .arg(o.malformedLines));
    const QString head = o.passed() ? CliText::tr("%1: OK (%2)") : CliText::tr("%1: FAILED (%2)");
    const QString name = shown(o.target.base);
    if (o.sidecarError.failed()) {
        printOut(head.arg(name, runErrorLine(o.sidecarError)));
        return false;
    }
    if (o.noLines()) {
        printOut(head.arg(
            name, CliText::tr("%1 has no line for %2 or its pieces").arg(sidecar, o.target.base)));
        return false;
    }
    // Pieces that are gone are no loss once the joined file is there and intact.
    const bool listMissing = !(o.whole && o.whole->verdict == FileVerdict::Intact);
    for (const VerifiedFile& piece : o.pieces) {
        if (piece.verdict != FileVerdict::Intact
            && (piece.verdict != FileVerdict::Missing || listMissing))
            printOut(problemLine(shown, piece));
    }
    if (o.whole && o.whole->verdict != FileVerdict::Intact
        && o.whole->verdict != FileVerdict::Missing)
        printOut(problemLine(shown, *o.whole));
    printOut(head.arg(name, CliText::tr("%1; %2").arg(piecesSummary(o), wholeSummary(shown, o))));
    return o.passed();
}

}  // namespace

int verifyCommand(const QStringList& args)
{
    QCommandLineParser parser;
    addVerifyOptions(parser);
    const std::optional<TerminalOptions> terminal = parseCommand(parser, args);
    if (!terminal)
        return exitcode::Usage;
    QString error;
    VerifyOptions options;
    const QStringList sets = parser.positionalArguments();
    if (!readJobs(parser, &options.jobs, &error))
        return usageError(parser, error);
    if (sets.isEmpty())
        return usageError(
            parser, CliText::tr("Name at least one SET (name.sha256, name.000 or name.001)."));
    for (const QString& set : sets) {
        error = fileArgumentProblem(set);
        if (!error.isEmpty())
            return usageError(parser, error);
    }
    TerminalHost host(*terminal);
    Settings settings = loadSettings(host);
    if (!applyChunkOption(parser, settings, &error))
        return usageError(parser, error);
    options.chunkSize = settings.ChunkSize;
    options.underPeriod =
        settings.UnderPeriod && !parser.isSet(QStringLiteral("no-underscore-names"));

    cancelOnSignals(host);
    bool allPassed = true;
    for (const QString& set : sets) {
        const Shown shown = shownFor(set);
        const std::optional<VerifyTarget> target = verifyTargetOf(set);
        if (!target) {
            const QString name = QFileInfo(set).fileName();
            const QString stripped = StripExt(name);
            const bool ofASet =
                name.endsWith(QStringLiteral(".000")) || pieceNumberOf(name, stripped) > 0;
            const QString base = ofASet ? stripped : name;
            printOut(CliText::tr("%1: FAILED (no checksum file %2)")
                         .arg(shown(base), shown(sidecarName(base))));
            allPassed = false;
            continue;
        }
        const VerifyOutcome outcome = verifySet(*target, options, host);
        if (outcome.cancelled) {
            JobEnd end;
            end.cancelled = true;
            return jobStatus(host, end, false);
        }
        allPassed = report(host, shown, outcome) && allPassed;
    }
    return allPassed ? exitcode::Done : exitcode::Partial;
}

}  // namespace tsl::cli
