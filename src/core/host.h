// The narrow interface through which an engine talks to whoever drives it.
//
// Engines never see a widget or a terminal: the main window, tsl-cli and the
// test suite each implement Host. Questions answer with enumerations, never a
// bare bool, so a test reads as the conversation the user would have.
#pragma once

#include "core/run_error.h"

#include <QString>
#include <atomic>
#include <optional>

namespace tsl {

enum class Panel { Combine = 0, Split = 1, Append = 2 };

// The two progress lines of a panel: the current piece and the whole job.
enum class Line { Part, Total };

enum class Buttons { Ok, OkCancel, YesNo, AbortRetryIgnore };
enum class Icon { None, Information, Question, Exclamation, Critical };
enum class Answer { Ok, Cancel, Yes, No, Abort, Retry, Ignore };

// What a message box asks, so a front end can answer a question by what it is
// about (an option of tsl-cli, a test) and never by comparing its text.
enum class Ask {
    Notice,           // a plain message, OK only
    RuntimeError,     // "Do you want the program to try to continue?"
    OverwriteParts,   // Split: pieces of the file exist already
    OverwriteOutput,  // Combine: the output file exists already
    ReadOnlyOutput,   // Combine: the existing output file is read-only
    MissingPiece,     // Combine: a piece is missing, go on with the next one?
    DamagedInfo,      // Combine: the info file is damaged (abort, retry, ignore)
    ReadOnlyTarget,   // Append: the target is read-only
    TargetInUse,      // Append: the target cannot be written now
    CreateDirectory,  // Settings: an initial directory is missing, create it?
};

// What an input box asks for.
enum class Prompt {
    PieceSize,   // Combine: the piece size of a set without one
    OutputName,  // Combine: a new name for the output file
};

enum class ReportMode { Missing, Extra, Corrupt };
enum class ReportAnswer { Combine, Exclude, Skip, Cancel };

// One parts report of a Combine run: what the report dialog needs to show it,
// to decide whether Skip is offered, and to save its list.
struct PartsReport {
    ReportMode mode = ReportMode::Missing;
    int set = 1;       // position of the set in the run, 1-based
    int setCount = 1;  // number of sets in the run
    QString base;      // the set's name, e.g. clip.mpg
    QString outDir;    // output directory, ending in "/"
    QString message;   // the text shown, list between the first two blank lines
};

// The word for an answer as its button shows it ("Yes", "Cancel", ...).
QString answerWord(Answer answer);

class Host {
public:
    Host() = default;
    // A copy is a new conversation: it starts without a cancel request.
    Host(const Host&) {}
    Host& operator=(const Host&) { return *this; }
    virtual ~Host() = default;

    // The status bar's "Text" panel.
    virtual void status(const QString& text) = 0;

    // One progress line: its caption and its bar (minimum 0). A null caption
    // leaves the label as it is.
    virtual void progress(Panel panel, Line line, const QString& caption, double value,
                          double maximum) = 0;

    // A modal message box. Buttons::Ok boxes are plain messages.
    virtual Answer ask(Ask kind, const QString& text, Buttons buttons, Icon icon,
                       Answer defaultAnswer) = 0;

    // The run-time error question about error in procedure (e.g.
    // "frmMain.cmdSplit"): Yes continues, No ends the program. The default
    // asks runtimeErrorText() as an Ask::RuntimeError Yes/No box with the
    // critical icon and No as the default; a front end that can say more
    // (tsl-cli prints runErrorLine()) overrides it.
    virtual Answer askRuntimeError(const RunError& error, const QString& procedure);

    // An input box; std::nullopt when it was cancelled.
    virtual std::optional<QString> input(Prompt kind, const QString& prompt,
                                         const QString& defaultText) = 0;

    // The parts report dialog of Combine.
    virtual ReportAnswer report(const PartsReport& report) = 0;

    // The cancel request of the running job. Any thread (a Cancel button, a
    // signal handler) may set it; engines check it between chunks, pieces and
    // files. Lock-free, so a signal handler may store to it.
    std::atomic<bool>& cancelFlag() { return cancel_; }
    bool cancelRequested() const { return cancel_.load(std::memory_order_relaxed); }

private:
    std::atomic<bool> cancel_{false};
};

}  // namespace tsl
