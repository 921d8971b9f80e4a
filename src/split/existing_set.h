// An earlier set in a split's output folder: whether the split would write
// over any of its files, and which of its files the split would leave behind.
//
// Only the set's own names count (base.000, base.bat, base.sha256, base.NNN in either
// scheme), each tested with one stat: a file such as f.txt beside f is no
// piece of f, and a folder of twenty thousand files is never listed.
#pragma once

#include <QString>
#include <QStringList>

namespace tsl {

// The files a split of one source writes.
struct SplitNames {
    QString dir;            // the output folder, ending in "/"
    QString base;           // the pieces' base name
    qint64 first = 1;       // the first piece written
    qint64 last = 0;        // the last piece written
    qint64 pieceCount = 0;  // the source's whole piece count (it decides the scheme)
    bool wholeSet = true;   // not an extract range: the info and batch files are written too
};

// Whether a file the split would write is there already: the info, batch and
// checksum files (whole sets only), or one of pieces first..last.
bool splitWouldOverwrite(const SplitNames& names);

// The files of an earlier set under the same base that this whole split does
// not rewrite and that would otherwise pass for part of the new set: its
// pieces above the new count in the new scheme, all its pieces in the other
// scheme, and its info, batch and checksum files when the new split writes
// none (an old checksum file would call the new pieces damaged). An
// earlier set's pieces are found from its info file's count and from the run
// of numbers that follows the new last piece; nothing else is ever listed.
QStringList staleSetFiles(const SplitNames& names, bool writesInfo, bool writesBatch,
                          bool writesChecksums);

}  // namespace tsl
