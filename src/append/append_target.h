// The target of an Append run: the file the sources are added to, opened for
// reading and writing at its end, with the conversations the user has when it
// cannot be opened or written (read-only, in use) and the check that keeps a
// file from being appended to itself.
#pragma once

#include "append/append_engine.h"
#include "core/file_handle.h"
#include "core/host.h"
#include "core/run_frame.h"
#include "core/transaction.h"

#include <QString>

namespace tsl {

class AppendTarget {
public:
    // path is the target's full path, name its name as the user gave it (the
    // messages show it); every report made here is counted in outcome; unit
    // is the run's transaction, which takes the target back.
    AppendTarget(QString path, QString name, RunFrame& frame, AppendOutcome& outcome,
                 Transaction& unit);

    // Opens an existing target for the run at its end, its length, mode and
    // times recorded in the unit first. A symbolic link is refused with a
    // message (Stop). A failure to open goes through the read-only or in-use
    // conversation and is retried as the user answers; any other failure is a
    // run-time error, after which nothing can be appended (Stop on Yes). A new
    // target is only looked at here: plan() and openNew() make it.
    Flow open();

    // Plans a new target in the unit with these permission bits; its index,
    // or -1 when the target exists (it is extended instead).
    int plan(mode_t mode);

    // Creates the new target under its temporary name.
    Flow openNew();

    bool existed() const { return existed_; }

    // Opens the target again after the read-only or in-use conversation.
    Flow reopen();

    // Whether a failure of the target is the path or file access error that
    // leads to the read-only or in-use conversation.
    bool isAccessError(const RunError& error) const;

    // The read-only or in-use conversation after an access error; the target
    // is closed. Go when the failed operation is to be repeated (reopen first).
    Flow converse();

    FileHandle& file() { return file_; }
    const QString& path() const { return path_; }
    // Where the next byte goes: the target's length when opened plus what was added since.
    qint64 end = 0;

    // Flushes the target to the disk when sync is set and closes it; the
    // unit's commit then gives a new target its name.
    RunError complete(bool sync);

    // Takes the run back through the unit: an existing target is cut to its
    // length before the run, a new one removed. What was done goes into the
    // outcome's undone lines.
    void takeBack();

    // Closes the target without completing it.
    void close() { (void)file_.close(); }

private:
    QString path_;
    QString name_;
    RunFrame& frame_;
    AppendOutcome& outcome_;
    Transaction& unit_;
    FileHandle file_;
    bool existed_ = false;
    int created_ = -1;  // the unit's index of a new target
};

// Whether two paths name one file: by device and inode when both exist, else
// by where they lead once links and "." or ".." are resolved.
bool sameFile(const QString& a, const QString& b);

// Whether two open files are one file (device and inode).
bool sameOpenFile(const FileHandle& a, const FileHandle& b);

}  // namespace tsl
