// The captions of the Split page's progress lines.
#pragma once

#include <QString>

namespace tsl::splitprogress {

// Piece line: p% of the source read, k of n pieces of this file written.
QString pieceCaption(qint64 nextReadPosition, qint64 length, qint64 k, qint64 n,
                     const QString& name);
int piecePercent(qint64 nextReadPosition, qint64 length);

// Overall line after piece k of n of file f of c.
int totalPercentAfterPiece(qint64 k, qint64 n, int f, int c);
QString totalCaptionAfterPiece(qint64 k, qint64 n, int f, int c);

// Overall line after file f of c is finished. With files skipped or failed
// so far, it counts only the files split and names the others:
// "50% complete (1 of 2 files split, 1 skipped)".
int totalPercentAfterFile(int f, int c);
QString totalCaptionAfterFile(int f, int c, int skipped = 0, int failed = 0);

}  // namespace tsl::splitprogress
