// The two file helpers every job uses: the exists test and the delete that
// wipes a file before it goes.
#pragma once

#include "core/delete_file.h"
#include "core/run_error.h"

#include <QString>

namespace tsl {

class Host;

// True when at least one ordinary file matches path: not a directory, not
// hidden (a name starting with "."). The name part may hold the wildcards
// "*" and "?"; only then is the directory listed, else it is one stat. Any
// failure of the lookup gives false.
bool FileExists(const QString& path);

// Whether an ordinary file is at exactly this path (no wildcards): not a
// directory, not hidden.
bool isOrdinaryFile(const QString& path);

// dir with a "/" at its end; empty text stays empty.
QString withTrailingSlash(const QString& dir);

// Whether name matches a pattern of "*" (any run) and "?" (one character).
bool matchesWildcard(const QString& name, const QString& pattern);

// Deletes the file at path; does nothing when no ordinary file has exactly
// that name ("?" and "*" are part of the name, never wildcards). With
// wipe on it first overwrites the file in whole blocks of WipeBlockSize bytes,
// seven passes per block, under a temporary name (deleteFile()). A link is
// deleted without wiping, so the file it points to keeps its bytes.
RunError KillFile(const QString& path, bool wipe);

}  // namespace tsl
