// The frame every job runs in: the run-time error question and what its answers mean, and the cancel request.
//
// Split, Combine and Append each hold one RunFrame for the whole command and
// let their outcome carry a JobEnd, so a front end reads the end of any job
// the same way.
#pragma once

#include "core/host.h"
#include "core/run_error.h"

#include <QString>
#include <QStringList>

namespace tsl {

// What a job does after a step.
enum class Flow {
    Go,         // carry on
    Skip,       // pass over what failed or was declined (a piece, a file, a set); go on
    Failed,     // the file or set could not be done; go on with the next one
    Stop,       // end the job here (an answer, the cancel request); later files untouched
    Terminate,  // a run-time error answered No: close everything, the program ends
};

// How a job ended, common to every outcome.
struct JobEnd {
    bool errorFlag = false;   // a run-time error was answered Yes
    bool terminated = false;  // a run-time error was answered No: end the program
    bool cancelled = false;   // the cancel request stopped the job
    // What was taken back because the job stopped in the middle of a file,
    // one line each: "removed /x/f.001", "truncated /x/t back to 9 bytes".
    QStringList undone;
    // The folder field as the user left it (trimmed), for the front end to
    // remember for the next run; null when there is nothing to remember.
    QString folderToRecord;
};

class RunFrame {
public:
    RunFrame(Host& host, QString procedure, JobEnd& end);
    RunFrame(const RunFrame&) = delete;
    RunFrame& operator=(const RunFrame&) = delete;

    Host& host() const { return host_; }

    // Asks the run-time error question about error. Yes sets the error flag
    // and gives onYes; No marks the job terminated and gives Terminate.
    [[nodiscard]] Flow error(const RunError& error, Flow onYes);

    // Whether the job is to stop here because the cancel request came; marks
    // the job cancelled. Engines ask between chunks, pieces and files.
    [[nodiscard]] bool cancelRequested();

    // Records something that was taken back.
    void undid(const QString& what) { end_.undone << what; }

private:
    Host& host_;
    QString procedure_;
    JobEnd& end_;
};

}  // namespace tsl
