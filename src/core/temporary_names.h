// The short temporary names new files are written under, in their final
// folders, and the clean-up of those a killed run left behind.
//
// A name is ".tsl-", the job's letter, the writing process's id (6 base-36
// digits) and 8 random characters: fixed length, so it fits any folder the
// final name fits. The clean-up of another run removes only the names whose
// process is no running TSL; nothing is held open per file, so a set of
// twenty thousand pieces needs no more descriptors than one.
#pragma once

#include <QByteArray>
#include <QString>
#include <QStringList>

namespace tsl {

enum class JobKind : char { Split = 's', Combine = 'c', Append = 'a' };

// The letter of the temporary name a wipe renames a file to before it destroys it.
constexpr char WipeLetter = 'w';

// The length of a temporary name and whether a name is one of letter's temporary names.
constexpr int TemporaryNameLength = 20;
bool isTemporaryName(const QString& name, char letter);

// A new temporary name for letter (no folder).
QString temporaryName(char letter);

// The folder of path ("." for a bare name).
QString folderOf(const QString& path);

// A temporary name of letter's written by the process pid (tests make stale ones).
QString temporaryNameOf(char letter, qint64 pid);

// Removes the temporary files of job (and of interrupted wipes) that a killed
// run left in dir: only those whose process is no running TSL. The paths removed.
QStringList removeStaleTemporaries(const QString& dir, JobKind job);

}  // namespace tsl
