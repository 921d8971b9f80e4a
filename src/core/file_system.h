// The calls through which every job touches the disk.
//
// FileHandle, the transaction and the delete helpers make each system call
// through the FileSystem current for the process: the real one passes them to
// the kernel; a test installs a double (ScopedFileSystem) that fails the Nth
// open, write, rename or unlink, writes short or fills the disk, so every job
// can be walked through every point where the disk may say no.
//
// Paths cross here as the bytes the kernel uses: nativePath() turns a QString
// into them and pathFromNative() back, keeping bytes that are no UTF-8 (a
// Latin-1 name from an old archive) as escapes that round-trip, so any name
// Linux allows can be split, combined and appended.
#pragma once

#include <QByteArray>
#include <QString>
#include <sys/stat.h>
#include <sys/types.h>

namespace tsl {

class FileSystem {
public:
    virtual ~FileSystem() = default;
    // Each returns what the system call returns and leaves errno as it does.
    virtual int open(const char* path, int flags, mode_t mode);
    virtual ssize_t pread(int fd, void* buffer, size_t length, off_t offset);
    virtual ssize_t pwrite(int fd, const void* buffer, size_t length, off_t offset);
    virtual ssize_t copyFileRange(int in, loff_t* inOffset, int out, loff_t* outOffset,
                                  size_t length);
    virtual int ftruncate(int fd, off_t length);
    virtual int fsync(int fd);
    virtual int chmod(const char* path, mode_t mode);
    virtual int close(int fd);
    // rename(2) as renameat2(2) does it: Replace takes the place of what is at
    // `to`, NoReplace fails with EEXIST when something is there, Exchange swaps the two.
    enum class RenameMode { Replace, NoReplace, Exchange };
    virtual int rename(const char* from, const char* to, RenameMode mode);
    virtual int unlink(const char* path);
    virtual int mkdir(const char* path, mode_t mode);
};

// The file system of this process: the real one unless a test installed another.
FileSystem& fileSystem();

// Installs fs for the life of this object (tests only); the previous one comes back after.
class ScopedFileSystem {
public:
    explicit ScopedFileSystem(FileSystem& fs);
    ~ScopedFileSystem();
    ScopedFileSystem(const ScopedFileSystem&) = delete;
    ScopedFileSystem& operator=(const ScopedFileSystem&) = delete;

private:
    FileSystem* previous_;
};

// The bytes the kernel knows path by. Characters that pathFromNative() made of
// bytes that were no UTF-8 become those bytes again.
QByteArray nativePath(const QString& path);

// A path the kernel gave as bytes, as text: UTF-8 decoded, each byte that is no
// part of valid UTF-8 kept as the character U+DC80 + byte (a lone surrogate,
// which no valid name holds), so nativePath() gives the same bytes back.
QString pathFromNative(const QByteArray& bytes);

// The path for a person to read: escapes shown as the replacement character.
QString displayPath(const QString& path);

// lstat(2) / stat(2) of path through its native bytes; false when there is nothing.
bool lstatPath(const QString& path, struct stat* st);
bool statPath(const QString& path, struct stat* st);

// What the file system says of a path, read through its native bytes (where
// QFileInfo would lose a name that is no UTF-8). Links are followed except
// for isLink.
struct PathFacts {
    bool exists = false;  // something is there (a dangling link is not)
    bool isLink = false;  // the name itself is a symbolic link
    bool isFile = false;  // an ordinary file, or a link to one
    bool isDir = false;
    qint64 size = 0;
    mode_t mode = 0;
    struct stat st {};
};
PathFacts pathFacts(const QString& path);

}  // namespace tsl
