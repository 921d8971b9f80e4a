// One running window per user: a lock file in the user's runtime folder
// ($XDG_RUNTIME_DIR, else the temporary folder with the user id in the name).
//
// The lock is held for as long as the SingleInstance lives. A lock left by a
// process that no longer runs (it crashed or was killed) is recovered; a lock
// of a running instance is never taken over, however old it is.
#pragma once

#include <QLockFile>
#include <QString>

namespace tsl {

class SingleInstance {
public:
    // lockPath: the lock file; empty for the per-user default.
    explicit SingleInstance(const QString& lockPath = QString());

    // True when this process holds the lock now (taking it if it can);
    // false when another running process holds it.
    bool tryAcquire();
    bool isHeld() const { return lock_.isLocked(); }
    QString path() const { return path_; }

    // The per-user lock file: "tsl.lock" in the runtime folder, or
    // "tsl-<uid>.lock" in the temporary folder when there is none.
    static QString defaultLockPath();

private:
    QString path_;
    QLockFile lock_;
};

}  // namespace tsl
