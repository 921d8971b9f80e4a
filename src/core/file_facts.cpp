#include "core/file_facts.h"

#include <QFile>
#include <QFileInfo>

namespace tsl {

int fileAttributes(const QString& path)
{
    const QFileInfo info(path);
    if (!info.exists())
        return 0;
    int bits = 0;
    if (!(info.permissions() & QFileDevice::WriteOwner))
        bits |= attr::ReadOnly;
    if (info.fileName().startsWith(QLatin1Char('.')))
        bits |= attr::Hidden;
    if (info.isFile())
        bits |= attr::Archive;
    return bits;
}

FileFacts readFileFacts(const QString& path)
{
    FileFacts facts;
    const QFileInfo info(path);
    if (!info.exists())
        return facts;
    facts.exists = true;
    facts.size = info.size();
    facts.lastWriteTime = info.lastModified().toUTC();
    facts.lastAccessTime = info.lastRead().toUTC();
    const QDateTime birth = info.birthTime();
    facts.creationTime = birth.isValid() ? birth.toUTC() : facts.lastWriteTime;
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
