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
    const QString head = QStringLiteral("Part ") + QString::number(i) + QStringLiteral(" -- ");
    if (i == check.expected && size == lastPieceSize(check)) {
        if (!check.extraFound)
            return {};
        return head + QStringLiteral("This might not be the correct 'last part' for this movie.");
    }
    const qint64 difference = std::llabs(size - check.pieceSize);
    return head + QString::number(difference)
        + (size < check.pieceSize ? QStringLiteral(" missing bytes")
                                  : QStringLiteral(" extra bytes"));
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
                      QStringLiteral("Checking file size for part ") + QString::number(i)
                          + QStringLiteral(" - ") + QString::number(i * 100 / check.upper)
                          + QStringLiteral("% complete"),
                      double(i), double(check.upper));
    }
    return result;
}

SizeCheckResult damagedParts(const PartTable& table)
{
    SizeCheckResult result;
    for (qint64 i = 1; i <= table.upper(); ++i) {
        if (table.present(i) && table[i].Damaged) {
            result.list += QStringLiteral("Part %1 -- %2: damaged (checksum differs)")
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
        closing << (result.count > 1 ? QStringLiteral("These parts of ") + base
                                           + QStringLiteral(" are the wrong size.")
                                     : QStringLiteral("This part of ") + base
                                           + QStringLiteral(" is the wrong size."));
    if (damaged.count > 0)
        closing << (damaged.count > 1
                        ? QStringLiteral("These parts of %1 differ from their checksums in %1.sha256.")
                        : QStringLiteral("This part of %1 differs from its checksum in %1.sha256."))
                       .arg(base);
    return QStringLiteral("Corrupted Parts:") + CrLf2 + result.list + damaged.list + CrLf
        + closing.join(CrLf);
}

}  // namespace tsl
