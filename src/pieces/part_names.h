// How pieces are named and counted: the rule shared by Split, the batch file,
// the info file and Combine. Pure functions, no state.
#pragma once

#include <QString>

namespace tsl {

// The letter scheme has room for 27^3 - 1 pieces (zzz).
constexpr qint64 MaxPieceNumber = 19682;

// The letter scheme takes over above this many pieces.
constexpr qint64 MaxDigitPieces = 999;

// The three-character extension of piece i (no dot): "001" in the digit scheme
// (four or five digits above 999), "00a" in the letter scheme. i >= 1.
QString PartExt(qint64 i, bool letterScheme);

// The piece number a letter-scheme extension stands for, 0 when it is none
// (so LetterPieceNumber(PartExt(i, true)) == i).
qint64 LetterPieceNumber(const QString& ext);

// The whole number of bytes per piece for a part size that may hold a fraction.
qint64 wholePartSize(double partSize);

// The piece size that cuts a source of `length` bytes into `count` pieces:
// length / count rounded up, and from 1 MiB on rounded up again to a
// multiple of 4096, so that XFS and btrfs can share the pieces' blocks with
// the file. The last piece may be smaller, and a small source may need fewer
// than `count` pieces of that size, never more. 0 for an empty source;
// count >= 1.
qint64 pieceSizeForCount(qint64 length, int count);

// Number of pieces of a source of `length` bytes in pieces of `wholeSize` bytes:
// every byte lands in a piece, no piece is empty; 0 for an empty source.
qint64 PieceCount(qint64 length, qint64 wholeSize);

// Whether a set of n pieces is named in the letter scheme.
inline bool usesLetterScheme(qint64 pieceCount)
{
    return pieceCount > MaxDigitPieces;
}

// The name without its last "." and what follows; unchanged without a ".".
QString StripExt(const QString& name);

}  // namespace tsl
