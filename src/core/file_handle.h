// An open file and the chunked copy between two of them.
//
// Every engine copies with its own loop, one chunk at a time; the file layer
// here gives those loops plain POSIX descriptors (so copy_file_range(2) can move
// a chunk without passing it through the process) and reports every failure as
// a RunError naming the file and the operation. Nothing is ever written
// through a symbolic link at the last component of a path: a link in the way
// of a new file is replaced, and an existing file is opened for writing only
// when it is no link. Offsets are explicit, so nothing depends on a descriptor's
// position and files of any size are handled with 64-bit offsets.
#pragma once

#include "core/run_error.h"

#include <QString>
#include <vector>

namespace tsl {

class FileHandle {
public:
    enum class Mode {
        Read,       // existing file, read only (a link is followed)
        Replace,    // a new empty file; a file or link of that name is removed first
        CreateNew,  // a new empty file; anything of that name is "File already exists"
        ReadWrite,  // created when missing, contents kept; a link is refused
    };

    FileHandle() = default;
    ~FileHandle();
    FileHandle(FileHandle&& other) noexcept;
    FileHandle& operator=(FileHandle&& other) noexcept;
    FileHandle(const FileHandle&) = delete;
    FileHandle& operator=(const FileHandle&) = delete;

    // Opens path; a file already open here is closed first. A file without
    // write permission for its owner is read-only: opening it for writing gives
    // "Path/File access error", for root too.
    RunError open(const QString& path, Mode mode);
    // Closes the file; reports what the kernel reports on close (late write errors).
    RunError close();
    // Pushes the file's bytes to the disk (before its source is deleted).
    RunError sync();
    // Closes the file, pushing its bytes to the disk first when `sync` is set.
    RunError close(bool sync);
    bool isOpen() const { return fd_ >= 0; }
    int fd() const { return fd_; }
    const QString& path() const { return path_; }
    // The name errors of the open file give from now on (the final name of a
    // file written under a temporary one).
    void nameAs(const QString& shown) { path_ = shown; }

    // The current length of the open file.
    RunError size(qint64* size) const;
    // Reads up to length bytes at offset; *got is less only at the end of the file.
    RunError readAt(qint64 offset, char* buffer, qint64 length, qint64* got);
    // Writes all length bytes at offset, or reports why not.
    RunError writeAt(qint64 offset, const char* buffer, qint64 length);
    // Writes the whole buffer at offset.
    RunError writeAt(qint64 offset, const QByteArray& bytes);
    // Cuts the file to length bytes.
    RunError truncate(qint64 length);

private:
    int fd_ = -1;
    QString path_;
};

// Writes bytes as a new file at path (replacing what is there, never
// through a link): the small files the system writes whole (info file, batch
// file, saved lists).
RunError writeWholeFile(const QString& path, const QByteArray& bytes);

// Removes a file this run created (a piece, a temporary file): no wiping,
// nothing followed.
RunError removeFile(const QString& path);

// Pushes the directory's entries to the disk, so files just created in it
// survive a crash.
RunError syncDirectory(const QString& dir);

// The chunk setting rounded down to a whole number of blocks of blockSize
// (at least one); the setting itself when blockSize is no power of two or
// exceeds it.
qint64 alignedChunk(qint64 setting, qint64 blockSize);

// Copies chunks between two open files, never more than one chunk per call.
class ChunkCopier {
public:
    explicit ChunkCopier(qint64 chunkSize) : setting_(chunkSize), chunkSize_(chunkSize) {}

    // The length of one chunk: the chunk setting, or less after alignTo().
    qint64 chunkSize() const { return chunkSize_; }

    // Cuts chunks at multiples of the block size of the file system file lies
    // on: the chunk setting rounded down to a multiple of it (one block at
    // least, never more than the setting). On XFS and btrfs a copy whose
    // offsets and length are whole blocks shares the blocks instead of
    // copying them, so a piece size of whole blocks then costs no time and
    // no space.
    void alignTo(const FileHandle& file);

    // Copies exactly length bytes (at most one chunk) from src at srcOffset to dst
    // at dstOffset. A source that ends early gives "Input past end of file", with
    // *copied telling how many bytes did arrive.
    RunError copy(FileHandle& src, qint64 srcOffset, FileHandle& dst, qint64 dstOffset,
                  qint64 length, qint64* copied = nullptr);

private:
    RunError copyThroughBuffer(FileHandle& src, qint64 srcOffset, FileHandle& dst, qint64 dstOffset,
                               qint64 length, qint64* copied);

    qint64 setting_;          // the chunk setting
    qint64 chunkSize_;        // the setting, rounded to whole blocks by alignTo()
    bool kernelCopy_ = true;  // false once the kernel refused copy_file_range
    std::vector<char> buffer_;
};

}  // namespace tsl
