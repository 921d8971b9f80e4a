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
    QStringList files;      // the chosen entries, names without directory
    QString sourceDir;      // their folder (and the pieces'), ending in "/"
    QString outputDirText;  // the output folder field as typed (txtDir(0)), to be remembered
};

// Each set is one transaction: its output is written under a temporary name
// in the output directory, verified (its size against the pieces and the
// info file, the pieces unchanged), given its times and permission bits and
// renamed over its final name; only then are the pieces deleted. A failed,
// cancelled or killed set leaves no partial file under the final name, and an
// existing file the user chose to replace stays intact until then.
struct CombineOutcome : JobEnd {
    int sets = 0;       // distinct sets named (an entry of a set named before is dropped)
    int combined = 0;   // sets joined into their output file
    int skipped = 0;    // sets passed over by a setting, an answer or a damaged info file
    int failed = 0;     // sets whose output could not be written completely
    int untouched = 0;  // sets left alone by a Cancel (report or request), the current one included
    int incomplete = 0;     // sets written but not whole (a gap, a piece past the search limit,
                            // pieces left out as the user chose): counted failed, files kept
    bool noDelete = false;  // deleting pieces was switched off by an error
    int piecesKept = 0;     // sets whose pieces CombineDelete would delete that were kept
    QStringList outputs;    // the files written, full paths, in order
    QStringList removed;    // pieces, info and batch files deleted after their set was written

    bool allCombined() const
    {
        return combined == sets && incomplete == 0 && piecesKept == 0 && !errorFlag && !terminated
            && !cancelled;
    }
};

// Runs the Combine command over request.files. Every file it opens is
// closed when it returns, also when terminated.
CombineOutcome runCombine(CombineRequest request, Settings settings, Host& host);

}  // namespace tsl
