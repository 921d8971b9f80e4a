// The wrong-size check of a set: every present piece must be as long as the
// piece size, except a last expected piece of exactly the size that is left
// of the whole file. Marks the pieces that fail and builds the report entries.
#pragma once

#include "combine/part_table.h"

#include <QString>

namespace tsl {

class Host;

struct SizeCheck {
    qint64 pieceSize = 0;  // expected size of every piece but the last
    qint64 totalSize = 0;  // size of the whole file, 0 when unknown
    qint64 expected = 0;   // expected piece count
    qint64 upper = 0;      // the last number to check
    bool extraFound = false;
};

struct SizeCheckResult {
    QString list;  // one entry per wrong-size piece, each followed by CR LF
    qint64 count = 0;
};

// Checks pieces 1..check.upper of table, sets WrongSize, reports "Checking
// file size for part ..." after every number, and returns the entries.
SizeCheckResult checkPieceSizes(Host& host, PartTable& table, const SizeCheck& check);

// The entries of the pieces marked damaged: "Part 3 -- clip.mpg.003: damaged
// (checksum differs)".
SizeCheckResult damagedParts(const PartTable& table);

// "Corrupted Parts:" + the list + "These parts of clip.mpg are the wrong size."
// With damaged pieces their entries follow, and a line that says so.
QString corruptPartsMessage(const QString& base, const SizeCheckResult& result,
                            const SizeCheckResult& damaged = {});

}  // namespace tsl
