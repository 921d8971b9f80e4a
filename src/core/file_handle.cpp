#include "core/file_handle.h"

#include "core/file_system.h"

#include <cerrno>
#include <fcntl.h>
#include <sys/stat.h>
#include <sys/vfs.h>
#include <unistd.h>

namespace tsl {

FileHandle::~FileHandle()
{
    if (fd_ >= 0)
        fileSystem().close(fd_);
}

FileHandle::FileHandle(FileHandle&& other) noexcept : fd_(other.fd_), path_(std::move(other.path_))
{
    other.fd_ = -1;
}

FileHandle& FileHandle::operator=(FileHandle&& other) noexcept
{
    if (this != &other) {
        if (fd_ >= 0)
            fileSystem().close(fd_);
        fd_ = other.fd_;
        path_ = std::move(other.path_);
        other.fd_ = -1;
    }
    return *this;
}

namespace {

// Clears the way for a new file at path: a file or a link there is removed
// (the link itself, never what it leads to). A read-only file stays: the
// read-only attribute holds for every user, root included.
RunError clearWay(const QByteArray& native, const QString& path)
{
    struct stat existing {};
    if (::lstat(native.constData(), &existing) != 0)
        return RunError::none();
    if (S_ISDIR(existing.st_mode))
        return RunError::of(err::PathFileAccess, path, FileOp::Create);
    if (S_ISREG(existing.st_mode) && !(existing.st_mode & S_IWUSR))
        return RunError::of(err::PathFileAccess, path, FileOp::Create);
    if (fileSystem().unlink(native.constData()) != 0 && errno != ENOENT)
        return runErrorFromErrno(errno, path, FileOp::Create);
    return RunError::none();
}

}  // namespace

RunError FileHandle::open(const QString& path, Mode mode)
{
    (void)close();
    const FileOp op =
        mode == Mode::Replace || mode == Mode::CreateNew ? FileOp::Create : FileOp::Open;
    if (path.isEmpty())
        return RunError::of(err::BadFileName, path, op);
    const QByteArray native = nativePath(path);
    int flags = O_CLOEXEC;
    switch (mode) {
    case Mode::Read: flags |= O_RDONLY; break;
    case Mode::Replace:
    case Mode::CreateNew: flags |= O_WRONLY | O_CREAT | O_EXCL | O_NOFOLLOW; break;
    case Mode::ReadWrite: flags |= O_RDWR | O_CREAT | O_NOFOLLOW; break;
    }
    if (mode == Mode::Replace) {
        const RunError e = clearWay(native, path);
        if (e.failed())
            return e;
    } else if (mode == Mode::ReadWrite) {
        struct stat existing {};
        if (::lstat(native.constData(), &existing) == 0 && S_ISREG(existing.st_mode)
            && !(existing.st_mode & S_IWUSR))
            return RunError::of(err::PathFileAccess, path, op);
    }
    int fd;
    do {
        fd = fileSystem().open(native.constData(), flags, 0666);
    } while (fd < 0 && errno == EINTR);
    if (fd < 0 && errno == EEXIST)
        return RunError::of(err::FileAlreadyExists, path, op);
    if (fd < 0)
        return runErrorFromErrno(errno, path, op);
    struct stat st {};
    if (::fstat(fd, &st) == 0 && S_ISDIR(st.st_mode)) {
        fileSystem().close(fd);
        return RunError::of(err::PathFileAccess, path, op);
    }
    fd_ = fd;
    path_ = path;
    return RunError::none();
}

RunError FileHandle::close()
{
    if (fd_ < 0)
        return RunError::none();
    const int result = fileSystem().close(fd_);
    fd_ = -1;
    // EINTR on close still releases the descriptor on Linux; nothing to retry.
    if (result != 0 && errno != EINTR)
        return runErrorFromErrno(errno, path_, FileOp::Close);
    return RunError::none();
}

RunError FileHandle::sync()
{
    if (fileSystem().fsync(fd_) != 0)
        return runErrorFromErrno(errno, path_, FileOp::Flush);
    return RunError::none();
}

RunError FileHandle::close(bool syncFirst)
{
    const RunError synced = syncFirst && isOpen() ? sync() : RunError::none();
    const RunError closed = close();
    return synced.failed() ? synced : closed;
}

RunError FileHandle::size(qint64* size) const
{
    struct stat st {};
    if (::fstat(fd_, &st) != 0)
        return runErrorFromErrno(errno, path_, FileOp::Read);
    *size = st.st_size;
    return RunError::none();
}

RunError FileHandle::readAt(qint64 offset, char* buffer, qint64 length, qint64* got)
{
    qint64 done = 0;
    while (done < length) {
        const ssize_t n =
            fileSystem().pread(fd_, buffer + done, size_t(length - done), off_t(offset + done));
        if (n < 0) {
            if (errno == EINTR)
                continue;
            *got = done;
            return runErrorFromErrno(errno, path_, FileOp::Read);
        }
        if (n == 0)
            break;
        done += n;
    }
    *got = done;
    return RunError::none();
}

RunError FileHandle::writeAt(qint64 offset, const char* buffer, qint64 length)
{
    qint64 done = 0;
    while (done < length) {
        const ssize_t n =
            fileSystem().pwrite(fd_, buffer + done, size_t(length - done), off_t(offset + done));
        if (n < 0) {
            if (errno == EINTR)
                continue;
            return runErrorFromErrno(errno, path_, FileOp::Write);
        }
        if (n == 0)
            return RunError::of(err::DiskFull, path_, FileOp::Write);
        done += n;
    }
    return RunError::none();
}

RunError FileHandle::writeAt(qint64 offset, const QByteArray& bytes)
{
    return writeAt(offset, bytes.constData(), bytes.size());
}

RunError FileHandle::truncate(qint64 length)
{
    if (fileSystem().ftruncate(fd_, off_t(length)) != 0)
        return runErrorFromErrno(errno, path_, FileOp::Truncate);
    return RunError::none();
}

RunError syncDirectory(const QString& dir)
{
    const int fd =
        fileSystem().open(nativePath(dir).constData(), O_RDONLY | O_DIRECTORY | O_CLOEXEC, 0);
    if (fd < 0)
        return runErrorFromErrno(errno, dir, FileOp::Open);
    const int result = fileSystem().fsync(fd);
    const int error = errno;
    fileSystem().close(fd);
    return result != 0 ? runErrorFromErrno(error, dir, FileOp::Flush) : RunError::none();
}

RunError removeFile(const QString& path)
{
    if (fileSystem().unlink(nativePath(path).constData()) != 0 && errno != ENOENT)
        return runErrorFromErrno(errno, path, FileOp::Delete);
    return RunError::none();
}

RunError writeWholeFile(const QString& path, const QByteArray& bytes)
{
    FileHandle file;
    RunError e = file.open(path, FileHandle::Mode::Replace);
    if (!e.failed())
        e = file.writeAt(0, bytes);
    const RunError closed = file.close();
    return e.failed() ? e : closed;
}

qint64 alignedChunk(qint64 setting, qint64 blockSize)
{
    // A block size that is no power of two, or larger than the setting, is no
    // block to share: the setting stands.
    if (blockSize <= 0 || (blockSize & (blockSize - 1)) != 0 || blockSize > setting)
        return setting;
    return setting / blockSize * blockSize;
}

void ChunkCopier::alignTo(const FileHandle& file)
{
    struct statfs fs {};
    const qint64 block = ::fstatfs(file.fd(), &fs) == 0 ? qint64(fs.f_bsize) : 0;
    chunkSize_ = alignedChunk(setting_, block);
}

RunError ChunkCopier::copy(FileHandle& src, qint64 srcOffset, FileHandle& dst, qint64 dstOffset,
                           qint64 length, qint64* copied)
{
    qint64 done = 0;
    RunError result;
    while (kernelCopy_ && done < length) {
        loff_t in = srcOffset + done;
        loff_t out = dstOffset + done;
        const ssize_t n =
            fileSystem().copyFileRange(src.fd(), &in, dst.fd(), &out, size_t(length - done));
        if (n > 0) {
            done += n;
            continue;
        }
        if (n == 0)
            break;  // end of the source
        if (errno == EINTR)
            continue;
        if (errno == EXDEV || errno == EINVAL || errno == ENOSYS || errno == EOPNOTSUPP
            || errno == EBADF || errno == ETXTBSY || errno == EOVERFLOW) {
            kernelCopy_ = false;  // the kernel will not do it for these files
            break;
        }
        result = runErrorFromErrno(errno, dst.path(), FileOp::Write);
        break;
    }
    if (!result.failed() && !kernelCopy_ && done < length) {
        qint64 more = 0;
        result =
            copyThroughBuffer(src, srcOffset + done, dst, dstOffset + done, length - done, &more);
        done += more;
    }
    if (copied)
        *copied = done;
    if (!result.failed() && done < length)
        return RunError::of(err::InputPastEnd, src.path(), FileOp::Read);
    return result;
}

RunError ChunkCopier::copyThroughBuffer(FileHandle& src, qint64 srcOffset, FileHandle& dst,
                                        qint64 dstOffset, qint64 length, qint64* copied)
{
    if (qint64(buffer_.size()) < length)
        buffer_.resize(size_t(length));
    qint64 got = 0;
    *copied = 0;
    RunError e = src.readAt(srcOffset, buffer_.data(), length, &got);
    if (e.failed())
        return e;
    e = dst.writeAt(dstOffset, buffer_.data(), got);
    if (!e.failed())
        *copied = got;
    return e;
}

}  // namespace tsl
