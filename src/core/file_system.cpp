#include "core/file_system.h"

#include <atomic>
#include <fcntl.h>
#include <stdio.h>
#include <unistd.h>

namespace tsl {

int FileSystem::open(const char* path, int flags, mode_t mode)
{
    return ::open(path, flags, mode);
}

ssize_t FileSystem::pread(int fd, void* buffer, size_t length, off_t offset)
{
    return ::pread(fd, buffer, length, offset);
}

ssize_t FileSystem::pwrite(int fd, const void* buffer, size_t length, off_t offset)
{
    return ::pwrite(fd, buffer, length, offset);
}

ssize_t FileSystem::copyFileRange(int in, loff_t* inOffset, int out, loff_t* outOffset,
                                  size_t length)
{
    return ::copy_file_range(in, inOffset, out, outOffset, length, 0);
}

int FileSystem::ftruncate(int fd, off_t length)
{
    return ::ftruncate(fd, length);
}

int FileSystem::fsync(int fd)
{
    return ::fsync(fd);
}

int FileSystem::chmod(const char* path, mode_t mode)
{
    return ::fchmodat(AT_FDCWD, path, mode, 0);
}

int FileSystem::close(int fd)
{
    return ::close(fd);
}

int FileSystem::rename(const char* from, const char* to, RenameMode mode)
{
    switch (mode) {
    case RenameMode::Replace: return ::rename(from, to);
    case RenameMode::NoReplace: return ::renameat2(AT_FDCWD, from, AT_FDCWD, to, RENAME_NOREPLACE);
    case RenameMode::Exchange: return ::renameat2(AT_FDCWD, from, AT_FDCWD, to, RENAME_EXCHANGE);
    }
    return -1;
}

int FileSystem::unlink(const char* path)
{
    return ::unlink(path);
}

int FileSystem::mkdir(const char* path, mode_t mode)
{
    return ::mkdir(path, mode);
}

namespace {

FileSystem& realFileSystem()
{
    static FileSystem real;
    return real;
}

std::atomic<FileSystem*> current{nullptr};

constexpr char16_t EscapeBase = 0xDC00;  // + byte (0x80..0xFF)

// Length of the valid UTF-8 sequence at bytes[i], 0 when there is none.
int utf8Sequence(const QByteArray& bytes, qsizetype i)
{
    const auto at = [&](qsizetype k) { return static_cast<unsigned char>(bytes[k]); };
    const unsigned char c = at(i);
    int length = 0;
    char32_t cp = 0;
    if (c < 0x80)
        return 1;
    if ((c & 0xE0) == 0xC0) {
        length = 2;
        cp = c & 0x1F;
    } else if ((c & 0xF0) == 0xE0) {
        length = 3;
        cp = c & 0x0F;
    } else if ((c & 0xF8) == 0xF0) {
        length = 4;
        cp = c & 0x07;
    } else {
        return 0;
    }
    if (i + length > bytes.size())
        return 0;
    for (int k = 1; k < length; ++k) {
        if ((at(i + k) & 0xC0) != 0x80)
            return 0;
        cp = (cp << 6) | (at(i + k) & 0x3F);
    }
    // Over-long forms, surrogates and values past Unicode are no valid UTF-8.
    static constexpr char32_t least[5] = {0, 0, 0x80, 0x800, 0x10000};
    if (cp < least[length] || cp > 0x10FFFF || (cp >= 0xD800 && cp <= 0xDFFF))
        return 0;
    return length;
}

}  // namespace

FileSystem& fileSystem()
{
    FileSystem* fs = current.load(std::memory_order_acquire);
    return fs ? *fs : realFileSystem();
}

ScopedFileSystem::ScopedFileSystem(FileSystem& fs) : previous_(current.exchange(&fs)) {}

ScopedFileSystem::~ScopedFileSystem()
{
    current.store(previous_);
}

QString pathFromNative(const QByteArray& bytes)
{
    QString text;
    text.reserve(bytes.size());
    for (qsizetype i = 0; i < bytes.size();) {
        const int length = utf8Sequence(bytes, i);
        if (length == 0) {
            text += QChar(char16_t(EscapeBase + static_cast<unsigned char>(bytes[i])));
            ++i;
            continue;
        }
        text += QString::fromUtf8(bytes.constData() + i, length);
        i += length;
    }
    return text;
}

QByteArray nativePath(const QString& path)
{
    QByteArray bytes;
    bytes.reserve(path.size());
    qsizetype runStart = 0;
    const auto flush = [&](qsizetype end) {
        if (end > runStart)
            bytes += QStringView(path).mid(runStart, end - runStart).toUtf8();
    };
    for (qsizetype i = 0; i < path.size(); ++i) {
        const char16_t c = path[i].unicode();
        if (c >= EscapeBase + 0x80 && c <= EscapeBase + 0xFF) {
            flush(i);
            bytes += char(c - EscapeBase);
            runStart = i + 1;
        }
    }
    flush(path.size());
    return bytes;
}

QString displayPath(const QString& path)
{
    QString shown = path;
    for (QChar& c : shown) {
        if (c.unicode() >= EscapeBase + 0x80 && c.unicode() <= EscapeBase + 0xFF)
            c = QChar::ReplacementCharacter;
    }
    return shown;
}

bool lstatPath(const QString& path, struct stat* st)
{
    return !path.isEmpty() && ::lstat(nativePath(path).constData(), st) == 0;
}

bool statPath(const QString& path, struct stat* st)
{
    return !path.isEmpty() && ::stat(nativePath(path).constData(), st) == 0;
}

PathFacts pathFacts(const QString& path)
{
    PathFacts facts;
    struct stat link {};
    facts.isLink = lstatPath(path, &link) && S_ISLNK(link.st_mode);
    if (!statPath(path, &facts.st))
        return facts;
    facts.exists = true;
    facts.isFile = S_ISREG(facts.st.st_mode);
    facts.isDir = S_ISDIR(facts.st.st_mode);
    facts.size = facts.st.st_size;
    facts.mode = facts.st.st_mode;
    return facts;
}

}  // namespace tsl
