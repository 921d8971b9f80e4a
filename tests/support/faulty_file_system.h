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

    int open(const char* path, int flags, mode_t mode) override;
    ssize_t pwrite(int fd, const void* buffer, size_t length, off_t offset) override;
    ssize_t copyFileRange(int in, loff_t* inOffset, int out, loff_t* outOffset,
                          size_t length) override;
    int ftruncate(int fd, off_t length) override;
    int fsync(int fd) override;
    int chmod(const char* path, mode_t mode) override;
    int close(int fd) override;
    int rename(const char* from, const char* to, RenameMode mode) override;
    int unlink(const char* path) override;

private:
    // Counts a call of op; true when it is to fail (errno set).
    bool fails(Op op);

    std::array<int, OpCount> counts_{};
    Op op_ = OpCount;
    int nth_ = 0;
    int error_ = 0;
    bool persistent_ = false;
};

}  // namespace tsl::test
