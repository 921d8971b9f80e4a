#include "core/transaction.h"

#include "core/file_facts.h"
#include "core/file_handle.h"
#include "core/file_system.h"
#include "core/texts.h"

#include <QSet>
#include <algorithm>
#include <cerrno>
#include <climits>
#include <fcntl.h>
#include <sys/stat.h>
#include <unistd.h>

namespace tsl {

namespace {

QString nameOf(const QString& path)
{
    return path.mid(path.lastIndexOf(QLatin1Char('/')) + 1);
}

QString bytes(qint64 n)
{
    return n == 1 ? FileText::tr("1 byte") : FileText::tr("%1 bytes").arg(n);
}

timespec toTimespec(const QDateTime& t)
{
    const qint64 ms = t.toMSecsSinceEpoch();
    return timespec{time_t(ms / 1000), long(ms % 1000) * 1000000};
}

long nameMax(const QString& folder)
{
    const long max = ::pathconf(nativePath(folder).constData(), _PC_NAME_MAX);
    return max > 0 ? max : NAME_MAX;
}

}  // namespace

bool FileStamp::sameAs(const FileStamp& o) const
{
    return exists == o.exists && device == o.device && inode == o.inode && size == o.size
        && modifiedNs == o.modifiedNs;
}

FileStamp stampOf(const QString& path)
{
    FileStamp s;
    struct stat st {};
    if (!statPath(path, &st))
        return s;
    s.exists = true;
    s.device = st.st_dev;
    s.inode = st.st_ino;
    s.size = st.st_size;
    s.modifiedNs = qint64(st.st_mtim.tv_sec) * 1000000000 + st.st_mtim.tv_nsec;
    s.mode = st.st_mode;
    return s;
}

mode_t permissionBits(const QString& path)
{
    struct stat st {};
    return statPath(path, &st) ? (st.st_mode & 0777) : 0600;
}

mode_t currentUmask()
{
    // umask(2) can only be read by setting it; the old value goes straight back.
    const mode_t mask = ::umask(022);
    ::umask(mask);
    return mask;
}

Transaction::Transaction(JobKind job) : job_(job) {}

Transaction::~Transaction()
{
    if (!committed_)
        rollback();
}

int Transaction::create(const QString& path, qint64 plannedSize)
{
    Planned f;
    f.path = path;
    f.size = plannedSize;
    f.mode = 0666;
    files_.push_back(f);
    return int(files_.size()) - 1;
}

void Transaction::setPlannedSize(int index, qint64 size)
{
    files_.at(size_t(index)).size = size;
}

void Transaction::allowReplace(int index, bool readOnlyToo)
{
    files_.at(size_t(index)).replace = true;
    files_.at(size_t(index)).replaceReadOnly = readOnlyToo;
}

void Transaction::setMode(int index, mode_t bits)
{
    files_.at(size_t(index)).mode = bits & 0777;
}

void Transaction::setTimes(int index, const QDateTime& lastWrite, const QDateTime& lastAccess)
{
    files_.at(size_t(index)).times = std::make_pair(lastWrite, lastAccess);
}

// Inputs and removals are looked up by path: a set of twenty thousand
// pieces must not cost a comparison with every other.
void Transaction::read(const QString& path)
{
    if (inputIndex_.contains(path))
        return;
    inputIndex_.insert(path, inputs_.size());
    inputs_.push_back({path, stampOf(path)});
}

void Transaction::extend(const QString& path)
{
    extendPath_ = path;
    extendStamp_ = stampOf(path);
    extendLength_ = extendStamp_.size;
    const FileFacts facts = readFileFacts(path);
    extendWrite_ = facts.lastWriteTime;
    extendAccess_ = facts.lastAccessTime;
}

void Transaction::setExtendedSize(qint64 size)
{
    extendTarget_ = size;
}

void Transaction::remove(const QString& path, bool wipe)
{
    if (removalIndex_.contains(path))
        return;
    removalIndex_.insert(path);
    removals_.push_back({path, wipe});
}

QStringList Transaction::removedPaths() const
{
    QStringList paths;
    for (const Removal& r : removals_)
        paths << r.path;
    return paths;
}

QStringList Transaction::createdPaths() const
{
    QStringList paths;
    for (const Planned& f : files_)
        paths << f.path;
    return paths;
}

QStringList Transaction::inputPaths() const
{
    QStringList paths;
    for (const Input& in : inputs_)
        paths << in.path;
    return paths;
}

const Transaction::Input* Transaction::inputAt(const QString& path) const
{
    const auto it = inputIndex_.constFind(path);
    return it == inputIndex_.constEnd() ? nullptr : &inputs_[size_t(*it)];
}

QString folderProblem(const QString& dir)
{
    QString folder = dir;
    while (folder.size() > 1 && folder.endsWith(QLatin1Char('/')))
        folder.chop(1);
    struct stat st {};
    if (folder.isEmpty() || !statPath(folder, &st))
        return FileText::tr("%1: the folder does not exist.").arg(folder);
    if (!S_ISDIR(st.st_mode))
        return FileText::tr("%1: this is no folder.").arg(folder);
    if (::access(nativePath(folder).constData(), W_OK | X_OK) != 0)
        return FileText::tr("%1: the folder cannot be written to.").arg(folder);
    return {};
}

QString Transaction::checkCreate(const Planned& f) const
{
    const QString folder = folderOf(f.path);
    if (const QString problem = folderProblem(folder); !problem.isEmpty())
        return problem;
    struct stat st {};
    const qint64 length = nativePath(nameOf(f.path)).size();
    const long max = nameMax(folder);
    if (length > max)
        return FileText::tr("%1: the name is %2 long; this file system allows %3.")
            .arg(f.path, bytes(length), QString::number(max));
    if (lstatPath(f.path, &st)) {
        if (S_ISDIR(st.st_mode))
            return FileText::tr("%1: a folder has that name.").arg(f.path);
        if (!f.replace)
            return FileText::tr("%1: a file of that name is there already.").arg(f.path);
        // The read-only attribute holds for every user, root included.
        if (S_ISREG(st.st_mode) && !(st.st_mode & S_IWUSR) && !f.replaceReadOnly)
            return FileText::tr("%1: the file is read-only.").arg(f.path);
    }
    const FileStamp made = stampOf(f.path);
    bool read = inputAt(f.path) != nullptr;
    if (made.exists) {
        read = read || readInodes_.contains(qMakePair(quint64(made.device), quint64(made.inode)));
    }
    if (read)
        return FileText::tr("%1: that file is also read by this run.").arg(f.path);
    return {};
}

QString Transaction::check()
{
    readInodes_.clear();
    for (const Input& in : inputs_) {
        if (in.stamp.exists)
            readInodes_.insert(qMakePair(quint64(in.stamp.device), quint64(in.stamp.inode)));
    }
    QSet<QString> names;
    QSet<QString> folders;
    for (const Planned& f : files_) {
        const QString folded = f.path.toCaseFolded();
        if (names.contains(folded))
            return FileText::tr("%1: this run would write two files of that name.").arg(f.path);
        names.insert(folded);
        folders.insert(folderOf(f.path));
    }
    for (const Planned& f : files_) {
        const QString problem = checkCreate(f);
        if (!problem.isEmpty())
            return problem;
    }
    for (const Removal& r : removals_) {
        struct stat st {};
        if (lstatPath(r.path, &st) && S_ISDIR(st.st_mode))
            return FileText::tr("%1: a folder has that name.").arg(r.path);
        folders.insert(folderOf(r.path));
    }
    for (const QString& folder : std::as_const(folders))
        removeStaleTemporaries(folder, job_);
    return {};
}

RunError Transaction::openAside(int index, FileHandle& file)
{
    Planned& f = files_.at(size_t(index));
    const QString folder = folderOf(f.path);
    for (int attempt = 0;; ++attempt) {
        const QString temp = folder + QLatin1Char('/') + temporaryName(char(job_));
        const RunError e = file.open(temp, FileHandle::Mode::CreateNew);
        if (e.failed() && e.number == err::FileAlreadyExists && attempt < 20)
            continue;
        if (e.failed())
            return RunError::of(e.number, f.path, FileOp::Create);
        f.temp = temp;
        file.nameAs(f.path);
        return RunError::none();
    }
}

RunError Transaction::writeAside(int index, const QByteArray& bytes)
{
    setPlannedSize(index, bytes.size());
    FileHandle file;
    RunError e = openAside(index, file);
    if (!e.failed())
        e = file.writeAt(0, bytes);
    const RunError closed = file.close(durable_);
    return e.failed() ? e : closed;
}

QString Transaction::verify() const
{
    // An input that changed explains any size that differs: it is named first.
    for (const Input& in : inputs_) {
        if (!stampOf(in.path).sameAs(in.stamp))
            return FileText::tr("%1: the file changed while it was read.").arg(in.path);
    }
    for (const Planned& f : files_) {
        if (f.temp.isEmpty())
            return FileText::tr("%1: was not written.").arg(f.path);
        const FileStamp written = stampOf(f.temp);
        if (f.size >= 0 && written.size != f.size)
            return FileText::tr("%1: %2 were written where %3 were planned.")
                .arg(f.path, bytes(written.size), bytes(f.size));
    }
    if (!extendPath_.isEmpty() && extendTarget_ >= 0 && stampOf(extendPath_).size != extendTarget_)
        return FileText::tr("%1: it does not hold %2 as planned.")
            .arg(extendPath_, bytes(extendTarget_));
    return {};
}

// Permission bits and times by path: no descriptor is opened again (a set
// of many pieces on a slow file system pays for every open). The bytes went to
// the disk when the writer closed the file, when the unit is durable.
RunError Transaction::finishFile(Planned& f)
{
    const QByteArray native = nativePath(f.temp);
    if (f.times) {
        const timespec times[2] = {toTimespec(f.times->second), toTimespec(f.times->first)};
        // A file system without times keeps those of now.
        ::utimensat(AT_FDCWD, native.constData(), times, AT_SYMLINK_NOFOLLOW);
    }
    if (fileSystem().chmod(native.constData(), f.mode & ~currentUmask()) != 0)
        return runErrorFromErrno(errno, f.path, FileOp::Write);
    return RunError::none();
}

RunError Transaction::renameIntoPlace(Planned& f)
{
    const QByteArray from = nativePath(f.temp);
    const QByteArray to = nativePath(f.path);
    struct stat st {};
    if (f.replace && lstatPath(f.path, &st)) {
        // Exchanged, the replaced file waits under the temporary name until
        // every file of the unit is in place, so a failed commit can put it back.
        if (fileSystem().rename(from.constData(), to.constData(), FileSystem::RenameMode::Exchange)
            == 0) {
            f.exchanged = true;
            f.renamed = true;
            return RunError::none();
        }
        if (errno != EINVAL && errno != ENOSYS && errno != EOPNOTSUPP)
            return runErrorFromErrno(errno, f.path, FileOp::Rename);
        if (fileSystem().rename(from.constData(), to.constData(), FileSystem::RenameMode::Replace)
            != 0)
            return runErrorFromErrno(errno, f.path, FileOp::Rename);
    } else if (fileSystem().rename(from.constData(), to.constData(),
                                   FileSystem::RenameMode::NoReplace)
               != 0) {
        // Something took the name since the check; it is not this unit's to replace.
        return runErrorFromErrno(errno, f.path, FileOp::Rename);
    }
    f.renamed = true;
    return RunError::none();
}

void Transaction::undoRenames()
{
    for (auto it = files_.rbegin(); it != files_.rend(); ++it) {
        Planned& f = *it;
        if (!f.renamed)
            continue;
        const QByteArray from = nativePath(f.temp);
        const QByteArray to = nativePath(f.path);
        const auto mode =
            f.exchanged ? FileSystem::RenameMode::Exchange : FileSystem::RenameMode::NoReplace;
        if (fileSystem().rename(to.constData(), from.constData(), mode) == 0) {
            f.renamed = false;
            f.exchanged = false;
        }
    }
}

RunError Transaction::commit(bool durable)
{
    for (Planned& f : files_) {
        const RunError e = finishFile(f);
        if (e.failed())
            return e;
    }
    QSet<QString> folders;
    for (Planned& f : files_) {
        const RunError e = renameIntoPlace(f);
        if (e.failed()) {
            undoRenames();
            return e;
        }
        folders.insert(folderOf(f.path));
    }
    committed_ = true;
    for (Planned& f : files_) {
        // The file replaced by an exchange is what is under the temporary name now.
        if (f.exchanged)
            (void)fileSystem().unlink(nativePath(f.temp).constData());
    }
    if (durable) {
        for (const QString& folder : std::as_const(folders)) {
            const RunError e = syncDirectory(folder);
            if (e.failed())
                return e;
        }
    }
    return RunError::none();
}

QStringList Transaction::rollback()
{
    QStringList undone;
    if (committed_)
        return undone;
    undoRenames();
    for (Planned& f : files_) {
        if (f.temp.isEmpty() || f.renamed)
            continue;
        struct stat st {};
        if (lstatPath(f.temp, &st)) {
            if (fileSystem().unlink(nativePath(f.temp).constData()) == 0)
                undone << FileText::tr("removed %1").arg(f.temp);
            else
                undone << FileText::tr("could not remove %1").arg(f.temp);
        }
        f.temp.clear();
    }
    if (!extendPath_.isEmpty() && extendStamp_.exists) {
        const FileStamp now = stampOf(extendPath_);
        if (now.exists && now.inode == extendStamp_.inode && now.size != extendLength_) {
            const QByteArray native = nativePath(extendPath_);
            const int fd =
                fileSystem().open(native.constData(), O_WRONLY | O_NOFOLLOW | O_CLOEXEC, 0);
            if (fd >= 0 && fileSystem().ftruncate(fd, extendLength_) == 0)
                undone << FileText::tr("cut %1 back to %2").arg(extendPath_, bytes(extendLength_));
            else
                undone << FileText::tr("could not cut %1 back").arg(extendPath_);
            if (fd >= 0)
                fileSystem().close(fd);
        }
        if (now.exists && now.inode == extendStamp_.inode) {
            ::chmod(nativePath(extendPath_).constData(), extendStamp_.mode & 07777);
            const timespec times[2] = {toTimespec(extendAccess_), toTimespec(extendWrite_)};
            ::utimensat(AT_FDCWD, nativePath(extendPath_).constData(), times, AT_SYMLINK_NOFOLLOW);
        }
        extendPath_.clear();
    }
    return undone;
}

RunError Transaction::deleteListed(const std::atomic<bool>* cancel, Deleted* result)
{
    if (!committed_)
        return RunError::of(err::PathFileAccess);
    QSet<QString> created;
    for (const Planned& f : files_)
        created.insert(f.path);
    for (const Removal& r : removals_) {
        // What this unit has just put in place is never what it deletes.
        if (created.contains(r.path))
            continue;
        if (const Input* in = inputAt(r.path); in && !stampOf(r.path).sameAs(in->stamp)) {
            result->kept << r.path;
            continue;
        }
        struct stat st {};
        if (!lstatPath(r.path, &st))
            continue;
        bool stopped = false;
        const RunError e = deleteFile(r.path, r.wipe, cancel, &stopped);
        if (e.failed())
            return e;
        result->deleted << r.path;
        result->wipeStopped = result->wipeStopped || stopped;
    }
    return RunError::none();
}

QString runCollision(const std::vector<const Transaction*>& units)
{
    // Every name each unit reads or creates, folded, with the unit's number;
    // then each name a unit creates or deletes is looked up once.
    QMultiHash<QString, size_t> used;
    for (size_t u = 0; u < units.size(); ++u) {
        for (const QString& path : units[u]->inputPaths() + units[u]->createdPaths())
            used.insert(path.toCaseFolded(), u);
    }
    for (size_t u = 0; u < units.size(); ++u) {
        for (const QString& path : units[u]->createdPaths() + units[u]->removedPaths()) {
            for (const size_t other : used.values(path.toCaseFolded())) {
                if (other != u)
                    return FileText::tr("%1: two files of this run would use this name.").arg(path);
            }
        }
    }
    return {};
}

}  // namespace tsl
