// The Append command: concatenates files, in the order given, onto the end of
// a target file that is created when missing and whose bytes are kept in
// front when it exists, then optionally deletes the appended sources.
//
// The engine works from its own copy of the list taken when it starts, copies
// one chunk of at most ChunkSize bytes at a time, and talks to the user only
// through the Host: the read-only and in-use conversations about the target,
// the refusal of a list that holds the target itself, and the run-time error
// question. Sources are deleted only when nothing at all was reported.
#pragma once

#include "core/host.h"
#include "settings/settings.h"

#include <QString>
#include <QStringList>

namespace tsl {

struct AppendRequest {
    QString AppendSrcDir;  // directory of the entries, ending in "/"
    // The files to append, in this order: names in AppendSrcDir, or absolute
    // paths (tsl-cli appends files from several directories).
    QStringList entries;
    QString AppendOutDir;  // the target's directory, ending in "/"
    QString AppendFile;    // the target's name
    QString dirText;       // the append page's directory text, for AppendPartDir
};

struct AppendOutcome {
    int appended = 0;         // sources appended whole
    int skipped = 0;          // entries passed over because no file matched them
    int failed = 0;           // sources not appended whole because of a reported error
    int deleted = 0;          // sources deleted afterwards
    int runtimeErrors = 0;    // run-time error questions asked
    QStringList passedOver;   // the entries counted in skipped, in list order
    qint64 bytesAppended = 0; // bytes added to the target
    int chunkCopies = 0;      // chunk copies made (each one read and one write at most)
    qint64 largestChunk = 0;  // bytes of the largest chunk copy
    bool error = false;       // something was reported: no source was deleted
    bool refused = false;     // the target is in its own list: nothing was written
    bool stopped = false;     // ended early: No, Cancel, or the target could not be opened
    bool terminated = false;  // a run-time error answered No: the program is to end
    bool sourcesKept = false; // AppendDelete was on, but the error flag kept the sources
    QString AppendPartDir;    // the trimmed directory text, for the front end to record

    // Every entry appended whole, deleted when asked, no run-time error.
    bool complete(int entryCount) const
    {
        return appended == entryCount && runtimeErrors == 0 && !refused && !stopped
            && !terminated && !sourcesKept;
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

}  // namespace tsl
