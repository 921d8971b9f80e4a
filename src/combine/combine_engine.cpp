// The frame of the Combine command: the busy state, the output directory,
// and the loop over the chosen sets with what each set's end means for the
// run.
#include "combine/combine_engine.h"
#include "core/texts.h"

#include "combine/combine_run.h"
#include "core/file_utils.h"
#include "core/host.h"
#include "core/transaction.h"
#include "pieces/part_names.h"

namespace tsl {

namespace {

const QString Procedure = QStringLiteral("frmMain.cmdCombine");

// Runs set k from its info file to its output.
Flow runSet(CombineRun& run, int k)
{
    PieceSet set;
    set.k = k;
    set.entry = run.request.files.at(k - 1);
    qint64 count = 0;
    const Flow flow = checkSet(run, set, &count);
    if (flow != Flow::Go)
        return flow;
    return writeSet(run, set, count);
}

// Counts how set k ended; false when the run ends with it.
bool tally(CombineRun& run, int k, Flow flow)
{
    CombineOutcome& o = run.outcome;
    switch (flow) {
    case Flow::Go: ++o.combined; return true;
    case Flow::Skip: ++o.skipped; return true;
    case Flow::Failed: ++o.failed; return true;
    case Flow::Stop: o.untouched = run.setCount - k + 1; return false;
    case Flow::Terminate: o.terminated = true; return false;
    }
    return false;
}

// One entry per set: clip.mpg.000 and clip.mpg.001 name the same set, and a
// second run over it would find its pieces gone and replace the file just
// joined with an empty one.
QStringList distinctSets(const QStringList& entries)
{
    QStringList kept;
    QStringList bases;
    for (const QString& entry : entries) {
        const QString base = StripExt(entry);
        if (!bases.contains(base)) {
            bases << base;
            kept << entry;
        }
    }
    return kept;
}

}  // namespace

Flow runtimeError(CombineRun& run, const RunError& error, Flow onYes)
{
    run.outcome.noDelete = true;
    return run.frame.error(error, onYes);
}

CombineOutcome runCombine(CombineRequest request, Settings settings, Host& host)
{
    CombineOutcome outcome;
    RunFrame frame(host, Procedure, outcome);
    const QString dirText = request.outputDirText.trimmed();
    CombineRequest normalised = request;
    normalised.sourceDir = withTrailingSlash(request.sourceDir);
    normalised.files = distinctSets(request.files);
    // An empty field would make the root the output directory; the pieces'
    // own directory is what an unset field stands for.
    const QString outDir = withTrailingSlash(dirText.isEmpty() ? normalised.sourceDir : dirText);
    CombineRun run{normalised, settings, host, frame, outDir, int(normalised.files.size()),
                   outcome};
    outcome.sets = run.setCount;
    outcome.folderToRecord = dirText;
    if (const QString problem = folderProblem(outDir); !problem.isEmpty()) {
        // Foreseen: refused once, before any set is looked at.
        host.ask(Ask::Notice, CombineText::tr("Nothing was combined: %1").arg(problem), Buttons::Ok,
                 Icon::Exclamation, Answer::Ok);
        outcome.failed = run.setCount;
        return outcome;
    }
    host.progress(Panel::Combine, Line::Total, QString(), 0, 100);
    for (int k = 1; k <= run.setCount; ++k) {
        const Flow flow = frame.cancelRequested() ? Flow::Stop : runSet(run, k);
        if (!tally(run, k, flow))
            break;
        showSetTotal(run, k);
    }
    return outcome;
}

}  // namespace tsl
