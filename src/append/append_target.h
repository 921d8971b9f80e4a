// The target of an Append run: the file the sources are added to, opened for
// reading and writing at its end, with the conversations the user has when it
// cannot be opened or written (read-only, in use) and the check that keeps a
// file from being appended to itself.
#pragma once

#include "append/append_engine.h"
#include "core/file_handle.h"
#include "core/host.h"

#include <QString>

namespace tsl {

// How a step of the Append run went on.
enum class AppendFlow {
    Go,    // carry on
    Skip,  // the failed operation is skipped; carry on with the next step
    Stop,  // No or Cancel: nothing more is appended, no source deleted
    End,   // a run-time error answered No: close everything, the program ends
};

class AppendTarget {
public:
    // path is the target's full path, name its name as the user gave it (the
    // messages show it); every report made here is counted in outcome.
    AppendTarget(QString path, QString name, Host& host, AppendOutcome& outcome);

    // Opens the target, created when missing, and sets end() to its length. A
    // failure goes through the read-only or in-use conversation and is retried
    // as the user answers; any other failure is a run-time error, after which
    // nothing can be appended (Stop on Yes).
    AppendFlow open();

    // Whether a failure of the target is the path or file access error that
    // leads to the read-only or in-use conversation.
    bool isAccessError(const RunError& error) const;

    // The read-only or in-use conversation after an access error; the target
    // is closed. Go when the failed operation is to be repeated (reopen first).
    AppendFlow converse();

    FileHandle& file() { return file_; }
    const QString& path() const { return path_; }
    // Where the next byte goes: the target's length when opened plus what was added since.
    qint64 end = 0;

    // Flushes the target to the disk (before sources are deleted) and closes it.
    RunError close(bool sync);

private:
    QString path_;
    QString name_;
    Host& host_;
    AppendOutcome& outcome_;
    FileHandle file_;
};

// Asks the run-time error question of the Append command, after setting the
// error flag; true when the user chose to continue.
bool appendRuntimeError(Host& host, AppendOutcome& outcome, const RunError& error);

// Whether two paths name one file: by device and inode when both exist, else
// by where they lead once links and "." or ".." are resolved.
bool sameFile(const QString& a, const QString& b);

// Whether two open files are one file (device and inode).
bool sameOpenFile(const FileHandle& a, const FileHandle& b);

}  // namespace tsl
