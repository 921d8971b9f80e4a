// Reading the files named on the command line into a Combine or Split
// selection, the way the window's start-up takes them.
//
// The shell hands over argument entries. An entry that names an existing file
// is taken whole; consecutive entries that name nothing are joined with one
// blank until the joined text names a file (an unquoted path with blanks that
// a script split into words). All files of one selection share one folder:
// files from several folders are refused, never moved into one folder.
#pragma once

#include <QString>
#include <QStringList>
#include <functional>

namespace tsl {

enum class StartMode { None, Combine, Split };

struct CommandLineStart {
    StartMode mode = StartMode::None;
    QStringList files;    // names without directory, in command-line order
    QString srcDir;       // their folder, ending in "/"
    QStringList folders;  // the folders of a refused selection (files empty), each once
};

// Reads arguments (the program name excluded). exists tells whether a path
// names a file; relative paths are taken from the current folder. Combine
// when an entry ends in ".000" or ".001", Split for any other entry, None
// when the arguments hold fewer than five characters.
CommandLineStart readCommandLine(const QStringList& arguments,
                                 const std::function<bool(const QString&)>& exists);

// The message that refuses files from several folders.
QString differentFoldersText(const QStringList& folders);

}  // namespace tsl
