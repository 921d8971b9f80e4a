#include "mainwindow/single_instance.h"

#include <QDir>
#include <QFileInfo>
#include <QStandardPaths>
#include <unistd.h>

namespace tsl {

SingleInstance::SingleInstance(const QString& lockPath)
    : path_(lockPath.isEmpty() ? defaultLockPath() : lockPath), lock_(path_)
{
    // Only a dead holder makes a lock stale, never its age: Qt's default age
    // limit (30 seconds) would otherwise apply to a lock whose process it
    // cannot check, such as one written under another host name.
    lock_.setStaleLockTime(0);
}

bool SingleInstance::tryAcquire()
{
    if (lock_.isLocked())
        return true;
    // tryLock removes a lock whose process is gone before it tries.
    return lock_.tryLock(0);
}

QString SingleInstance::defaultLockPath()
{
    // RuntimeLocation is per user and cleared at logout; Qt only returns it
    // when it is private to the user.
    const QString runtime = QStandardPaths::writableLocation(QStandardPaths::RuntimeLocation);
    if (!runtime.isEmpty() && QFileInfo(runtime).isDir())
        return QDir(runtime).filePath(QStringLiteral("tsl.lock"));
    return QDir(QDir::tempPath()).filePath(QStringLiteral("tsl-%1.lock").arg(::getuid()));
}

}  // namespace tsl
