// The Split command: cuts each selected file into numbered pieces, writes the
// info file and the rebuild batch file, and deletes (wipes) the source when
// asked to, talking to the user only through the Host.
#pragma once

#include "settings/settings.h"

#include <QString>
#include <QStringList>

namespace tsl {

class Host;

struct SplitRequest {
    QStringList files;   // SplitFiles: bare names, in list order
    QString srcDir;      // SplitSrcDir, the files' directory, ending in "/"
    QString outDirText;  // txtDir(1): the output directory as typed
    QString startText;   // txtStart: first piece of an extract range, "" or 0 for none
    QString endText;     // txtEnd: last piece of an extract range
};

struct SplitOutcome {
    int split = 0;             // files whose pieces (or range) were all written
    int skipped = 0;           // files passed over: missing, too small, too large, declined
    bool rangeRefused = false; // the range ended before it started: nothing done
    bool errorFlag = false;    // a run-time error was answered Yes
    bool terminated = false;   // a run-time error was answered No: end the program
    QString outDir;            // SplitOutDir, ending in "/"
};

// Runs the Split command. writer records the output directory as SplitDir
// (nothing is recorded when it is null).
SplitOutcome cmdSplit(const SplitRequest& request, const Settings& settings, Host& host,
                      SettingWriter* writer);

}  // namespace tsl
