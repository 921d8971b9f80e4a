// Checking the pieces of a set against its checksum file before they are
// joined: each present piece that has a line is hashed (several at a time),
// and those whose digest differs, or that cannot be read to the end, are
// marked damaged for the corrupt-parts report.
#include "combine/combine_run.h"
#include "core/file_hasher.h"
#include "core/file_utils.h"
#include "core/host.h"
#include "core/texts.h"
#include "pieces/sha256_sidecar.h"

#include <QFileInfo>
#include <QThread>

namespace tsl {

namespace {

// "Checking piece 3 of 40..."
QString checkingCaption(int done, int all)
{
    return CombineText::tr("Checking piece %1 of %2...").arg(qMin(done + 1, all)).arg(all);
}

// The set's lines from its checksum file; false when it has none for the set.
bool loadDigests(CombineRun& run, PieceSet& set)
{
    const QString path = set.names.dir + sidecarName(set.names.base);
    if (!isOrdinaryFile(path))
        return false;
    SidecarContents contents;
    if (const RunError e = readSidecar(path, &contents); e.failed()) {
        run.host.status(
            CombineText::tr("%1 could not be read (%2): the parts of %3 were not checked "
                            "against it.")
                .arg(path, e.description, set.names.base));
        return false;
    }
    set.digests =
        pickSetDigests(contents.lines, set.names.dir, set.names.base, run.settings.UnderPeriod);
    if (set.digests.isEmpty()) {
        run.host.status(
            CombineText::tr("%1 has no line for %2 or its parts: they were not checked against it.")
                .arg(path, set.names.base));
        return false;
    }
    set.sumsPath = path;
    set.sumsAlone = contents.malformed == 0 && set.digests.otherLines == 0;
    return true;
}

}  // namespace

Flow checkDigests(CombineRun& run, PieceSet& set)
{
    if (!loadDigests(run, set))
        return Flow::Go;
    QList<qint64> numbers;
    QStringList paths;
    for (qint64 i = 1; i <= set.table.upper(); ++i) {
        const PartRecord& record = set.table[i];
        if (!record.Present || record.WrongSize
            || set.digests.expectedFor(i, QFileInfo(record.Path).fileName()).isEmpty())
            continue;
        numbers << i;
        paths << record.Path;
    }
    if (paths.isEmpty())
        return Flow::Go;
    HashOptions options;
    options.chunkSize = run.settings.ChunkSize;
    options.cancel = &run.host.cancelFlag();
    const int all = int(paths.size());
    run.host.progress(Panel::Combine, Line::Part, checkingCaption(0, all), 0, double(all));
    const QList<FileDigest> results =
        hashFiles(paths, qMax(1, QThread::idealThreadCount()), options, [&](int done, qint64) {
            run.host.progress(Panel::Combine, Line::Part, checkingCaption(done, all), double(done),
                              double(all));
        });
    for (qsizetype n = 0; n < results.size(); ++n) {
        if (results[n].cancelled) {
            // Asked only to record the cancel in the run's outcome: the hashing
            // stopped for it.
            static_cast<void>(run.frame.cancelRequested());
            return Flow::Stop;
        }
        PartRecord& record = set.table[numbers[n]];
        const std::optional<bool> same = results[n].error.failed()
            ? std::optional<bool>(false)
            : set.digests.checkPiece(numbers[n], QFileInfo(record.Path).fileName(),
                                     results[n].digest);
        record.Damaged = !same.value_or(true);
    }
    return Flow::Go;
}

}  // namespace tsl
