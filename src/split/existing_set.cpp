#include "split/existing_set.h"

#include "core/file_utils.h"
#include "pieces/info_file.h"
#include "pieces/part_names.h"
#include "pieces/sha256_sidecar.h"

namespace tsl {

namespace {

QString piecePath(const SplitNames& n, qint64 i, bool letters)
{
    return n.dir + n.base + QLatin1Char('.') + PartExt(i, letters);
}

// Pieces from `from` on, in one scheme: every number up to `known` that is
// there, then on while the numbers run without a gap.
void collectRun(const SplitNames& n, bool letters, qint64 from, qint64 known, QStringList* out)
{
    // The digit scheme names pieces up to 999 only.
    const qint64 highest = letters ? MaxPieceNumber : MaxDigitPieces;
    for (qint64 i = from; i <= highest; ++i) {
        const QString path = piecePath(n, i, letters);
        if (isOrdinaryFile(path))
            *out << path;
        else if (i > known)
            return;
    }
}

}  // namespace

bool splitWouldOverwrite(const SplitNames& n)
{
    if (n.wholeSet
        && (isOrdinaryFile(n.dir + n.base + QStringLiteral(".000"))
            || isOrdinaryFile(n.dir + n.base + QStringLiteral(".bat"))
            || isOrdinaryFile(n.dir + sidecarName(n.base))))
        return true;
    const bool letters = usesLetterScheme(n.pieceCount);
    for (qint64 i = n.first; i <= n.last; ++i) {
        if (isOrdinaryFile(piecePath(n, i, letters)))
            return true;
    }
    return false;
}

QStringList staleSetFiles(const SplitNames& n, bool writesInfo, bool writesBatch,
                          bool writesChecksums)
{
    QStringList stale;
    if (!n.wholeSet)
        return stale;
    const QString infoPath = n.dir + n.base + QStringLiteral(".000");
    const QString batchPath = n.dir + n.base + QStringLiteral(".bat");
    qint64 known = 0;
    if (isOrdinaryFile(infoPath)) {
        if (const auto record = readInfoQuietly(infoPath))
            known = qint64(record->InfoPieceCount);
    }
    const bool letters = usesLetterScheme(n.pieceCount);
    collectRun(n, letters, n.pieceCount + 1, known, &stale);
    collectRun(n, !letters, 1, known, &stale);
    // In the letter scheme base.bat is piece 1505: the run decides whether it
    // belonged to the earlier set; as a batch file it goes only when none is written.
    if (!writesBatch && isOrdinaryFile(batchPath) && !stale.contains(batchPath))
        stale << batchPath;
    if (!writesInfo && isOrdinaryFile(infoPath))
        stale << infoPath;
    if (const QString sums = n.dir + sidecarName(n.base); !writesChecksums && isOrdinaryFile(sums))
        stale << sums;
    stale.removeDuplicates();
    return stale;
}

}  // namespace tsl
