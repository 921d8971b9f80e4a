#include "support/faulty_file_system.h"

namespace tsl::test {

bool FaultyFileSystem::fails(Op op)
{
    const int n = ++counts_[size_t(op)];
    if (op != op_ || n < nth_ || (n > nth_ && !persistent_))
        return false;
    errno = error_;
    return true;
}

int FaultyFileSystem::open(const char* path, int flags, mode_t mode)
{
    return fails(Open) ? -1 : FileSystem::open(path, flags, mode);
}

ssize_t FaultyFileSystem::pwrite(int fd, const void* buffer, size_t length, off_t offset)
{
    return fails(Write) ? -1 : FileSystem::pwrite(fd, buffer, length, offset);
}

ssize_t FaultyFileSystem::copyFileRange(int in, loff_t* inOffset, int out, loff_t* outOffset,
                                        size_t length)
{
    return fails(Write) ? -1 : FileSystem::copyFileRange(in, inOffset, out, outOffset, length);
}

int FaultyFileSystem::ftruncate(int fd, off_t length)
{
    return fails(Truncate) ? -1 : FileSystem::ftruncate(fd, length);
}

int FaultyFileSystem::fsync(int fd)
{
    return fails(Sync) ? -1 : FileSystem::fsync(fd);
}

int FaultyFileSystem::chmod(const char* path, mode_t mode)
{
    return fails(Chmod) ? -1 : FileSystem::chmod(path, mode);
}

int FaultyFileSystem::close(int fd)
{
    // The descriptor is released whatever close reports, as on Linux.
    const int result = FileSystem::close(fd);
    return fails(Close) ? -1 : result;
}

int FaultyFileSystem::rename(const char* from, const char* to, RenameMode mode)
{
    return fails(Rename) ? -1 : FileSystem::rename(from, to, mode);
}

int FaultyFileSystem::unlink(const char* path)
{
    return fails(Unlink) ? -1 : FileSystem::unlink(path);
}

}  // namespace tsl::test
