// The lines of a checksum file that concern one set: those naming its pieces,
// under any name the Combine search accepts for them, and the line naming the
// whole file.
//
// A piece of the set of base clip.mpg may be named clip.mpg.NNN or, with the
// underscore names, clip_mpg.NNN (the stem, "_", the extension), and numbered
// in either scheme (001, 00a). A checksum file written by TSL names the pieces
// as the split wrote them; a hand-made one may name them as they were found,
// renamed on the way, or hold lines for other files, which are left aside.
#pragma once

#include "pieces/sha256_sidecar.h"

#include <QList>
#include <QMap>
#include <QString>
#include <optional>

namespace tsl {

// The piece number fileName stands for among the piece names of base in
// either numbering scheme (the underscore names only with underPeriod); 0 when
// it names no piece of base.
qint64 pieceNumberOf(const QString& fileName, const QString& base, bool underPeriod = true);

struct SetDigests {
    QMap<qint64, QList<DigestLine>> pieces;  // by piece number; names are bare file names
    QList<DigestLine> whole;                 // the lines naming the whole file
    int otherLines = 0;                      // lines naming files of no concern to the set

    // Whether no line concerns the set.
    bool isEmpty() const { return pieces.isEmpty() && whole.isEmpty(); }

    // The digests piece i, found as fileName, must have: those of the lines
    // naming fileName; when none does, those of the lines naming piece i
    // under its other names. Empty when no line covers the piece.
    QList<QByteArray> expectedFor(qint64 i, const QString& fileName) const;

    // Whether digest matches every digest expectedFor(i, fileName) gives;
    // nullopt when no line covers the piece.
    std::optional<bool> checkPiece(qint64 i, const QString& fileName,
                                   const QByteArray& digest) const;

    // Whether digest matches every line naming the whole file; nullopt when
    // no line names it.
    std::optional<bool> checkWhole(const QByteArray& digest) const;
};

// Picks from lines those about the set of base whose files lie in dir (an
// absolute folder ending in "/"). A line's name counts as a file of dir when
// it is a bare name, "./name", or a path that leads into dir.
SetDigests pickSetDigests(const QList<DigestLine>& lines, const QString& dir, const QString& base,
                          bool underPeriod = true);

}  // namespace tsl
