#include "pieces/file_utils.h"

#include "core/file_handle.h"
#include "core/host.h"

#include <QDir>
#include <QFile>
#include <QFileInfo>
#include <array>
#include <cerrno>
#include <sys/stat.h>
#include <unistd.h>

namespace tsl {

namespace {

bool hasWildcard(const QString& name)
{
    return name.contains(QLatin1Char('*')) || name.contains(QLatin1Char('?'));
}

bool isOrdinaryFile(const QFileInfo& info)
{
    return info.isFile() && !info.fileName().startsWith(QLatin1Char('.'));
}

}  // namespace

bool isOrdinaryFile(const QString& path)
{
    return isOrdinaryFile(QFileInfo(path));
}

QString withTrailingSlash(const QString& dir)
{
    if (dir.isEmpty() || dir.endsWith(QLatin1Char('/')))
        return dir;
    return dir + QLatin1Char('/');
}

bool matchesWildcard(const QString& name, const QString& pattern)
{
    // Iterative match with back-tracking to the last "*".
    qsizetype n = 0, p = 0, starP = -1, starN = 0;
    // A "*" in the pattern is always a wildcard, also where the name holds a
    // "*" of its own: testing it as a literal first would never back-track.
    while (n < name.size()) {
        if (p < pattern.size() && pattern[p] == QLatin1Char('*')) {
            starP = p++;
            starN = n;
        } else if (p < pattern.size()
                   && (pattern[p] == QLatin1Char('?') || pattern[p] == name[n])) {
            ++n;
            ++p;
        } else if (starP >= 0) {
            p = starP + 1;
            n = ++starN;
        } else {
            return false;
        }
    }
    while (p < pattern.size() && pattern[p] == QLatin1Char('*'))
        ++p;
    return p == pattern.size();
}

bool FileExists(const QString& path)
{
    if (path.isEmpty())
        return false;
    const qsizetype slash = path.lastIndexOf(QLatin1Char('/'));
    const QString name = path.mid(slash + 1);
    if (name.isEmpty())
        return false;
    if (!hasWildcard(name))
        return isOrdinaryFile(path);
    const QString dirPath = slash < 0 ? QStringLiteral(".") : path.left(slash + 1);
    if (hasWildcard(dirPath))
        return false;
    const QDir dir(dirPath);
    if (!dir.exists())
        return false;
    const QFileInfoList entries = dir.entryInfoList(QDir::Files | QDir::NoDotAndDotDot);
    for (const QFileInfo& entry : entries) {
        if (isOrdinaryFile(entry) && matchesWildcard(entry.fileName(), name))
            return true;
    }
    return false;
}

namespace {

RunError wipe(const QString& path)
{
    FileHandle file;
    RunError e = file.open(path, FileHandle::Mode::ReadWrite);
    if (e.failed())
        return e;
    qint64 length = 0;
    e = file.size(&length);
    if (e.failed())
        return e;
    std::array<QByteArray, 7> blocks;
    for (size_t pass = 0; pass < blocks.size(); ++pass)
        blocks[pass] = QByteArray(WipeBlockSize, char(WipePasses[pass]));
    const qint64 blockCount = length / WipeBlockSize + 1;
    for (qint64 k = 1; k <= blockCount; ++k) {
        const qint64 at = (k - 1) * WipeBlockSize;
        for (const QByteArray& block : blocks) {
            e = file.writeAt(at, block);
            if (e.failed())
                return e;
        }
    }
    // Push the last pass out of the cache, so the disk holds it, not the old bytes.
    return file.close(true);
}

}  // namespace

RunError KillFile(const QString& path, bool wipeFirst)
{
    // The path is one file's name: a "?" or "*" in it is part of the name.
    if (!isOrdinaryFile(path))
        return RunError::none();
    struct stat st {};
    const QByteArray native = QFile::encodeName(path);
    if (::lstat(native.constData(), &st) != 0)
        return runErrorFromErrno(errno, path, FileOp::Delete);
    // A read-only file is not deleted, for root neither.
    if (S_ISREG(st.st_mode) && !(st.st_mode & S_IWUSR))
        return RunError::of(err::PathFileAccess, path, FileOp::Delete);
    // Wiping through a link or a second hard link would destroy a file that stays.
    if (wipeFirst && S_ISREG(st.st_mode) && st.st_nlink == 1) {
        const RunError e = wipe(path);
        if (e.failed())
            return e;
    }
    if (::unlink(native.constData()) != 0)
        return runErrorFromErrno(errno, path, FileOp::Delete);
    return RunError::none();
}

}  // namespace tsl
