#include "core/temporary_names.h"

#include "core/file_system.h"

#include <QRandomGenerator>
#include <cerrno>
#include <csignal>
#include <dirent.h>
#include <fcntl.h>
#include <sys/stat.h>
#include <unistd.h>

namespace tsl {

namespace {

const QString TempPrefix = QStringLiteral(".tsl-");

// Whether the process that wrote a temporary name is a running TSL (its
// program's name starts with "tsl"): its files are still being written.
bool writerRuns(const QString& name)
{
    bool ok = false;
    const qint64 pid = name.mid(TempPrefix.size() + 1, 6).toLongLong(&ok, 36);
    if (!ok || pid <= 0)
        return false;
    if (::kill(pid_t(pid), 0) != 0 && errno != EPERM)
        return false;
    char exe[4096] = {};
    const QByteArray link = "/proc/" + QByteArray::number(pid) + "/exe";
    const ssize_t n = ::readlink(link.constData(), exe, sizeof exe - 1);
    // A process whose program cannot be read is taken to be one: kept.
    if (n <= 0)
        return true;
    const QByteArray program(exe, n);
    return program.mid(program.lastIndexOf('/') + 1).startsWith("tsl");
}

}  // namespace

QString folderOf(const QString& path)
{
    const qsizetype slash = path.lastIndexOf(QLatin1Char('/'));
    return slash < 0 ? QStringLiteral(".") : slash == 0 ? QStringLiteral("/") : path.left(slash);
}

QString temporaryNameOf(char letter, qint64 pid)
{
    static const char alphabet[] = "abcdefghijklmnopqrstuvwxyz0123456789";
    QString name = TempPrefix + QLatin1Char(letter)
        + QString::number(pid, 36).rightJustified(6, QLatin1Char('0')).right(6);
    while (name.size() < TemporaryNameLength)
        name += QLatin1Char(alphabet[QRandomGenerator::system()->bounded(36)]);
    return name;
}

QString temporaryName(char letter)
{
    return temporaryNameOf(letter, ::getpid());
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
        if (writerRuns(name))
            continue;
        if (fileSystem().unlink(nativePath(path).constData()) == 0)
            removed << path;
    }
    ::closedir(d);
    return removed;
}

}  // namespace tsl
