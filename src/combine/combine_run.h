// The working state of one Combine command and of the set it is on, shared by
// the steps of the command (checking, choosing the output, copying, finishing).
#pragma once

#include "combine/combine_engine.h"
#include "combine/part_table.h"
#include "combine/piece_search.h"
#include "core/file_handle.h"
#include "core/run_error.h"
#include "core/run_frame.h"
#include "pieces/info_file.h"
#include "pieces/set_digests.h"

#include <QString>
#include <QStringList>

namespace tsl {

class Host;

// After a step: Go carries on with the set, Skip and Failed go on with the
// next set (a failed set keeps its pieces), Stop leaves the command with the
// later sets untouched, Terminate closes everything and returns.
struct CombineRun {
    const CombineRequest& request;
    const Settings& settings;
    Host& host;
    RunFrame& frame;
    QString outDir;  // ending in "/"
    int setCount = 0;
    CombineOutcome& outcome;
};

// The output of a set as chosen before it is written.
struct OutputFile {
    QString name;           // the final name: the set's base or the name the user gave
    bool replace = false;   // the user agreed to replace the file of that name
    bool readOnly = false;  // and, that file being read-only, to replace it anyway
};

struct PieceSet {
    int k = 1;  // position in the run, 1-based
    QString entry;
    bool infoFlag = false;  // the entry is an info file
    qint16 readResult = info::Read;
    InfoRecord info;
    SetNames names;
    qint64 expected = 0;  // expected piece count
    bool letterScheme = false;
    PartTable table;
    qint64 missing = 0;
    qint64 extra = 0;
    int flags = 0;           // the decision word
    qint64 beyondLimit = 0;  // a piece found past the highest number searched, else 0
    QString sumsPath;        // the set's checksum file when it has one that concerns it
    SetDigests digests;      // its lines about this set
    bool sumsAlone = false;  // it holds nothing but lines about this set

    // Whether the set's values came from its info file.
    bool readThroughInfo() const { return infoFlag && readResult == info::Read; }
};

// The run-time error question of the command (RunFrame::error), after
// switching deleting off for the rest of the run.
Flow runtimeError(CombineRun& run, const RunError& error, Flow onYes);

// Reads, searches and checks a set and asks its reports. Go means the set is
// to be combined: pieces 1..*count, flags in set.flags.
Flow checkSet(CombineRun& run, PieceSet& set, qint64* count);

// Writes the output of a checked set as one transaction and deletes its
// pieces when asked to. Go only for a set joined whole; a set joined with a
// gap (as the user chose) is written but counts Failed and keeps its files.
Flow writeSet(CombineRun& run, PieceSet& set, qint64 count);

// The whole-job line after set k, done or not: it counts only what was done.
void showSetTotal(CombineRun& run, int k);

// "2 of 3 file sets combined", for the whole-job line.
QString setsCombined(qint64 done, qint64 sets);

// Reads the set's checksum file, when it has one, and checks each present
// piece that has a line in it, marking those that differ as damaged. Stop
// on a cancel request.
Flow checkDigests(CombineRun& run, PieceSet& set);

// Whether piece i is left out of the copy: absent, or of the wrong size and excluded.
bool leftOut(const PieceSet& set, qint64 i);

// Chooses the output's name, asking before it replaces a file. A set with
// nothing to copy never replaces a file that is there: it is skipped.
Flow chooseOutput(CombineRun& run, const PieceSet& set, qint64 count, OutputFile& out);

// Appends pieces 1..count to out, recording in combinedNames[i - 1] the name
// of each piece copied (empty for the others). Stop on a cancel request.
Flow copyPieces(CombineRun& run, const PieceSet& set, qint64 count, FileHandle& out,
                QStringList* combinedNames);

}  // namespace tsl
