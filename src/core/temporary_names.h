// The short temporary names new files are written under, in their final
// folders, and the clean-up of those a killed run left behind.
//
// A name is ".tsl-", the job's letter and 8 random characters: fixed length,
// so it fits any folder the final name fits; a process holds an exclusive
// lock on each of its temporary files while it owns it, so the clean-up of
// another run removes only what no running TSL holds.
#pragma once

#include <QByteArray>
#include <QString>
#include <QStringList>

namespace tsl {

enum class JobKind : char { Split = 's', Combine = 'c', Append = 'a' };

// The letter of the temporary name a wipe renames a file to before it destroys it.
constexpr char WipeLetter = 'w';

// The length of a temporary name and whether a name is one of letter's temporary names.
constexpr int TemporaryNameLength = 14;
bool isTemporaryName(const QString& name, char letter);

// A new temporary name for letter (no folder).
QString temporaryName(char letter);

// The folder of path ("." for a bare name).
QString folderOf(const QString& path);

// Opens the file read-only and takes an exclusive lock on it: the sign that
// this process owns it. The descriptor, or -1 when it cannot.
int lockFile(const QByteArray& native);

// Removes the temporary files of job (and of interrupted wipes) that a killed
// run left in dir: only those no running TSL holds. The paths removed.
QStringList removeStaleTemporaries(const QString& dir, JobKind job);

}  // namespace tsl
