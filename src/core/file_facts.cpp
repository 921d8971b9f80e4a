#include "core/file_facts.h"

#include "core/file_system.h"

#include <QFile>
#include <QFileInfo>
#include <fcntl.h>
#include <sys/stat.h>

namespace tsl {

int fileAttributes(const QString& path)
{
    const PathFacts info = pathFacts(path);
    if (!info.exists)
        return 0;
    int bits = 0;
    if (!(info.mode & S_IWUSR))
        bits |= attr::ReadOnly;
    if (path.mid(path.lastIndexOf(QLatin1Char('/')) + 1).startsWith(QLatin1Char('.')))
        bits |= attr::Hidden;
    if (info.isFile)
        bits |= attr::Archive;
    return bits;
}

namespace {

QDateTime utcOf(const timespec& t)
{
    return QDateTime::fromMSecsSinceEpoch(qint64(t.tv_sec) * 1000 + t.tv_nsec / 1000000, Qt::UTC);
}

// The birth time where the file system keeps one.
QDateTime birthTime(const QString& path)
{
    struct statx sx {};
    if (::statx(AT_FDCWD, nativePath(path).constData(), 0, STATX_BTIME, &sx) != 0
        || !(sx.stx_mask & STATX_BTIME))
        return {};
    return QDateTime::fromMSecsSinceEpoch(
        qint64(sx.stx_btime.tv_sec) * 1000 + sx.stx_btime.tv_nsec / 1000000, Qt::UTC);
}

}  // namespace

FileFacts readFileFacts(const QString& path)
{
    FileFacts facts;
    const PathFacts info = pathFacts(path);
    if (!info.exists)
        return facts;
    facts.exists = true;
    facts.size = info.size;
    facts.lastWriteTime = utcOf(info.st.st_mtim);
    facts.lastAccessTime = utcOf(info.st.st_atim);
    const QDateTime birth = birthTime(path);
    facts.creationTime = birth.isValid() ? birth : facts.lastWriteTime;
    facts.attributes = fileAttributes(path);
    return facts;
}

bool applyAttributes(const QString& path, int attributes)
{
    QFile file(path);
    QFileDevice::Permissions perms = file.permissions();
    constexpr auto writeBits = QFileDevice::WriteOwner | QFileDevice::WriteUser
        | QFileDevice::WriteGroup | QFileDevice::WriteOther;
    if (attributes & attr::ReadOnly)
        perms &= ~writeBits;
    else
        perms |= QFileDevice::WriteOwner | QFileDevice::WriteUser;
    return file.setPermissions(perms);
}

bool applyTimes(const QString& path, const QDateTime& lastWrite, const QDateTime& lastAccess)
{
    // Opened for reading only, so a read-only result gets its times too.
    QFile file(path);
    if (!file.open(QIODevice::ReadOnly))
        return false;
    const bool written = file.setFileTime(lastWrite, QFileDevice::FileModificationTime);
    const bool accessed = file.setFileTime(lastAccess, QFileDevice::FileAccessTime);
    return written && accessed;
}

}  // namespace tsl
