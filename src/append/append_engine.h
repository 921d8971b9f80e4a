// The Append command: concatenates files, in the order given, onto the end of
// a target file that is created when missing and whose bytes are kept in
// front when it exists, then optionally deletes the appended sources.
//
// The engine works from its own copy of the list taken when it starts, copies
// one chunk of at most ChunkSize bytes at a time, and talks to the user only
// through the Host: the read-only and in-use conversations about the target,
// the refusal of a list that holds the target itself or an entry that cannot
// be read, and the run-time error question. Sources are deleted only when
// nothing at all was reported.
//
// A run appends every source or none: each entry is checked before the first
// byte; a new target is written under a temporary name and renamed when
// complete; after a failure or a cancel an existing target is cut back to
// its length before the run, a new one removed. A target that is a symbolic
// link is refused, so nothing is written through it.
#pragma once

#include "core/host.h"
#include "core/run_frame.h"
#include "settings/settings.h"

#include <QString>
#include <QStringList>

namespace tsl {

struct AppendRequest {
    // The files to append, in this order: names in sourceDir, or absolute
    // paths (tsl-cli appends files from several directories).
    QStringList files;
    QString sourceDir;      // the folder of the files, ending in "/"
    QString outputDir;      // the target's folder, ending in "/"
    QString targetName;     // the target's name
    QString sourceDirText;  // the source folder field as typed, to be remembered
};

struct AppendOutcome : JobEnd {
    int appended = 0;          // sources appended whole (0 again when the run was taken back)
    int failed = 0;            // sources not appended whole because of a reported error
    int deleted = 0;           // sources deleted afterwards
    QStringList badEntries;    // entries refused by the check before the run, with the reason
    qint64 bytesAppended = 0;  // bytes the target grew by
    bool error = false;        // something was reported: no source was deleted
    bool refused = false;      // the list or the target was refused: nothing was written
    bool stopped = false;      // ended early: No, Cancel, the cancel request, or no target
    bool sourcesKept = false;  // AppendDelete was on, but the error flag kept the sources

    // Every entry appended whole, deleted when asked, no run-time error.
    bool complete(int entryCount) const
    {
        return appended == entryCount && !errorFlag && !refused && !stopped && !terminated
            && !cancelled && !sourcesKept;
    }
};

// The procedure named in this command's run-time error question.
inline const QString AppendProcedure = QStringLiteral("frmMain.cmdAppend");

// Runs the Append command on its own copy of the request and the settings;
// reads ChunkSize, AppendDelete and WipeOnDel.
AppendOutcome runAppend(AppendRequest request, Settings settings, Host& host);

// The progress caption after entry i of n.
QString appendProgressCaption(int i, int n, const QString& appendFile);

// The message that refuses a list naming the target itself.
QString appendSelfText(const QString& appendFile, const QString& entry);

// The message that refuses a list with entries that cannot be appended;
// badEntries holds one "entry: reason" line each.
QString appendBadEntriesText(const QString& appendFile, const QStringList& badEntries);

}  // namespace tsl
