// What keeps a combined set from counting as whole, and the texts that say
// so: a piece past the highest number searched, a written size that differs
// from the info file's, a set skipped for its missing pieces. A set that is
// not whole keeps its pieces, its info file and its batch file whatever the
// delete setting says, so nothing of the original is lost.
#pragma once

#include "combine/combine_run.h"

#include <QString>

namespace tsl {

// The number of the piece just past the last one searched when a piece of
// the set is there under one of its names, else 0. Only a search that
// stopped at the HighPart limit (not at the info file's count) is cut short.
qint64 pieceBeyondSearch(const CombineRun& run, const PieceSet& set);

// The report for a set that goes on past the search limit, answered like the
// missing-parts report (Combine joins what was found).
QString beyondLimitMessage(const QString& base, qint64 number, qint32 highPart, bool letterScheme);

// The same said after a set was joined without asking (missing pieces are
// combined by the setting).
QString beyondLimitNotice(const QString& base, qint64 number, qint32 highPart);

// "clip.mpg was written with 5000 bytes, but its info file records 3000 ...".
QString sizeMismatchMessage(const QString& outputName, quint64 recorded, qint64 written);

// The status line for a set skipped because pieces are missing and the
// setting says to skip such sets.
QString missingSkipText(const QString& base, qint64 missing, const QString& list);

}  // namespace tsl
