// The extension repair of combined media files: names whose extension lost
// its dot (clipmpg, clip_mpg, clip_MPEG) get it back (clip.mpg), and the
// combined file is renamed accordingly without ever replacing another file.
#pragma once

#include "core/run_error.h"

#include <QString>

namespace tsl {

// The repaired form of the file name n (unchanged when no rule applies).
// Examples: clip_mpg -> clip.mpg, clip_MPEG -> clip.mpg, clipmpg -> clip.mpg,
// platform -> platfo.rm, clip.mpg and film.rm unchanged.
QString repairedExtension(const QString& n);

}  // namespace tsl
