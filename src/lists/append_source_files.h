// What the Append page's lists take from the disk: the source list shows a
// folder's ordinary files by name, in its order (alphabetical without regard
// to letter case); the append list also takes files dropped from a file
// manager, from any folder.
#pragma once

#include <QList>
#include <QString>
#include <QStringList>
#include <QUrl>

namespace tsl {

// The names of the ordinary files in dir (a link to one counts; directories,
// hidden names starting with ".", devices, pipes, sockets and dangling links
// do not), sorted by listNameLess. Empty for an empty dir text or a folder
// that does not exist or cannot be read.
QStringList appendSourceFiles(const QString& dir);

// The source list's order: alphabetical without regard to letter case; names
// that differ only in case keep a fixed order among themselves.
bool listNameLess(const QString& a, const QString& b);

struct DroppedFiles {
    QStringList accepted;  // absolute paths of ordinary files, in the order dropped
    QStringList refused;   // everything else, as the user would read it
};

// Sorts URLs dropped on the append list into the files the Append command can
// take (what appendSourceFiles would list, from any folder) and the rest:
// folders, hidden names, special files, missing files, remote URLs.
DroppedFiles droppedAppendFiles(const QList<QUrl>& urls);

}  // namespace tsl
