#include "core/temporary_names.h"

#include "core/file_system.h"

#include <QRandomGenerator>
#include <dirent.h>
#include <fcntl.h>
#include <sys/file.h>
#include <sys/stat.h>
#include <unistd.h>

namespace tsl {

namespace {

const QString TempPrefix = QStringLiteral(".tsl-");

}  // namespace

QString folderOf(const QString& path)
{
    const qsizetype slash = path.lastIndexOf(QLatin1Char('/'));
    return slash < 0 ? QStringLiteral(".") : slash == 0 ? QStringLiteral("/") : path.left(slash);
}

QString temporaryName(char letter)
{
    static const char alphabet[] = "abcdefghijklmnopqrstuvwxyz0123456789";
    QString name = TempPrefix + QLatin1Char(letter);
    for (int i = 0; i < TemporaryNameLength - 6; ++i)
        name += QLatin1Char(alphabet[QRandomGenerator::system()->bounded(36)]);
    return name;
}

int lockFile(const QByteArray& native)
{
    const int fd = ::open(native.constData(), O_RDONLY | O_NOFOLLOW | O_CLOEXEC);
    if (fd < 0)
        return -1;
    if (::flock(fd, LOCK_EX | LOCK_NB) != 0) {
        ::close(fd);
        return -1;
    }
    return fd;
}

bool isTemporaryName(const QString& name, char letter)
{
    return name.size() == TemporaryNameLength && name.startsWith(TempPrefix)
        && name.at(TempPrefix.size()) == QLatin1Char(letter);
}

QStringList removeStaleTemporaries(const QString& dir, JobKind job)
{
    QStringList removed;
    DIR* d = ::opendir(nativePath(dir).constData());
    if (!d)
        return removed;
    const QString prefix = dir.endsWith(QLatin1Char('/')) ? dir : dir + QLatin1Char('/');
    while (const dirent* entry = ::readdir(d)) {
        const QString name = pathFromNative(QByteArray(entry->d_name));
        if (!isTemporaryName(name, char(job)) && !isTemporaryName(name, WipeLetter))
            continue;
        const QString path = prefix + name;
        struct stat st {};
        if (!lstatPath(path, &st) || !S_ISREG(st.st_mode))
            continue;
        const QByteArray native = nativePath(path);
        const int fd = lockFile(native);
        if (fd < 0)
            continue;  // a running TSL holds it
        if (fileSystem().unlink(native.constData()) == 0)
            removed << path;
        ::close(fd);
    }
    ::closedir(d);
    return removed;
}

}  // namespace tsl
