// Joining the pieces of a set: each piece is appended to the output in
// chunks of at most ChunkSize bytes, with a progress update after each chunk
// and each piece, and a look at the cancel request between them.
#include "combine/combine_decision.h"
#include "combine/combine_run.h"
#include "core/file_utils.h"
#include "core/host.h"
#include "core/texts.h"

#include <QFileInfo>

namespace tsl {

namespace {

struct Copy {
    CombineRun& run;
    const PieceSet& set;
    qint64 count;
    FileHandle& out;
    ChunkCopier copier;
    qint64 written = 0;  // bytes in the output so far
};

// "50% complete (2 of 4 parts read - clip.mpg)" for piece i.
void partProgress(Copy& c, qint64 i)
{
    const QString caption = CombineText::tr("%1% complete (%2 of %3 parts read - %4)")
                                .arg(QString::number(i * 100 / c.count), QString::number(i),
                                     QString::number(c.count), c.set.names.base);
    c.run.host.progress(Panel::Combine, Line::Part, caption, double(i), double(c.count));
}

void totalProgress(Copy& c, qint64 i)
{
    const qint64 sets = c.run.setCount;
    const qint64 k = c.set.k;
    const qint64 percent = 100 * (i + (k - 1) * c.count) / (c.count * sets);
    const QString caption = k > 1 ? CombineText::tr("%1% complete (%2)")
                                        .arg(QString::number(percent), setsCombined(k - 1, sets))
                                  : CombineText::tr("%1% complete").arg(percent);
    c.run.host.progress(Panel::Combine, Line::Total, caption, double(percent), 100);
}

// Appends length bytes of piece at offset; a failure is the set's run-time error.
Flow appendChunk(Copy& c, FileHandle& piece, qint64 offset, qint64 length)
{
    qint64 copied = 0;
    const RunError e = c.copier.copy(piece, offset, c.out, c.written, length, &copied);
    c.written += copied;
    if (e.failed())
        return runtimeError(c.run, e, Flow::Failed);
    return Flow::Go;
}

Flow copyPiece(Copy& c, qint64 i, QStringList* combinedNames)
{
    const PartRecord& record = c.set.table[i];
    FileHandle piece;
    RunError e = piece.open(record.Path, FileHandle::Mode::Read);
    qint64 length = 0;
    if (!e.failed())
        e = piece.size(&length);
    if (e.failed())
        return runtimeError(c.run, e, Flow::Failed);
    (*combinedNames)[i - 1] = QFileInfo(record.Path).fileName();
    const qint64 chunk = c.copier.chunkSize();
    qint64 offset = 0;
    if (length > chunk) {
        for (; length - offset >= chunk; offset += chunk) {
            const Flow flow = appendChunk(c, piece, offset, chunk);
            if (flow != Flow::Go)
                return flow;
            partProgress(c, i);
            if (offset + chunk < length && c.run.frame.cancelRequested())
                return Flow::Stop;
        }
    }
    if (offset < length)
        return appendChunk(c, piece, offset, length - offset);
    return Flow::Go;
}

}  // namespace

bool leftOut(const PieceSet& set, qint64 i)
{
    const PartRecord& record = set.table[i];
    return !record.Present
        || ((set.flags & ExcludeWrongSize) && (record.WrongSize || record.Damaged));
}

Flow copyPieces(CombineRun& run, const PieceSet& set, qint64 count, FileHandle& out,
                QStringList* combinedNames)
{
    Copy c{run, set, count, out, ChunkCopier(run.settings.ChunkSize)};
    c.copier.alignTo(out);
    *combinedNames = QStringList(qsizetype(count), QString());
    run.host.progress(Panel::Combine, Line::Part, QString(), 1, double(count));
    for (qint64 i = 1; i <= count; ++i) {
        if (run.frame.cancelRequested())
            return Flow::Stop;
        if (!leftOut(set, i)) {
            if (!isOrdinaryFile(set.table[i].Path)) {
                const QString text =
                    CombineText::tr("Part %1 is missing. Continue with the next piece?").arg(i);
                const Answer a = run.host.ask(Ask::MissingPiece, text, Buttons::YesNo,
                                              Icon::Question, Answer::Yes);
                if (a != Answer::Yes)
                    break;
            } else {
                const Flow flow = copyPiece(c, i, combinedNames);
                if (flow != Flow::Go)
                    return flow;
            }
        }
        partProgress(c, i);
        totalProgress(c, i);
    }
    return Flow::Go;
}

}  // namespace tsl
