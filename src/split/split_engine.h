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
    QString srcDir;         // SplitSrcDir, the files' directory, ending in "/"
    QString outDirText;     // txtDir(1): the output directory as typed
    qint64 rangeStart = 0;  // first piece of an extract range, 0 for none
    qint64 rangeEnd = 0;    // last piece of an extract range, 0 for none
};

// A cancelled run removes the pieces it wrote for the file it was on (an
// incomplete set without an info file); files split before stay split.
struct SplitOutcome : JobEnd {
    int split = 0;              // files whose pieces (or range) were all written
    int skipped = 0;            // files passed over: missing, too small, too large, declined
    bool rangeRefused = false;  // the range ended before it started: nothing done
    QString outDir;             // SplitOutDir, ending in "/"
    QString SplitDir;           // the trimmed directory text, for the front end to record
};

// Runs the Split command on its own copy of the request and the settings.
SplitOutcome runSplit(SplitRequest request, Settings settings, Host& host);

}  // namespace tsl
