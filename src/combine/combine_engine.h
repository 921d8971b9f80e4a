// The Combine command: for every chosen set (an info file or a piece) it
// finds the pieces, checks them, asks about missing, extra and wrong-size
// pieces through the host's parts report, joins the pieces into the whole
// file, gives it back its time stamps and attributes, deletes the pieces when
// asked to and repairs a lost media extension.
#pragma once

#include "core/run_frame.h"
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

// An output is written under a temporary name in the output directory and
// renamed over its final name only when complete, with its times and
// attributes set: a failed, cancelled or killed run leaves no partial file
// under the final name, and an existing file the user chose to replace stays
// intact until then.
struct CombineOutcome : JobEnd {
    int sets = 0;       // distinct sets named (an entry of a set named before is dropped)
    int combined = 0;   // sets joined into their output file
    int skipped = 0;    // sets passed over by a setting, an answer or a damaged info file
    int failed = 0;     // sets whose output could not be written completely
    int untouched = 0;  // sets left alone by a Cancel (report or request), the current one included
    int incomplete = 0;     // sets joined but not whole: a piece vanished during the copy, a piece
                            // lies past the search limit, or the size differs from the info file's
    bool noDelete = false;  // deleting pieces was switched off by an error
    QStringList outputs;    // the files written, full paths, in order
    QString CombineDir;     // the trimmed directory text, for the front end to record

    bool allCombined() const
    {
        return combined == sets && incomplete == 0 && !errorFlag && !terminated && !cancelled;
    }
};

// Runs the Combine command over request.CombFiles. Every file it opens is
// closed when it returns, also when terminated.
CombineOutcome runCombine(CombineRequest request, Settings settings, Host& host);

}  // namespace tsl
