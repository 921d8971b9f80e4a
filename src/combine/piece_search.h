// Finding the pieces of one set: the names a piece may carry (its own name,
// the "_" form of the name and the other numbering scheme) and the search over
// a range of piece numbers, one stat per name tried and never a listing.
#pragma once

#include "combine/part_table.h"

#include <QString>
#include <QStringList>

namespace tsl {

class Host;

// The names of a set: clip.mpg.000 in /d/ gives base clip.mpg, stem clip,
// ext mpg; a base without "." has itself as stem and an empty ext.
struct SetNames {
    QString dir;  // the pieces' directory, ending in "/"
    QString base;
    QString stem;
    QString ext;
};

// The names of the set whose entry (info file or piece) is `entry` in dir.
SetNames setNames(const QString& dir, const QString& entry);

// How pieces are looked for.
struct SearchRule {
    bool letterScheme = false;  // the scheme the expected count calls for
    bool underPeriod = true;    // also try stem_ext.NNN and stem.ext.NNN
};

// The paths piece i may have, in the order they are tried: the set's scheme
// first, then the other one; a name equal to one already listed is left out.
QStringList pieceCandidates(const SetNames& names, qint64 i, const SearchRule& rule);

// The path under which piece i is found (the first candidate that is an
// ordinary file, each name tested exactly), or empty text. Pieces already in
// table decide the scheme and whether base.bat counts as a piece.
QString findPiece(const PartTable& table, const SetNames& names, const SearchRule& rule, qint64 i);

// Looks for pieces from..to and records what it finds in table (which must
// reach to). Reports "Searching for part ..." (or, with extra, "Searching for
// extra part ...") after every number. Returns how many were found.
qint64 searchPieces(Host& host, PartTable& table, const SetNames& names, const SearchRule& rule,
                    qint64 from, qint64 to, bool extra);

}  // namespace tsl
