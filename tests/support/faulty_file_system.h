// A file system that fails on purpose: the Nth call of one kind fails with
// a chosen errno, or from the Nth write on every write finds the disk full.
// Installed with ScopedFileSystem, it sees every call a job makes to the disk.
#pragma once

#include "core/file_system.h"

#include <array>
#include <cerrno>

namespace tsl::test {

class FaultyFileSystem : public FileSystem {
public:
    enum Op { Open, Write, Sync, Chmod, Close, Rename, Unlink, Truncate, OpCount };

    // Fails call number `nth` (1-based) of op with `error`; with `persistent`
    // every later call of op fails too (a disk that stays full).
    void failAt(Op op, int nth, int error, bool persistent = false)
    {
        op_ = op;
        nth_ = nth;
        error_ = error;
        persistent_ = persistent;
    }
    int calls(Op op) const { return counts_[size_t(op)]; }

    int open(const char* path, int flags, mode_t mode) override
    {
        return fails(Open) ? -1 : FileSystem::open(path, flags, mode);
    }
    ssize_t pwrite(int fd, const void* buffer, size_t length, off_t offset) override
    {
        return fails(Write) ? -1 : FileSystem::pwrite(fd, buffer, length, offset);
    }
    ssize_t copyFileRange(int in, loff_t* inOffset, int out, loff_t* outOffset,
                          size_t length) override
    {
        return fails(Write) ? -1 : FileSystem::copyFileRange(in, inOffset, out, outOffset, length);
    }
    int ftruncate(int fd, off_t length) override
    {
        return fails(Truncate) ? -1 : FileSystem::ftruncate(fd, length);
    }
    int fsync(int fd) override { return fails(Sync) ? -1 : FileSystem::fsync(fd); }
    int chmod(const char* path, mode_t mode) override
    {
        return fails(Chmod) ? -1 : FileSystem::chmod(path, mode);
    }
    int close(int fd) override
    {
        // The descriptor is released whatever close reports, as on Linux.
        const int result = FileSystem::close(fd);
        return fails(Close) ? -1 : result;
    }
    int rename(const char* from, const char* to, RenameMode mode) override
    {
        return fails(Rename) ? -1 : FileSystem::rename(from, to, mode);
    }
    int unlink(const char* path) override { return fails(Unlink) ? -1 : FileSystem::unlink(path); }

private:
    // Counts a call of op; true when it is to fail (errno set).
    bool fails(Op op)
    {
        const int n = ++counts_[size_t(op)];
        if (op != op_ || n < nth_ || (n > nth_ && !persistent_))
            return false;
        errno = error_;
        return true;
    }

    std::array<int, OpCount> counts_{};
    Op op_ = OpCount;
    int nth_ = 0;
    int error_ = 0;
    bool persistent_ = false;
};

}  // namespace tsl::test
