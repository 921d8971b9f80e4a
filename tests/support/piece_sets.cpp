#include "support/piece_sets.h"

#include "combine/info_file.h"
#include "pieces/part_names.h"

namespace tsl::test {

QByteArray pieceOf(const QByteArray& data, qint64 pieceSize, qint64 i)
{
    return data.mid((i - 1) * pieceSize, pieceSize);
}

void writeInfo(const TempFolder& folder, const QString& infoName, quint64 totalSize,
               quint64 pieceCount, quint64 pieceSize, int attributes,
               const QDateTime& lastWrite, const QDateTime& lastAccess)
{
    folder.write(infoName, infoFileBytes(QStringLiteral("CLIP~1.MPG"), lastWrite, lastWrite,
                                         lastAccess, totalSize, attributes, pieceCount,
                                         pieceSize));
}

QByteArray writePieceSet(const TempFolder& folder, const PieceSetSpec& spec)
{
    const QByteArray data = patternBytes(spec.size, spec.seed);
    const qint64 count = PieceCount(spec.size, spec.pieceSize);
    const bool letters = usesLetterScheme(count);
    const QString stem = spec.pieceStem.isEmpty() ? spec.name : spec.pieceStem;
    for (qint64 i = 1; i <= count; ++i)
        folder.write(stem + QLatin1Char('.') + PartExt(i, letters),
                     pieceOf(data, spec.pieceSize, i));
    if (spec.info)
        writeInfo(folder, spec.name + QStringLiteral(".000"), quint64(spec.size), quint64(count),
                  quint64(spec.pieceSize), spec.attributes, spec.lastWrite, spec.lastAccess);
    if (spec.batch)
        folder.write(spec.name + QStringLiteral(".bat"), "@Echo Off\r\n");
    return data;
}

}  // namespace tsl::test
