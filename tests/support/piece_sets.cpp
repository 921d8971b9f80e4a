#include "support/piece_sets.h"

#include "pieces/info_file.h"
#include "pieces/part_names.h"

namespace tsl::test {

void writeInfo(const TempFolder& folder, const QString& infoName, quint64 totalSize,
               quint64 pieceCount, quint64 pieceSize, int attributes, const QDateTime& lastWrite,
               const QDateTime& lastAccess)
{
    folder.write(infoName,
                 infoFileBytes(QStringLiteral("CLIP~1.MPG"), lastWrite, lastWrite, lastAccess,
                               totalSize, attributes, pieceCount, pieceSize));
}

QByteArray writePieceSet(const TempFolder& folder, const PieceSetLayout& layout)
{
    const QByteArray data = patternBytes(layout.size, layout.seed);
    const qint64 count = PieceCount(layout.size, layout.pieceSize);
    const bool letters = usesLetterScheme(count);
    const QString stem = layout.pieceStem.isEmpty() ? layout.name : layout.pieceStem;
    for (qint64 i = 1; i <= count; ++i)
        folder.write(stem + QLatin1Char('.') + PartExt(i, letters),
                     data.mid((i - 1) * layout.pieceSize, layout.pieceSize));
    if (layout.info)
        writeInfo(folder, layout.name + ".000", quint64(layout.size), quint64(count),
                  quint64(layout.pieceSize), layout.attributes, layout.lastWrite,
                  layout.lastAccess);
    if (layout.batch)
        folder.write(layout.name + QStringLiteral(".bat"), "@Echo Off\r\n");
    return data;
}

}  // namespace tsl::test
