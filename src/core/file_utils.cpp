#include "core/file_utils.h"

#include "core/delete_file.h"
#include "core/file_handle.h"
#include "core/file_system.h"
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
    const qsizetype slash = path.lastIndexOf(QLatin1Char('/'));
    return pathFacts(path).isFile && !path.mid(slash + 1).startsWith(QLatin1Char('.'));
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

RunError KillFile(const QString& path, bool wipeFirst)
{
    // The path is one file's name: a "?" or "*" in it is part of the name.
    if (!isOrdinaryFile(path))
        return RunError::none();
    return deleteFile(path, wipeFirst);
}

}  // namespace tsl
