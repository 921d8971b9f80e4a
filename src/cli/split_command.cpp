// tsl-cli split: the Split command from a terminal or a script.
#include "cli/cli_common.h"
#include "cli/commands.h"
#include "core/texts.h"
#include "pieces/part_names.h"
#include "settings/load_reg.h"
#include "settings/named_sizes.h"
#include "split/piece_size.h"
#include "split/split_engine.h"

#include <QDir>
#include <QFileInfo>
#include <QRegularExpression>

namespace tsl::cli {

namespace {

// "floppy 1457664, email 25000000, ..." for the help.
QString namedSizesText()
{
    QStringList sizes;
    for (const NamedSize& n : namedSizes())
        sizes << QLatin1String(n.name) + QLatin1Char(' ') + QString::number(n.bytes);
    return sizes.join(QStringLiteral(", "));
}

QString sizeOptionText()
{
    const SettingRange& r = *settingRange(QStringLiteral("SplitSize"));
    return CliText::tr("Part size in bytes, %1..%2 (setting SplitSize); k, M, G count 1000s, "
                       "KiB, MiB, GiB 1024s (2MiB); or a name (bytes): %3.")
        .arg(qint64(r.low))
        .arg(qint64(r.high))
        .arg(namedSizesText());
}

QString piecesOptionText()
{
    const SettingRange& r = *settingRange(QStringLiteral("SplitPieces"));
    return CliText::tr("Cut each FILE into N pieces, %1..%2 (settings SplitMode 1 and "
                       "SplitPieces): each FILE gets its own part size. The last piece may be "
                       "smaller, and a very small FILE gives fewer than N pieces, never more.")
        .arg(qint64(r.low))
        .arg(qint64(r.high));
}

void addSplitOptions(QCommandLineParser& parser)
{
    parser.setApplicationDescription(CliText::tr(
        "Splits each FILE into numbered pieces (FILE.001, FILE.002, ...; letters such as\n"
        "FILE.00a above 999 pieces), with an info file (FILE.000) and a batch file\n"
        "(FILE.bat) that rebuilds FILE, and a checksum file (FILE.sha256) that\n"
        "sha256sum -c checks. All FILEs are in one directory.\n\n"
        "Messages go to standard error; on a terminal the progress is one updating line.\n"
        "Questions are asked when standard input and standard error are terminals. Else (and\n"
        "at the end of input) overwriting existing pieces is answered No unless --yes or\n"
        "--existing always says so, and a run-time error stops the run unless\n"
        "--on-error continue says so; both question and answer are printed.\n"
        "Ctrl-C (or SIGTERM) stops the run: the pieces of the file being split are\n"
        "removed, files split before stay; a second Ctrl-C ends at once.\n"
        "Each file is written under temporary names (.tsl-s...) and renamed into place\n"
        "when all its pieces are written and checked; only then is anything deleted.\n"
        "--keep keeps the FILEs whatever SplitDelete says.\n\n"
        "Piece sizes that are a multiple of the file system's block size (4096 bytes on\n"
        "most: 4MiB, 100MiB) split and combine almost instantly on XFS and btrfs, which\n"
        "share the blocks of the pieces and the file instead of copying them.\n\n"
        "With --pieces N each FILE gets the part size that cuts it into N pieces: its\n"
        "length / N rounded up, and from 1 MiB on rounded up to whole 4096-byte blocks.\n"
        "The info file records that size, as for any split. The last piece may be\n"
        "smaller, and a very small FILE gives fewer than N pieces (never more); a FILE\n"
        "whose pieces would hold less than the smallest part size is not split.\n\n"
        "Exit status: 0 every file split, 1 a file skipped or a run-time error answered,\n"
        "2 bad usage, 130 stopped by Ctrl-C."));
    parser.addOptions({
        {{QStringLiteral("s"), QStringLiteral("size")}, sizeOptionText(), QStringLiteral("BYTES")},
        {{QStringLiteral("p"), QStringLiteral("pieces")}, piecesOptionText(), QStringLiteral("N")},
        {{QStringLiteral("o"), QStringLiteral("out")},
         CliText::tr("Output directory; default the directory of the FILEs."),
         QStringLiteral("DIR")},
        {QStringLiteral("range"),
         CliText::tr(
             "Write only pieces FIRST to LAST of the one FILE (no info file, batch file or deletion)."),
         QStringLiteral("FIRST-LAST")},
        {QStringLiteral("short-names"),
         CliText::tr("Name the pieces after an 8.3-style short name (setting SplitFileNames 1).")},
        {QStringLiteral("no-info"), CliText::tr("Write no info file (setting Split000 off).")},
        {QStringLiteral("no-bat"), CliText::tr("Write no batch file (setting SplitBat off).")},
        {QStringLiteral("checksums"),
         CliText::tr("Write the checksum file NAME.sha256 (setting Checksums on).")},
        {QStringLiteral("no-checksums"),
         CliText::tr("Write no checksum file (setting Checksums off).")},
        {QStringLiteral("delete"),
         CliText::tr("Delete each FILE after splitting it (setting SplitDelete on).")},
        {QStringLiteral("keep"), CliText::tr("Keep each FILE, whatever SplitDelete says.")},
        {QStringLiteral("no-wipe"),
         CliText::tr("Delete without overwriting first (setting WipeOnDel off).")},
        {QStringLiteral("existing"),
         CliText::tr(
             "When pieces of a FILE exist already: never overwrite, ask, always overwrite (setting PartsExist)."),
         QStringLiteral("never|ask|always")},
    });
    addCommonOptions(parser);
    parser.addPositionalArgument(QStringLiteral("FILE"), CliText::tr("The files to split."),
                                 QStringLiteral("FILE..."));
}

// Applies the options that override settings; false with *error on a bad value.
bool applySplitOptions(const QCommandLineParser& p, Settings& s, QString* error)
{
    if (!applyChunkOption(p, s, error))
        return false;
    if (p.isSet(QStringLiteral("size")) && p.isSet(QStringLiteral("pieces"))) {
        *error = CliText::tr("--size and --pieces cannot be used together.");
        return false;
    }
    if (p.isSet(QStringLiteral("size"))) {
        double size = 0;
        const bool ok = parseByteSize(p.value(QStringLiteral("size")), &size);
        if (!withinRange(QStringLiteral("SplitSize"), ok ? size : -1, QStringLiteral("--size"),
                         //: %1 the names of the common sizes ("floppy, email, ...")
                         CliText::tr("a name (%1) or a number of bytes (k, M, G count 1000s, "
                                     "KiB, MiB, GiB 1024s)")
                             .arg(namedSizeList()),
                         error))
            return false;
        s.SplitSize = size;
        s.SplitMode = 0;
    }
    if (p.isSet(QStringLiteral("pieces"))) {
        qint64 pieces = 0;
        if (!readCountOption(p, QStringLiteral("pieces"), QStringLiteral("SplitPieces"),
                             CliText::tr("a number of pieces"), &pieces, error))
            return false;
        s.SplitPieces = qint32(pieces);
        s.SplitMode = 1;
    }
    if (p.isSet(QStringLiteral("existing"))) {
        const int index =
            QStringList{QStringLiteral("never"), QStringLiteral("ask"), QStringLiteral("always")}
                .indexOf(p.value(QStringLiteral("existing")).trimmed().toLower());
        if (index < 0) {
            *error = CliText::tr("--existing takes never, ask or always.");
            return false;
        }
        s.PartsExist = qint16(index);
    }
    if (p.isSet(QStringLiteral("short-names")))
        s.SplitFileNames = 1;
    if (p.isSet(QStringLiteral("no-info")))
        s.Split000 = false;
    if (p.isSet(QStringLiteral("no-bat")))
        s.SplitBat = false;
    if (p.isSet(QStringLiteral("checksums")) && p.isSet(QStringLiteral("no-checksums"))) {
        *error = CliText::tr("--checksums and --no-checksums cannot be given together.");
        return false;
    }
    if (p.isSet(QStringLiteral("checksums")))
        s.Checksums = true;
    if (p.isSet(QStringLiteral("no-checksums")))
        s.Checksums = false;
    if (p.isSet(QStringLiteral("delete")) && p.isSet(QStringLiteral("keep"))) {
        *error = CliText::tr("--delete and --keep cannot be given together.");
        return false;
    }
    if (p.isSet(QStringLiteral("delete")))
        s.SplitDelete = true;
    if (p.isSet(QStringLiteral("keep")))
        s.SplitDelete = false;
    if (p.isSet(QStringLiteral("no-wipe")))
        s.WipeOnDel = false;
    return true;
}

// Fills the selection from the FILE arguments: bare names in one directory.
bool selectFiles(const QStringList& files, SplitRequest& request, QString* error)
{
    for (const QString& file : files) {
        *error = fileArgumentProblem(file);
        if (!error->isEmpty())
            return false;
        const QFileInfo info(file);
        const QString dir = info.absolutePath() + QLatin1Char('/');
        if (request.sourceDir.isEmpty())
            request.sourceDir = dir;
        else if (dir != request.sourceDir) {
            *error =
                CliText::tr("All FILEs must be in one directory (run tsl-cli once per directory).");
            return false;
        }
        request.files << info.fileName();
    }
    return true;
}

// Checks --range against the one file's piece count and puts it into the request.
bool applyRange(const QString& range, const Settings& s, SplitRequest& request, QString* error)
{
    static const QRegularExpression form(QStringLiteral("^(\\d+)-(\\d+)$"));
    const QRegularExpressionMatch m = form.match(range.trimmed());
    if (!m.hasMatch() || m.captured(1).toLongLong() < 1 || m.captured(2).toLongLong() < 1) {
        *error = CliText::tr("--range takes FIRST-LAST, two piece numbers from 1 up.");
        return false;
    }
    if (m.captured(2).toLongLong() < m.captured(1).toLongLong()) {
        *error = CliText::tr("--range: the first piece cannot be higher than the last.");
        return false;
    }
    if (request.files.size() != 1) {
        *error = CliText::tr("--range works with one FILE only.");
        return false;
    }
    const QFileInfo info(request.sourceDir + request.files.first());
    const qint64 pieces = splitPieceCount(s, info.size());
    if (info.isFile()
        && (m.captured(1).toLongLong() > pieces || m.captured(2).toLongLong() > pieces)) {
        *error = CliText::tr("%1 has %2 pieces of this size: --range must stay within 1-%2.")
                     .arg(request.files.first())
                     .arg(pieces);
        return false;
    }
    request.rangeStart = m.captured(1).toLongLong();
    request.rangeEnd = m.captured(2).toLongLong();
    return true;
}

}  // namespace

int splitCommand(const QStringList& args)
{
    QCommandLineParser parser;
    addSplitOptions(parser);
    const std::optional<TerminalOptions> options = parseCommand(parser, args);
    if (!options)
        return exitcode::Usage;
    QString error;
    if (parser.positionalArguments().isEmpty())
        return usageError(parser, CliText::tr("Name at least one FILE to split."));

    TerminalHost host(*options);
    Settings settings = loadSettings(host);
    SplitRequest request;
    if (!applySplitOptions(parser, settings, &error)
        || !selectFiles(parser.positionalArguments(), request, &error))
        return usageError(parser, error);
    if (parser.isSet(QStringLiteral("range"))
        && !applyRange(parser.value(QStringLiteral("range")), settings, request, &error))
        return usageError(parser, error);
    // A blank --out means the default, the FILEs' own directory.
    const QString out = parser.value(QStringLiteral("out")).trimmed();
    request.outputDirText = out.isEmpty() ? request.sourceDir : QFileInfo(out).absoluteFilePath();
    if (!out.isEmpty() && !QFileInfo(out).isDir())
        return usageError(parser, CliText::tr("%1: no such directory.").arg(out));

    cancelOnSignals(host);
    const SplitOutcome outcome = runSplit(request, settings, host);
    // A source kept although --delete (or SplitDelete) asked for it is not all done.
    const bool allSplit = !outcome.terminated && !outcome.rangeRefused && !outcome.errorFlag
        && outcome.skipped == 0 && outcome.failed == 0 && outcome.sourcesKept.isEmpty()
        && outcome.split == request.files.size();
    return jobStatus(host, outcome, allSplit);
}

}  // namespace tsl::cli
