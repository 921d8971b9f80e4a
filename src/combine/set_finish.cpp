// Writing a checked set as one transaction: the output planned with its size,
// permission bits and times, written under a temporary name, verified
// against its pieces and its info file, renamed into place, and only then
// the pieces deleted; the status that says how the set ended.
#include "combine/combine_run.h"
#include "combine/ext_repair.h"
#include "combine/set_verdicts.h"
#include "core/file_facts.h"
#include "core/file_hasher.h"
#include "core/file_system.h"
#include "core/file_utils.h"
#include "core/host.h"
#include "core/message_text.h"
#include "core/texts.h"
#include "core/transaction.h"

#include <QFileInfo>
#include <optional>

namespace tsl {

namespace {

// The name the output takes: the repaired extension when FixExt is on and
// that name is free, else the name chosen.
QString finalName(const CombineRun& run, const OutputFile& out)
{
    if (!run.settings.FixExt)
        return out.name;
    const QString repaired = repairedExtension(out.name);
    if (repaired == out.name)
        return out.name;
    struct stat st {};
    return lstatPath(run.outDir + repaired, &st) ? out.name : repaired;
}

// Pieces joined: every one from 1 to count that is not left out.
QStringList joinedPieces(const PieceSet& set, qint64 count)
{
    QStringList paths;
    for (qint64 i = 1; i <= count; ++i) {
        if (!leftOut(set, i))
            paths << set.table[i].Path;
    }
    return paths;
}

// Whether what is joined is the whole original as far as can be told: every
// piece of the set, none known to be damaged, and nothing past it. Without an
// info file the pieces must run from 1 without a gap and none may lie beyond.
bool joinsWholeSet(const PieceSet& set, qint64 count)
{
    if (set.beyondLimit > 0 || count == 0)
        return false;
    for (qint64 i = 1; i <= count; ++i) {
        if (leftOut(set, i) || set.table[i].Damaged)
            return false;
    }
    if (set.readThroughInfo())
        return count == qint64(set.info.InfoPieceCount);
    for (qint64 i = count + 1; i <= set.table.upper(); ++i) {
        if (set.table[i].Present)
            return false;
    }
    return true;
}

// Everything the set creates, reads and (when whole and asked to) deletes.
int planSet(CombineRun& run, const PieceSet& set, qint64 count, const QString& name,
            const OutputFile& chosen, bool whole, Transaction& t)
{
    qint64 total = 0;
    const QStringList pieces = joinedPieces(set, count);
    for (const QString& path : pieces) {
        t.read(path);
        total += pathFacts(path).size;
    }
    const int out = t.create(run.outDir + name, total);
    if (chosen.replace && name == chosen.name)
        t.allowReplace(out, chosen.readOnly);
    // Never more open than the pieces it is made of.
    mode_t mode = pieces.isEmpty() ? 0644 : madeFromMode(permissionBits(pieces.first()));
    if (set.readThroughInfo()) {
        if (set.info.InfoAttributes & attr::ReadOnly)
            mode &= ~0222;
        t.setTimes(out, set.info.InfoLastWriteTime, set.info.InfoLastAccessTime);
    }
    t.setMode(out, mode);
    const bool deleting = run.settings.CombineDelete && !run.outcome.noDelete && whole;
    t.setDurable(deleting);
    if (!deleting)
        return out;
    for (const QString& path : pieces)
        t.remove(path, run.settings.WipeOnDel);
    if (set.readThroughInfo())
        t.remove(set.names.dir + set.names.base + QStringLiteral(".000"), run.settings.WipeOnDel);
    const QString batch = set.names.dir + set.names.base + QStringLiteral(".bat");
    if (isOrdinaryFile(batch) && !pieces.contains(batch))
        t.remove(batch, run.settings.WipeOnDel);
    // Checked and about nothing else: it goes with the set (the commit happens
    // only when the joined file matched it too).
    if (!set.sumsPath.isEmpty() && set.sumsAlone)
        t.remove(set.sumsPath, false);
    return out;
}

// A file another set of this run names: writing over it would destroy an input.
QString collidesWithRun(const CombineRun& run, const QString& outputPath)
{
    for (const QString& entry : run.request.files) {
        if ((run.request.sourceDir + entry).compare(outputPath, Qt::CaseInsensitive) == 0)
            return CombineText::tr("%1: that file is also read by this run.").arg(outputPath);
    }
    return {};
}

void notCombined(CombineRun& run, const PieceSet& set, const QString& problem)
{
    run.host.ask(Ask::Notice,
                 CombineText::tr("%1 was not combined: %2").arg(set.names.base, problem) + CrLf
                     + CombineText::tr("Nothing was written for it, and its parts were kept."),
                 Buttons::Ok, Icon::Exclamation, Answer::Ok);
}

}  // namespace

QString setsCombined(qint64 done, qint64 sets)
{
    // English takes its word by the number of sets, a translation its plural
    // form by %n.
    return (sets == 1 ? CombineText::tr("%1 of %n file set combined", nullptr, int(sets))
                      : CombineText::tr("%1 of %n file sets combined", nullptr, int(sets)))
        .arg(done);
}

void showSetTotal(CombineRun& run, int k)
{
    const CombineOutcome& o = run.outcome;
    const int sets = run.setCount;
    const int notDone = o.skipped + o.failed;
    if (notDone > 0) {
        const int done = k - notDone;
        const QString caption =
            CombineText::tr("%1% complete (%2)")
                .arg(QString::number(100 * done / sets),
                     withNotDone(setsCombined(done, sets), o.skipped, o.failed));
        run.host.progress(Panel::Combine, Line::Total, caption, 100 * done / sets, 100);
        return;
    }
    const int percent = 100 * k / sets;
    const int shown = k == sets ? k : k - 1;
    const QString caption = k == sets || k > 1
        ? CombineText::tr("%1% complete (%2)")
              .arg(QString::number(percent), setsCombined(shown, sets))
        : CombineText::tr("%1% complete").arg(percent);
    run.host.progress(Panel::Combine, Line::Total, caption, percent, 100);
}

namespace {

// Starts hashing the pieces joined as one message, beside the copy, when the
// checksum file has a line for the whole file and the set is joined whole.
void startWholeHash(const CombineRun& run, const PieceSet& set, qint64 count,
                    BackgroundHasher& hasher)
{
    if (set.sumsPath.isEmpty() || set.digests.whole.isEmpty() || !joinsWholeSet(set, count))
        return;
    QList<HashSpan> spans;
    for (const QString& path : joinedPieces(set, count))
        spans.append(HashSpan{path});
    HashOptions options;
    options.chunkSize = run.settings.ChunkSize;
    options.whole = true;
    options.wholeOnly = true;
    options.cancel = &run.host.cancelFlag();
    hasher.start(spans, options);
}

// What the digest of the joined bytes says: Go when it matches the whole
// file's line (or there is none to check).
Flow checkWholeHash(CombineRun& run, const PieceSet& set, BackgroundHasher& hasher, Flow flow)
{
    if (!hasher.started())
        return flow;
    if (flow != Flow::Go)
        hasher.cancel();
    const HashResult result = hasher.join();
    if (flow != Flow::Go)
        return flow;
    if (result.cancelled)
        return Flow::Stop;
    if (result.error.failed())
        return runtimeError(run, result.error, Flow::Failed);
    if (!set.digests.checkWhole(result.whole).value_or(true)) {
        notCombined(run, set,
                    CombineText::tr("the joined file does not match its checksum in %1.")
                        .arg(QFileInfo(set.sumsPath).fileName()));
        return Flow::Failed;
    }
    return Flow::Go;
}

// Writes the output aside and checks it against the plan; Go when it may be committed.
Flow writeAside(CombineRun& run, const PieceSet& set, qint64 count, Transaction& t)
{
    FileHandle file;
    const RunError opened = t.openAside(0, file);
    if (opened.failed())
        return runtimeError(run, opened, Flow::Failed);
    QStringList combinedNames;
    BackgroundHasher hasher;
    startWholeHash(run, set, count, hasher);
    Flow flow = checkWholeHash(run, set, hasher, copyPieces(run, set, count, file, &combinedNames));
    // The pieces may be deleted after this: the result must be on the disk.
    const RunError closed = file.close(t.durable());
    if (flow == Flow::Go && closed.failed())
        flow = runtimeError(run, closed, Flow::Failed);
    if (flow != Flow::Go)
        return flow;
    // A piece that is gone when its turn came leaves a result that is not the
    // set, whatever was answered: it is not committed.
    for (qint64 i = 1; i <= count; ++i) {
        if (!leftOut(set, i) && combinedNames.value(i - 1).isEmpty()) {
            notCombined(run, set,
                        CombineText::tr("%1: the file is gone since the set was checked.")
                            .arg(set.table[i].Path));
            return Flow::Failed;
        }
    }
    if (const QString problem = t.verify(); !problem.isEmpty()) {
        notCombined(run, set, problem);
        return Flow::Failed;
    }
    return Flow::Go;
}

// The size the info file records, when the set has one and the result differs from it.
std::optional<qint64> wrongSize(const PieceSet& set, const Transaction& t)
{
    const qint64 written = stampOf(t.temporaryPath(0)).size;
    if (!set.readThroughInfo() || quint64(written) == set.info.InfoTotalSize)
        return std::nullopt;
    return written;
}

}  // namespace

Flow writeSet(CombineRun& run, PieceSet& set, qint64 count)
{
    OutputFile out;
    Flow flow = chooseOutput(run, set, count, out);
    if (flow != Flow::Go)
        return flow;
    if (joinedPieces(set, count).isEmpty()) {
        notCombined(run, set, CombineText::tr("none of its parts was found."));
        return Flow::Failed;
    }
    const QString name = finalName(run, out);
    Transaction t(JobKind::Combine);
    planSet(run, set, count, name, out, joinsWholeSet(set, count), t);
    QString problem = collidesWithRun(run, t.finalPath(0));
    if (problem.isEmpty())
        problem = t.check();
    if (!problem.isEmpty()) {
        notCombined(run, set, problem);
        return Flow::Failed;
    }
    flow = writeAside(run, set, count, t);
    bool whole = joinsWholeSet(set, count);
    const std::optional<qint64> written = flow == Flow::Go ? wrongSize(set, t) : std::nullopt;
    if (written) {
        // Known not to be the original: it never takes the place of a file
        // that is there, and nothing of the set is deleted for it.
        whole = false;
        t.keepAll();
        if (out.replace) {
            notCombined(
                run, set,
                CombineText::tr("%1 bytes were joined, but its info file records %2 "
                                "bytes; the existing %3 was kept.")
                    .arg(QString::number(*written), QString::number(set.info.InfoTotalSize), name));
            flow = Flow::Failed;
        }
    }
    if (flow == Flow::Go) {
        const bool durable = !t.removedPaths().isEmpty();
        const RunError e = t.commit(durable);
        if (e.failed())
            flow = runtimeError(run, e, Flow::Failed);
    }
    if (flow != Flow::Go) {
        for (const QString& line : t.rollback())
            run.frame.undid(line);
        return flow;
    }
    run.outcome.outputs << t.finalPath(0);
    if (!t.removedPaths().isEmpty()) {
        run.host.status(CombineText::tr("Deleting combined parts..."));
        Transaction::Deleted result;
        const RunError e = t.deleteListed(&run.host.cancelFlag(), &result);
        run.outcome.removed << result.deleted;
        if (result.wipeStopped)
            run.host.status(
                CombineText::tr(
                    "The wipe of the parts of %1 was stopped; their data is safe in %2.")
                    .arg(set.names.base, name));
        if (e.failed() && runtimeError(run, e, Flow::Go) == Flow::Terminate)
            return Flow::Terminate;
    }
    if (written)
        run.host.ask(Ask::Notice, sizeMismatchMessage(name, set.info.InfoTotalSize, *written),
                     Buttons::Ok, Icon::Exclamation, Answer::Ok);
    else if (set.beyondLimit > 0 && run.settings.MissingParts != 1)
        run.host.ask(Ask::Notice,
                     beyondLimitNotice(set.names.base, set.beyondLimit, run.settings.HighPart),
                     Buttons::Ok, Icon::Exclamation, Answer::Ok);
    if (!whole) {
        // What the user chose to join is there, but it is not the whole
        // original: its parts stay and the set does not count as done.
        ++run.outcome.incomplete;
        run.host.status(
            CombineText::tr("%1 was written, but it is not the whole file: its parts were kept.")
                .arg(name));
        return Flow::Failed;
    }
    run.host.status(CombineText::tr("Processed %1").arg(name));
    if (run.settings.CombineDelete && run.outcome.noDelete) {
        // Deleting was asked for: that it did not happen is said, not silent.
        ++run.outcome.piecesKept;
        run.host.status(CombineText::tr("The parts of %1 were kept: an earlier answer or error "
                                        "switched deleting off.")
                            .arg(set.names.base));
    }
    return Flow::Go;
}

}  // namespace tsl
