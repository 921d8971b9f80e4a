// Path helpers of the main window: the long form of a path named on the
// command line.
#pragma once

#include <QString>

namespace tsl {

// The long form of path: blanks around it removed; a path without "~" (which
// can hold no short name) is returned as it is, without looking at the disk;
// otherwise the canonical path of what it names (links and "." / ".."
// resolved, no closing "/"), or empty text when it names nothing. Empty for
// an empty or all-blank path.
QString GetLongPathLegacy(const QString& path);

}  // namespace tsl
