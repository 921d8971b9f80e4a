// The Split command: cuts each selected file into numbered pieces, writes the
// info file and the rebuild batch file, and deletes (wipes) the source when
// asked to, talking to the user only through the Host.
#pragma once

#include "core/run_frame.h"
#include "settings/settings.h"

#include <QString>
#include <QStringList>

namespace tsl {

class Host;

struct SplitRequest {
    QStringList files;      // SplitFiles: bare names, in list order
    QString sourceDir;      // SplitSrcDir, the files' folder, ending in "/"
    QString outputDirText;  // txtDir(1): the output folder as typed, to be remembered
    qint64 rangeStart = 0;  // first piece of an extract range, 0 for none
    qint64 rangeEnd = 0;    // last piece of an extract range, 0 for none
};

// Each file is one transaction: its pieces, info file and batch file are
// written under temporary names, checked and renamed into place together, and
// only then is anything deleted. A file that fails or is cancelled leaves the
// disk as it was before it; files split before stay split.
struct SplitOutcome : JobEnd {
    int split = 0;              // files whose pieces (or range) were all written and committed
    int skipped = 0;            // files passed over: missing, too small, too large, declined
    int failed = 0;             // files refused by the check or that failed: nothing written
    bool rangeRefused = false;  // the range ended before it started: nothing done
    bool refused = false;       // the run was refused as a whole before the first byte
    QStringList removed;        // files deleted: sources, an earlier set's left-overs
    QStringList sourcesKept;    // sources SplitDelete would delete that were kept, and why not
    QString outDir;             // SplitOutDir, ending in "/"
};

// Runs the Split command on its own copy of the request and the settings.
SplitOutcome runSplit(SplitRequest request, Settings settings, Host& host);

}  // namespace tsl
