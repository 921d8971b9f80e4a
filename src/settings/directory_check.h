// The check of the three initial directories at every load: a directory on a
// removable medium that is not mounted, a path without a "drive" (not an
// absolute path, e.g. a Windows path carried over), and a missing directory
// that the user may have created. Drives are mount points here: a removable
// medium is a folder under a removable mount root such as /media/USER/LABEL,
// missing while nothing is mounted there.
#pragma once

#include <QString>
#include <QStringList>
#include <functional>

namespace tsl {

class Host;
class SettingsStore;

struct DriveMap {
    QStringList removableRoots;  // /media and /run/media
    QString userName;            // the level below a root that holds the user's media
    QString homeFolder;          // where the program falls back to (the old "C:\")
    std::function<QStringList()> mountPoints;

    // This machine's: mounted volumes from the system, the user's home.
    static DriveMap system();
};

enum class DirCheck {
    Kept,        // the setting stays as stored
    Cleared,     // the setting was emptied, in memory and in the store
    Terminated,  // the user chose to end the program at a run-time error question
};

// Checks the directory in value (nothing to do when empty), talking to the
// user through host; key is its setting in the "Directories" section and
// description names it in the messages ("initial split directory").
DirCheck checkInitialDirectory(QString& value, const QString& key, const QString& description,
                               SettingsStore& store, Host& host, const DriveMap& drives);

// The folder on a removable medium that holds path when nothing is mounted
// there; empty when path is not on such a medium or the medium is mounted.
QString unmountedVolume(const QString& path, const DriveMap& drives);

}  // namespace tsl
