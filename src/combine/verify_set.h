// Checking a set against its checksum file: each piece the file has a line
// for, found under any name the Combine search accepts, and the whole file
// when it has been joined. Files are hashed several at a time (tsl-cli verify).
#pragma once

#include "core/run_error.h"

#include <QList>
#include <QString>
#include <optional>

namespace tsl {

class Host;

// A set and its checksum file.
struct VerifyTarget {
    QString dir;      // the set's folder, absolute, ending in "/"
    QString base;     // the whole file's name, e.g. clip.mpg
    QString sidecar;  // the checksum file's path, dir + base + ".sha256" unless named otherwise
};

// The set the file at path stands for: a checksum file NAME.sha256 for NAME;
// a piece or info file (clip.mpg.001, clip.mpg.000) for the set of its base;
// the whole file (clip.mpg) for itself. nullopt when that set has no
// checksum file.
std::optional<VerifyTarget> verifyTargetOf(const QString& path);

enum class FileVerdict {
    Intact,      // its digest matches
    Damaged,     // its digest differs (changed, cut short, swapped, ...)
    Missing,     // not found under any of its names
    Unreadable,  // could not be read to its end
};

struct VerifiedFile {
    QString name;      // file name in the set's folder (the name looked for when missing)
    qint64 piece = 0;  // piece number; 0 for the whole file
    FileVerdict verdict = FileVerdict::Missing;
    RunError error;  // why an unreadable file could not be read
};

struct VerifyOutcome {
    VerifyTarget target;
    RunError sidecarError;  // the checksum file could not be read: nothing was checked
    int malformedLines = 0;
    int otherLines = 0;                 // lines naming files of no concern to the set
    QList<VerifiedFile> pieces;         // each piece a line names, in piece order
    std::optional<VerifiedFile> whole;  // when a line names the whole file
    bool cancelled = false;

    // How many pieces got the verdict.
    int count(FileVerdict verdict) const;
    // Whether no line of the checksum file concerns the set.
    bool noLines() const { return pieces.isEmpty() && !whole; }
    // Whether at least one file was read and compared.
    bool checkedAny() const;
    // Whether the set passes: something was checked, nothing read differs or
    // failed to read, and no piece is missing unless the whole file is there
    // and intact (the pieces are then no longer needed).
    bool passed() const;
};

struct VerifyOptions {
    int jobs = 1;                // files hashed at once
    qint64 chunkSize = 1000000;  // the largest single read (ChunkSize)
    bool underPeriod = true;     // pieces may be named stem_ext.NNN (UnderPeriod)
};

// Checks the set of target. Reports its progress on the Combine panel's part
// line; the host's cancel request stops it between chunks.
VerifyOutcome verifySet(const VerifyTarget& target, const VerifyOptions& options, Host& host);

}  // namespace tsl
