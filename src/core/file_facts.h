// What the system keeps of a file besides its bytes: size, time stamps and
// the classic attribute bits, read from and given back to the file system.
//
// Attributes map onto Linux as: read-only 1 = no write permission for the
// owner; hidden 2 = the name starts with "."; system 4 = never; archive 32 =
// a regular file. Only read-only is ever given back to a file.
#pragma once

#include <QDateTime>
#include <QString>

namespace tsl {

namespace attr {
constexpr int ReadOnly = 1;
constexpr int Hidden = 2;
constexpr int System = 4;
constexpr int Archive = 32;
}  // namespace attr

struct FileFacts {
    bool exists = false;
    qint64 size = 0;
    QDateTime creationTime;  // birth time where the file system keeps one, else last write
    QDateTime lastWriteTime;
    QDateTime lastAccessTime;
    int attributes = 0;
};

// Reads the facts of path; exists is false when there is no such file.
FileFacts readFileFacts(const QString& path);

// The attribute bits of path, 0 when it does not exist.
int fileAttributes(const QString& path);

// Gives path the read-only attribute of `attributes` (clears or sets write
// permission); true on success.
bool applyAttributes(const QString& path, int attributes);

// Sets the last write and last access times of path (UTC values); true on success.
bool applyTimes(const QString& path, const QDateTime& lastWrite, const QDateTime& lastAccess);

}  // namespace tsl
