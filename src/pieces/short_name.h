// 8.3-style names. Linux file systems keep none, so the alias is built from the
// long name the way the classic short names were: upper case, at most eight
// characters before the dot and three after, and "~n" where the name had to be
// cut. n counts the names in the same directory (in sorted order) that cut to
// the same alias, so the alias is deterministic and unique in its directory.
#pragma once

#include <QString>

namespace tsl {

// The 8.3-style alias of the last component of path (e.g. MYLONG~1.DOC).
QString shortName(const QString& path);

}  // namespace tsl
