// One unit of work (one file split, one set combined, one Append run) as a
// transaction: plan, check, write aside, verify, commit, then delete.
//
// The unit first lists everything it will create (with the sizes it plans),
// replace, extend, read and delete. check() refuses a plan that cannot be
// carried out before a byte is written. New files are written under short
// temporary names (".tsl-" + the job's letter + 8 random characters) in their
// final folders and held locked while this unit owns them; verify() compares
// them and the inputs with the plan; commit() gives them their permission
// bits and times and renames them into place (an existing file the user agreed
// to replace is exchanged, so a failed commit puts it back); only then does
// deleteListed() remove what the plan lists, and only inputs unchanged since
// they were read. A unit destroyed before its commit takes itself back: its
// temporary files go, an extended file is cut back to its length, mode and
// times: the disk is as it was before the unit.
#pragma once

#include "core/delete_file.h"
#include "core/run_error.h"
#include "core/temporary_names.h"

#include <QDateTime>
#include <QHash>
#include <QPair>
#include <QSet>
#include <QString>
#include <QStringList>
#include <atomic>
#include <optional>
#include <sys/types.h>
#include <vector>

namespace tsl {

class FileHandle;

// What identifies a file's contents as they were read: a file that changed
// size, time, inode or device since is no longer the file that was read.
struct FileStamp {
    bool exists = false;
    dev_t device = 0;
    ino_t inode = 0;
    qint64 size = 0;
    qint64 modifiedNs = 0;
    mode_t mode = 0;

    bool sameAs(const FileStamp& other) const;
};

// The stamp of path as it is now (links followed).
FileStamp stampOf(const QString& path);

// The permission bits (rwx for owner, group, others) of path, links followed;
// 0600 when it cannot be read.
mode_t permissionBits(const QString& path);

// The permission bits of a file made from sources with these bits: readable
// by no one who cannot read them, always writable by the owner.
inline mode_t madeFromMode(mode_t sourceBits)
{
    return (sourceBits & 0666) | 0200;
}

// The process's umask, read without changing it for good.
mode_t currentUmask();

class Transaction {
public:
    explicit Transaction(JobKind job);
    ~Transaction();
    Transaction(const Transaction&) = delete;
    Transaction& operator=(const Transaction&) = delete;

    // ---- plan ----
    // A new file at path; plannedSize -1 while not known. Returns its index.
    int create(const QString& path, qint64 plannedSize = -1);
    void setPlannedSize(int index, qint64 size);
    // The user agreed that file `index` replaces what is at its path; a
    // read-only file only when readOnlyToo (a question of its own agreed to).
    void allowReplace(int index, bool readOnlyToo = false);
    // The permission bits file `index` gets at the commit (umask applied there).
    void setMode(int index, mode_t bits);
    // The times file `index` gets at the commit (UTC).
    void setTimes(int index, const QDateTime& lastWrite, const QDateTime& lastAccess);
    // An input of this unit: stamped now, checked again at verify() and before it is deleted.
    void read(const QString& path);
    // An existing file this unit adds to: its length, mode and times recorded
    // now, before anything opens it. Rolled back by cutting it to that length.
    void extend(const QString& path);
    // What an extended file is to hold at the verify: its old length + added.
    void setExtendedSize(qint64 size);
    qint64 extendedLength() const { return extendLength_; }
    // A file deleted after the commit, wiped first when wipe is set.
    void remove(const QString& path, bool wipe);
    // Deletes nothing after all (what was written turned out not to be whole).
    void keepAll()
    {
        removals_.clear();
        removalIndex_.clear();
    }

    const QString& finalPath(int index) const { return files_.at(size_t(index)).path; }
    const QString& temporaryPath(int index) const { return files_.at(size_t(index)).temp; }
    int fileCount() const { return int(files_.size()); }
    QStringList createdPaths() const;
    QStringList inputPaths() const;
    QStringList removedPaths() const;

    // ---- check ----
    // The first reason the plan cannot be carried out, naming the path, or an
    // empty text: a folder missing or not writable, a name that is a folder,
    // too long for the file system or taken without leave, two files of the
    // plan under one name (also when they differ only in case), a new file
    // that is also an input. Also removes the stale temporaries of the folders.
    QString check();

    // Whether what the unit writes goes to the disk before anything is deleted
    // (it deletes sources): writers close their files with close(durable()).
    void setDurable(bool durable) { durable_ = durable; }
    bool durable() const { return durable_; }

    // ---- write aside ----
    // Creates file `index` under a temporary name in its final folder and opens it for writing.
    RunError openAside(int index, FileHandle& file);
    // Writes file `index` whole, aside, with these bytes (its planned size).
    RunError writeAside(int index, const QByteArray& bytes);

    // ---- verify ----
    // The first difference from the plan, naming the path, or an empty text:
    // a file of another size than planned, an input changed since it was read.
    QString verify() const;

    // ---- commit ----
    // Gives every new file its permission bits and times, renames it into
    // place and, when durable, pushes the folders to the disk. On failure the
    // renames done are undone and the unit can still be rolled back.
    RunError commit(bool durable);
    bool committed() const { return committed_; }

    // ---- delete ----
    // What the delete step did.
    struct Deleted {
        QStringList deleted;       // gone
        QStringList kept;          // inputs that changed since they were read: left alone
        bool wipeStopped = false;  // a cancel request cut a wipe short (the file still went)
    };
    // Deletes what remove() listed, after the commit: an input only when it is
    // unchanged since it was read. A wipe first renames the file to a
    // temporary name, then overwrites and unlinks it; a cancel request stops a
    // wipe and still unlinks the renamed file. Stops at the first failure.
    RunError deleteListed(const std::atomic<bool>* cancel, Deleted* result);

    // Takes the unit back (what the destructor does before a commit); one line
    // per thing undone ("removed ...", "cut ... back to N bytes").
    QStringList rollback();

private:
    struct Planned {
        QString path;
        qint64 size = -1;
        bool replace = false;
        bool replaceReadOnly = false;
        mode_t mode = 0644;
        std::optional<std::pair<QDateTime, QDateTime>> times;
        QString temp;
        bool renamed = false;
        bool exchanged = false;  // the replaced file now sits under the temporary name
    };
    struct Input {
        QString path;
        FileStamp stamp;
    };

    QString checkCreate(const Planned& file) const;
    RunError finishFile(Planned& file);
    RunError renameIntoPlace(Planned& file);
    void undoRenames();
    const Input* inputAt(const QString& path) const;

    JobKind job_;
    std::vector<Planned> files_;
    std::vector<Input> inputs_;
    struct Removal {
        QString path;
        bool wipe = false;
    };
    std::vector<Removal> removals_;
    QHash<QString, qsizetype> inputIndex_;
    QSet<QString> removalIndex_;
    QSet<QPair<quint64, quint64>> readInodes_;  // device and inode of every input, at check()
    QString extendPath_;
    qint64 extendLength_ = -1;
    qint64 extendTarget_ = -1;
    FileStamp extendStamp_;
    QDateTime extendWrite_, extendAccess_;
    bool committed_ = false;
    bool durable_ = false;
};

// The first collision between the units of one run, naming the path, or an
// empty text: a file one unit creates or deletes that another unit reads or
// creates (also when the names differ only in case).
QString runCollision(const std::vector<const Transaction*>& units);

// The first problem of dir as the folder new files go to, naming it, or an
// empty text: missing, not a folder, or not writable.
QString folderProblem(const QString& dir);

}  // namespace tsl
