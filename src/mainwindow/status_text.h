// The one-line summaries the window shows in its status panel for a chosen
// selection, and the quoted list shown in a file field. Sizes carry the
// locale's thousands separator; counts and the part size are plain numbers.
#pragma once

#include "settings/settings.h"

#include <QLocale>
#include <QString>
#include <QStringList>

namespace tsl {

// n with the locale's thousands separator, no leading zeros; 0 gives "".
QString thousands(quint64 n, const QLocale& locale = QLocale());

// "12 pieces -- 1,457,664 bytes each -- 17,000,000 bytes total"; the
// "bytes each -- " part only when the first piece's length is known (>= 0).
QString combineSummary(quint64 pieceCount, qint64 firstPieceLength, quint64 totalSize,
                       const QLocale& locale = QLocale());

// "3 pieces -- 512000 bytes each" ("1 piece -- ..." for one; so in all three).
QString splitSummary(qint64 pieces, double splitSize);

// "3 pieces, 512000 bytes each." (after the options dialog).
QString splitOptionsSummary(qint64 pieces, double splitSize);

// The Split panel's line on how every file is cut: "Each file is cut into
// pieces of 512,000 bytes." or, for a number of pieces, "Each file is cut into
// 7 pieces of its own size: ...", saying that the last may be smaller and a
// very small file gives fewer.
QString splitByText(const Settings& settings, const QLocale& locale = QLocale());

// The status when the file chosen for Split is gone: "movie.mpg -- file not found".
QString splitFileGoneText(const QString& name);

// "2 files selected."
QString filesSelected(qsizetype count);

// Every name in double quotes followed by one blank, the whole trimmed.
QString quotedList(const QStringList& names);

// "movie.mpg -- 1048576 bytes".
QString appendFileSummary(const QString& name, qint64 length);

// The Append panel's "Save in" label.
QString saveInText(const QString& dir);

}  // namespace tsl
