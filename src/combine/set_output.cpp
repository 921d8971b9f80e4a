// Choosing the output file of a set: the overwrite question, the new-name
// prompt, and the read-only output, all before anything is written.
#include "combine/combine_run.h"
#include "core/file_facts.h"
#include "core/file_system.h"
#include "core/host.h"
#include "core/message_text.h"
#include "core/texts.h"

#include <QFileInfo>

namespace tsl {

namespace {

// Whether anything at all is at path: a hidden file or a dangling link is as
// much in the way of a new output as an ordinary file.
bool somethingAt(const QString& path)
{
    const PathFacts info = pathFacts(path);
    return info.exists || info.isLink;
}

bool isReadOnlyFile(const QString& path)
{
    return pathFacts(path).isFile && (fileAttributes(path) & attr::ReadOnly);
}

// Asks for a name other than base; an empty answer or Cancel skips the set.
Flow askNewName(CombineRun& run, const QString& base, QString* name)
{
    QString prompt = withCrLf(CombineText::tr("Enter a new filename for\n%1.")).arg(base);
    for (;;) {
        const auto answer = run.host.input(Prompt::OutputName, prompt, QString());
        if (!answer || answer->isEmpty())
            return Flow::Skip;
        // A name, not a path: nothing is written outside the output folder.
        if (answer->contains(QLatin1Char('/')) || *answer == QLatin1String(".")
            || *answer == QLatin1String("..")) {
            prompt = CombineText::tr("%1 is not a file name. Please try again.").arg(*answer);
            continue;
        }
        if (!somethingAt(run.outDir + *answer)) {
            *name = *answer;
            return Flow::Go;
        }
        prompt = CombineText::tr("%1 exists, too. Please try again.").arg(*answer);
    }
}

// A read-only output is the one failure the user may overrule, and only
// here, before anything is written. The commit's rename replaces it.
Flow confirmReadOnly(CombineRun& run, const QString& name)
{
    if (!isReadOnlyFile(run.outDir + name))
        return Flow::Go;
    run.outcome.noDelete = true;
    const Answer a = run.host.ask(Ask::ReadOnlyOutput,
                                  CombineText::tr("%1 is a read-only file.").arg(name) + CrLf
                                      + CombineText::tr("Do you want to overwrite it anyway?"),
                                  Buttons::YesNo, Icon::Exclamation, Answer::No);
    return a == Answer::Yes ? Flow::Go : Flow::Skip;
}

// A set named twice, or whose pieces are gone, would replace the file that
// is there with an empty one.
bool nothingToCopy(const PieceSet& set, qint64 count)
{
    for (qint64 i = 1; i <= count; ++i) {
        if (!leftOut(set, i))
            return false;
    }
    return true;
}

}  // namespace

Flow chooseOutput(CombineRun& run, const PieceSet& set, qint64 count, OutputFile& out)
{
    const QString& base = set.names.base;
    out.name = base;
    if (somethingAt(run.outDir + base)) {
        if (nothingToCopy(set, count))
            return Flow::Skip;
        const Answer a = run.host.ask(
            Ask::OverwriteOutput,
            withCrLf(CombineText::tr("Do you want to overwrite the existing file\n%1?")).arg(base),
            Buttons::YesNo, Icon::Question, Answer::Yes);
        if (a != Answer::Yes) {
            const Flow flow = askNewName(run, base, &out.name);
            if (flow != Flow::Go)
                return flow;
        } else {
            out.replace = true;
        }
    }
    const Flow flow = confirmReadOnly(run, out.name);
    out.readOnly = flow == Flow::Go && isReadOnlyFile(run.outDir + out.name);
    return flow;
}

}  // namespace tsl
