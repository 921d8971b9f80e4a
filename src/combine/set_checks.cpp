// The first half of a set: its info file, the piece-size prompt, the search
// for its pieces and extra pieces, the size check, the three reports and the
// decision.
#include "combine/combine_decision.h"
#include "combine/combine_run.h"
#include "combine/part_lists.h"
#include "combine/set_verdicts.h"
#include "combine/size_check.h"
#include "core/file_system.h"
#include "core/file_utils.h"
#include "core/host.h"
#include "core/message_text.h"
#include "core/texts.h"
#include "pieces/part_names.h"
#include "settings/value_conversion.h"

#include <QFileInfo>
#include <cmath>
#include <limits>

namespace tsl {

namespace {

constexpr qint64 ProposedPieceSize = 512000;

// Reads the info file of an info entry. Skip on Abort, Terminate when a
// run-time error was answered No; Ignore leaves the set without its values.
Flow readInfo(CombineRun& run, PieceSet& set)
{
    if (!set.infoFlag)
        return Flow::Go;
    set.readResult = ParseMS000(run.request.sourceDir + set.entry, false, set.info, run.host);
    if (set.readResult == info::Quit)
        return Flow::Terminate;
    if (set.readResult == info::Skip)
        return Flow::Skip;
    return Flow::Go;
}

void askPieceSize(CombineRun& run, PieceSet& set)
{
    const Settings& s = run.settings;
    if (!s.PSizeCheck || !s.PSizePrompt || set.info.InfoHasPieceSize)
        return;
    const QString first = set.names.dir + set.names.base + QStringLiteral(".001");
    const qint64 proposed = isOrdinaryFile(first) ? pathFacts(first).size : ProposedPieceSize;
    const QString prompt = withCrLf(CombineText::tr("Enter the part size (in bytes) for the\n"
                                                    "segments of %1. Click the Cancel button\n"
                                                    "to skip the part size check."))
                               .arg(set.names.base);
    const auto answer = run.host.input(Prompt::PieceSize, prompt, QString::number(proposed));
    const double value = answer ? leadingNumber(*answer).value : 0;
    constexpr double most = double(std::numeric_limits<qint64>::max() / 2);
    set.info.InfoPieceSize = value >= 0.5 ? quint64(std::llround(qMin(value, most))) : 0;
    set.info.InfoHasPieceSize = set.info.InfoPieceSize > 0;
}

void findPieces(CombineRun& run, PieceSet& set)
{
    const Settings& s = run.settings;
    const SearchRule rule{set.letterScheme, s.UnderPeriod};
    set.table.reset(set.expected + 1);
    set.missing =
        set.expected - searchPieces(run.host, set.table, set.names, rule, 1, set.expected, false);
    if (s.HighPart > set.expected && s.SearchExtra) {
        set.table.resize(qint64(s.HighPart) + 1);
        set.extra =
            searchPieces(run.host, set.table, set.names, rule, set.expected + 1, s.HighPart, true);
    }
}

// Shows one parts report and turns its answer into a flag or a flow.
Flow askReport(CombineRun& run, PieceSet& set, ReportMode mode, const QString& message)
{
    const PartsReport report{mode, set.k, run.setCount, set.names.base, run.outDir, message};
    const ReportAnswer answer = run.host.report(report);
    if (answer == ReportAnswer::Cancel)
        return Flow::Stop;
    if (answer == ReportAnswer::Skip)
        return Flow::Skip;
    set.flags |= decisionFlag(mode, answer);
    return Flow::Go;
}

Flow reportMissing(CombineRun& run, PieceSet& set)
{
    if (set.missing == 0 || (set.flags != 1 && set.flags != 0))
        return Flow::Go;
    const QString list = missingPartsList(set.table, set.expected, set.letterScheme);
    if (set.flags == 0) {
        // The setting skips such a set; say which one and why.
        run.host.status(missingSkipText(set.names.base, set.missing, list));
        return Flow::Skip;
    }
    return askReport(run, set, ReportMode::Missing,
                     missingPartsMessage(set.names.base, set.missing, list));
}

// A set whose pieces go on past the highest number searched is not whole:
// reported like missing pieces, and never counted done or deleted.
Flow reportBeyondLimit(CombineRun& run, PieceSet& set)
{
    const qint64 number = pieceBeyondSearch(run, set);
    if (number == 0)
        return Flow::Go;
    set.beyondLimit = number;
    const QString message =
        beyondLimitMessage(set.names.base, number, run.settings.HighPart, set.letterScheme);
    // Asked, skipped or joined as the missing-pieces setting says.
    const int rule = run.settings.MissingParts;
    if (rule == 0) {
        run.host.status(CombineText::tr("Skipped %1: part %2 lies past the highest part searched.")
                            .arg(set.names.base, QString::number(number)));
        return Flow::Skip;
    }
    if (rule != 1)
        return Flow::Go;
    return askReport(run, set, ReportMode::Missing, message);
}

Flow reportExtra(CombineRun& run, PieceSet& set)
{
    if (set.extra == 0 || run.settings.ExtraParts != 0)
        return Flow::Go;
    const QString list = extraPartsList(set.table, set.expected, run.settings.HighPart);
    return askReport(run, set, ReportMode::Extra,
                     extraPartsMessage(set.names.base, set.extra, list));
}

SizeCheckResult checkWrongSizes(CombineRun& run, PieceSet& set);

// The wrong-size pieces and, when the set has a checksum file, the damaged
// ones: one report of corrupt parts.
Flow reportCorrupt(CombineRun& run, PieceSet& set)
{
    SizeCheckResult result;
    const InfoRecord& info = set.info;
    if (info.InfoPieceSize > 0 && info.InfoHasPieceSize && run.settings.PSizeCheck)
        result = checkWrongSizes(run, set);
    if (const Flow flow = checkDigests(run, set); flow != Flow::Go)
        return flow;
    const SizeCheckResult damaged = damagedParts(set.table);
    if (result.count + damaged.count == 0)
        return Flow::Go;
    return askReport(run, set, ReportMode::Corrupt,
                     corruptPartsMessage(set.names.base, result, damaged));
}

SizeCheckResult checkWrongSizes(CombineRun& run, PieceSet& set)
{
    const InfoRecord& info = set.info;
    SizeCheck check;
    check.pieceSize = qint64(info.InfoPieceSize);
    check.totalSize = qint64(qMin<quint64>(info.InfoTotalSize, std::numeric_limits<qint64>::max()));
    check.expected = set.expected;
    check.upper = set.extra > 0 ? set.table.upper() : set.expected;
    check.extraFound = set.extra > 0;
    return checkPieceSizes(run.host, set.table, check);
}

}  // namespace

Flow checkSet(CombineRun& run, PieceSet& set, qint64* count)
{
    const Settings& s = run.settings;
    set.infoFlag = set.entry.endsWith(QLatin1String(".000"));
    set.flags = s.MissingParts;
    Flow flow = readInfo(run, set);
    if (flow != Flow::Go)
        return flow;
    set.expected = set.readThroughInfo() ? qint64(set.info.InfoPieceCount) : qint64(s.HighPart);
    set.names = setNames(run.request.sourceDir, set.entry);
    askPieceSize(run, set);
    set.letterScheme = usesLetterScheme(set.expected);
    findPieces(run, set);
    for (auto step : {reportMissing, reportBeyondLimit, reportExtra, reportCorrupt}) {
        flow = step(run, set);
        if (flow != Flow::Go)
            return flow;
    }
    const SetDecision decision =
        decideSet(set.table, set.flags, set.expected, set.missing, set.extra, s.ExtraParts);
    set.flags = decision.flags;
    *count = decision.count;
    return decision.combine ? Flow::Go : Flow::Skip;
}

}  // namespace tsl
