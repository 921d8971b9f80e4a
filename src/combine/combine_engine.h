// The Combine command: for every chosen set (an info file or a piece) it
// finds the pieces, checks them, asks about missing, extra and wrong-size
// pieces through the host's parts report, joins the pieces into the whole
// file, gives it back its time stamps and attributes, deletes the pieces when
// asked to and repairs a lost media extension.
#pragma once

#include "settings/settings.h"

#include <QString>
#include <QStringList>

namespace tsl {

class Host;

struct CombineRequest {
    QStringList CombFiles;  // the chosen entries, names without directory
    QString CombSrcDir;     // their directory (and the pieces'), ending in "/"
    QString outDirText;     // the output directory field as typed (txtDir(0))
};

struct CombineOutcome {
    int sets = 0;       // distinct sets named (an entry of a set named before is dropped)
    int combined = 0;   // sets joined into their output file
    int skipped = 0;    // sets passed over by a setting, an answer or a damaged info file
    int failed = 0;     // sets whose output could not be written completely
    int cancelled = 0;  // sets left untouched by a Cancel, the one reported included
    int incomplete = 0; // sets joined but not whole: a piece vanished during the copy, a piece
                        // lies past the search limit, or the size differs from the info file's
    bool errorFlag = false;   // a run-time error was answered Yes
    bool noDelete = false;    // deleting pieces was switched off by an error
    bool terminated = false;  // a run-time error was answered No: end the program
    QStringList outputs;      // the files written, full paths, in order
    QString CombineDir;       // the trimmed directory text, for the front end to record

    bool allCombined() const
    {
        return combined == sets && incomplete == 0 && !errorFlag && !terminated;
    }
};

// Runs the Combine command over request.CombFiles. Every file it opens is
// closed when it returns, also when terminated.
CombineOutcome runCombine(CombineRequest request, Settings settings, Host& host);

}  // namespace tsl
