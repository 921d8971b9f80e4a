// File steps of the desktop registration: a file brought to given contents
// (written atomically, only when it differs), a file of TSL's removed, and
// the default-application line of mimeapps.list set or taken back.
// Each step says whether it changed the disk; a failure names the path.
#pragma once

#include <QString>
#include <QStringList>

namespace tsl {

struct FileStep {
    bool changed = false;
    QString failure;  // empty when the step succeeded: else "path: reason"
};

// What is at path: nothing, a file TSL wrote, or something else (a file of
// another program, a link, a folder).
enum class FileState { Absent, Own, Foreign };
FileState fileState(const QString& path);

// Brings path to contents: left alone when it already holds them, written
// through a temporary file renamed over it otherwise (folders made on the
// way). A file that TSL did not write is never replaced (a failure).
// executable: the file gets execute permission.
FileStep writeOwnFile(const QString& path, const QString& contents, bool executable);

// Removes path when it is TSL's; anything else there stays.
FileStep removeOwnFile(const QString& path);

// Removes path when it is the earlier release's send-to entry.
FileStep removeEarlierEntry(const QString& path);

// mimeapps.list: the [Default Applications] value of mimeType as a list of
// desktop ids (empty when none).
QStringList defaultApplications(const QString& file, const QString& mimeType);

// Puts desktopId first in the [Default Applications] list of mimeType
// (makeDefault) or takes it out of that list (the others stay, and a file or
// section that only TSL's line made is removed again).
FileStep setDefaultApplication(const QString& file, const QString& mimeType,
                               const QString& desktopId, bool makeDefault);

// The mimeapps.list text with that change made (for the step above).
QString editDefaultApplication(const QString& text, const QString& mimeType,
                               const QString& desktopId, bool makeDefault);

}  // namespace tsl
