// Writing a checked set and what follows a complete copy: the stored
// attributes and time stamps, the rename over the final name, deleting the
// pieces, the extension repair and the status.
#include "combine/combine_run.h"
#include "combine/ext_repair.h"
#include "combine/set_verdicts.h"
#include "core/file_facts.h"
#include "core/host.h"
#include "pieces/file_utils.h"

namespace tsl {

namespace {

void restoreFacts(const PieceSet& set, const QString& path)
{
    if (!set.readThroughInfo())
        return;
    // A file system that refuses them leaves the output as created, without a word.
    applyAttributes(path, set.info.InfoAttributes);
    applyTimes(path, set.info.InfoLastWriteTime, set.info.InfoLastAccessTime);
}

// Deletes one file of the set; a failure is a run-time error of the command.
Flow kill(CombineRun& run, const QString& path)
{
    const RunError e = KillFile(path, run.settings.WipeOnDel);
    return e.failed() ? runtimeError(run, e, Flow::Go) : Flow::Go;
}

Flow deletePieces(CombineRun& run, const PieceSet& set, const QStringList& combinedNames,
                  bool everyPiece)
{
    if (!run.settings.CombineDelete || run.outcome.noDelete || set.keepPieces)
        return Flow::Go;
    run.host.status(QStringLiteral("Deleting combined parts..."));
    QStringList paths;
    for (const QString& name : combinedNames) {
        if (!name.isEmpty())
            paths << set.names.dir + name;
    }
    if (everyPiece && set.readThroughInfo())
        paths << set.names.dir + set.names.base + QStringLiteral(".000");
    const QString batch = set.names.dir + set.names.base + QStringLiteral(".bat");
    if (everyPiece && isOrdinaryFile(batch))
        paths << batch;
    for (const QString& path : paths) {
        if (kill(run, path) == Flow::Terminate)
            return Flow::Terminate;
    }
    return Flow::Go;
}

// Renames the output to its repaired name, unless that name is taken.
Flow repairExtension(CombineRun& run, QString* outputName)
{
    if (!run.settings.FixExt)
        return Flow::Go;
    const QString repaired = repairedExtension(*outputName);
    if (repaired == *outputName)
        return Flow::Go;
    RunError e;
    switch (renameNoReplace(run.outDir + *outputName, run.outDir + repaired, &e)) {
    case RenameResult::Renamed: *outputName = repaired; return Flow::Go;
    case RenameResult::TargetExists: return Flow::Go;
    case RenameResult::Failed: return runtimeError(run, e, Flow::Go);
    }
    return Flow::Go;
}

void setDone(CombineRun& run, const PieceSet& set, const QString& outputName)
{
    run.host.status(QStringLiteral("Processed ") + outputName);
    const int k = set.k;
    const int sets = run.setCount;
    const int percent = 100 * k / sets;
    const QString word = sets > 1 ? QStringLiteral("sets") : QStringLiteral("set");
    QString caption = QString::number(percent) + QStringLiteral("% complete");
    const int shown = k == sets ? k : k - 1;
    if (k == sets || k > 1)
        caption += QStringLiteral(" (") + QString::number(shown) + QStringLiteral(" of ")
            + QString::number(sets) + QStringLiteral(" file ") + word
            + QStringLiteral(" combined)");
    run.host.progress(Panel::Combine, Line::Total, caption, percent, 100);
}

// Closes the output, gives it its times and attributes and renames it over
// its final name. Before pieces are deleted its bytes and its name are pushed
// to the disk, so a crash cannot take both the pieces and the copy.
Flow completeOutput(CombineRun& run, const PieceSet& set, OutputFile& out)
{
    const bool deleting = run.settings.CombineDelete && !run.outcome.noDelete;
    RunError e = out.file.close(deleting);
    if (!e.failed()) {
        restoreFacts(set, out.tempPath);
        e = replaceFile(out.tempPath, run.outDir + out.name);
    }
    if (!e.failed() && deleting)
        e = syncDirectory(run.outDir);
    return e.failed() ? runtimeError(run, e, Flow::Failed) : Flow::Go;
}

// Whether every piece meant for the output was copied: none vanished during
// the copy (answered Yes or No at "Part i is missing").
bool copiedEveryPiece(const PieceSet& set, qint64 count, const QStringList& combinedNames)
{
    for (qint64 i = 1; i <= count; ++i) {
        if (!leftOut(set, i) && combinedNames.value(i - 1).isEmpty())
            return false;
    }
    return true;
}

// Whether the file written is the whole original as far as can be told: no
// piece lies past the search limit, and its size is the one its info file
// records. When it is not, the user is told and the set keeps its files.
bool isWhole(CombineRun& run, PieceSet& set, const QString& outputName)
{
    qint64 written = 0;
    QString message;
    if (sizeDiffersFromInfo(set, run.outDir + outputName, &written))
        message = sizeMismatchMessage(outputName, set.info.InfoTotalSize, written);
    else if (set.beyondLimit > 0 && run.settings.MissingParts != 1)
        message = beyondLimitNotice(set.names.base, set.beyondLimit, run.settings.HighPart);
    if (message.isEmpty() && set.beyondLimit == 0)
        return true;
    set.keepPieces = true;
    if (!message.isEmpty())
        run.host.ask(Ask::Notice, message, Buttons::Ok, Icon::Exclamation, Answer::Ok);
    return false;
}

}  // namespace

Flow finishSet(CombineRun& run, const PieceSet& set, const QStringList& combinedNames,
               bool everyPiece, QString* outputName)
{
    if (deletePieces(run, set, combinedNames, everyPiece) == Flow::Terminate)
        return Flow::Terminate;
    if (repairExtension(run, outputName) == Flow::Terminate)
        return Flow::Terminate;
    setDone(run, set, *outputName);
    return Flow::Go;
}

Flow writeSet(CombineRun& run, PieceSet& set, qint64 count)
{
    OutputFile out;
    Flow flow = openOutput(run, set, count, out);
    QStringList combinedNames;
    if (flow == Flow::Go)
        flow = copyPieces(run, set, count, out.file, &combinedNames);
    if (flow == Flow::Go)
        flow = completeOutput(run, set, out);
    if (flow != Flow::Go) {
        (void)out.file.close();
        if (!out.tempPath.isEmpty())
            run.frame.removeCreated(out.tempPath);
        return flow;
    }
    QString outputName = out.name;
    run.outcome.outputs << run.outDir + outputName;
    const bool everyPiece = copiedEveryPiece(set, count, combinedNames);
    if (!everyPiece || !isWhole(run, set, outputName))
        ++run.outcome.incomplete;
    flow = finishSet(run, set, combinedNames, everyPiece, &outputName);
    if (flow == Flow::Go)
        run.outcome.outputs.last() = run.outDir + outputName;
    return flow;
}

}  // namespace tsl
