// Fuzz target: piece names and numbers. Extensions and the letter-scheme
// numbers they stand for must map back to each other, piece counts must
// cover every byte without an empty piece, and names of any text must split
// into a set's names without a crash.
#include "combine/piece_search.h"
#include "pieces/part_names.h"

#include <QString>
#include <cstdint>
#include <cstdlib>
#include <cstring>

extern "C" int LLVMFuzzerTestOneInput(const uint8_t* data, size_t size)
{
    using namespace tsl;
    if (size < 16)
        return 0;
    qint64 number = 0;
    qint64 length = 0;
    std::memcpy(&number, data, 8);
    std::memcpy(&length, data + 8, 8);
    const QString text =
        QString::fromUtf8(reinterpret_cast<const char*>(data + 16), qsizetype(size - 16));

    const qint64 i = 1 + (number & 0x7fffffffffffffffLL) % MaxPieceNumber;
    if (LetterPieceNumber(PartExt(i, true)) != i || PartExt(i, true).size() != 3)
        std::abort();
    if (i <= MaxDigitPieces && PartExt(i, false).toLongLong() != i)
        std::abort();
    const qint64 n = LetterPieceNumber(text.left(3));
    if (n < 0 || n > MaxPieceNumber || (n > 0 && PartExt(n, true) != text.left(3)))
        std::abort();

    double partSize = 0;
    std::memcpy(&partSize, data + 8, 8);
    const qint64 whole = wholePartSize(partSize);
    const qint64 bytes = length & 0xffffffffffffLL;  // up to 256 TiB
    if (whole > 0) {
        const qint64 count = PieceCount(bytes, whole);
        if (count < 0 || (bytes == 0) != (count == 0)
            || (count > 0 && ((count - 1) * whole >= bytes || count * whole < bytes)))
            std::abort();
    }

    const SetNames names = setNames(QStringLiteral("/d/"), text);
    if (names.base != StripExt(text) || !names.base.startsWith(names.stem))
        std::abort();
    for (const bool letters : {false, true}) {
        for (const QString& path : pieceCandidates(names, i, {letters, true})) {
            if (!path.startsWith(QStringLiteral("/d/")))
                std::abort();
        }
    }
    return 0;
}
