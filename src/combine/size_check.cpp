#include "combine/size_check.h"

#include "core/host.h"
#include "core/texts.h"

#include <QFileInfo>
#include <cstdlib>

namespace tsl {

namespace {

// The size left for the last expected piece; -1 when it cannot be (a count
// and piece size that overflow, or a total too small for them).
qint64 lastPieceSize(const SizeCheck& check)
{
    qint64 before = 0;
    if (__builtin_mul_overflow(check.expected - 1, check.pieceSize, &before))
        return -1;
    return check.totalSize - before;
}

// The entry for piece i of `size` bytes, or an empty text for a correct last piece.
QString entryFor(qint64 i, qint64 size, const SizeCheck& check)
{
    if (i == check.expected && size == lastPieceSize(check)) {
        if (!check.extraFound)
            return {};
        return CombineText::tr("Part %1 -- This might not be the correct 'last part' for this "
                               "movie.")
            .arg(i);
    }
    const qint64 difference = std::llabs(size - check.pieceSize);
    return (size < check.pieceSize ? CombineText::tr("Part %1 -- %2 missing bytes")
                                   : CombineText::tr("Part %1 -- %2 extra bytes"))
        .arg(i)
        .arg(difference);
}

}  // namespace

SizeCheckResult checkPieceSizes(Host& host, PartTable& table, const SizeCheck& check)
{
    SizeCheckResult result;
    for (qint64 i = 1; i <= check.upper; ++i) {
        if (table.present(i) && table[i].Size != check.pieceSize) {
            const QString entry = entryFor(i, table[i].Size, check);
            table[i].WrongSize = !entry.isEmpty();
            if (!entry.isEmpty()) {
                result.list += entry + CrLf;
                ++result.count;
            }
        }
        host.progress(Panel::Combine, Line::Part,
                      CombineText::tr("Checking file size for part %1 - %2% complete")
                          .arg(QString::number(i), QString::number(i * 100 / check.upper)),
                      double(i), double(check.upper));
    }
    return result;
}

SizeCheckResult damagedParts(const PartTable& table)
{
    SizeCheckResult result;
    for (qint64 i = 1; i <= table.upper(); ++i) {
        if (table.present(i) && table[i].Damaged) {
            result.list += CombineText::tr("Part %1 -- %2: damaged (checksum differs)")
                               .arg(i)
                               .arg(QFileInfo(table[i].Path).fileName())
                + CrLf;
            ++result.count;
        }
    }
    return result;
}

QString corruptPartsMessage(const QString& base, const SizeCheckResult& result,
                            const SizeCheckResult& damaged)
{
    QStringList closing;
    if (result.count > 0)
        closing << (result.count > 1 ? CombineText::tr("These parts of %1 are the wrong size.")
                                     : CombineText::tr("This part of %1 is the wrong size."))
                       .arg(base);
    if (damaged.count > 0)
        closing
            << (damaged.count > 1
                    ? CombineText::tr("These parts of %1 differ from their checksums in %1.sha256.")
                    : CombineText::tr("This part of %1 differs from its checksum in %1.sha256."))
                   .arg(base);
    return CombineText::tr("Corrupted Parts:") + CrLf2 + result.list + damaged.list + CrLf
        + closing.join(CrLf);
}

}  // namespace tsl
