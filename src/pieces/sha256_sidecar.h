// The checksum file NAME.sha256 beside a set, in GNU coreutils' format, so
// that `sha256sum -c` checks the pieces and the joined file on any machine.
//
// A line is the digest as 64 lower-case hex digits, two spaces and the file
// name. A name with a backslash, a line feed or a carriage return is written
// the way sha256sum writes it: the line starts with "\" and the name carries
// "\\", "\n" and "\r".
// The reader also takes what other tools and hands write: upper-case digits,
// the binary-mode marker "*", a single space, the BSD form
// "SHA256 (name) = digest", CR LF line ends, "#" comments and blank lines.
#pragma once

#include "core/run_error.h"

#include <QByteArray>
#include <QList>
#include <QString>

namespace tsl {

// The name of the checksum file of the set whose file is named base.
QString sidecarName(const QString& base);

// One line: a file's digest (32 raw bytes) and its name as the line has it
// (usually a bare file name; hand-made files may hold paths).
struct DigestLine {
    QByteArray digest;
    QString name;
};

// The line for one file, ending in "\n".
QByteArray sidecarLine(const DigestLine& line);

// The whole text of a checksum file with lines in the given order.
QByteArray sidecarText(const QList<DigestLine>& lines);

// What a checksum file holds.
struct SidecarContents {
    QList<DigestLine> lines;  // in the file's order
    int malformed = 0;        // lines that are neither digest lines, comments nor blank
};

// Reads the text of a checksum file.
SidecarContents parseSidecar(const QByteArray& text);

// Reads the checksum file at path (its first 64 MiB: far more than the
// lines of the most pieces a set can have).
RunError readSidecar(const QString& path, SidecarContents* contents);

}  // namespace tsl
