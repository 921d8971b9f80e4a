// Failures as values: the numbered run-time errors the user is asked about.
//
// The file layer turns an OS error into a RunError with the classic number
// and text, the file it is about and what was being done to it. An engine
// that meets one asks "Do you want the program to try to continue?" through
// the host (see RunFrame); "No" makes the engine close its files and return
// with its outcome marked terminated, and the front end then ends the program
// through its one exit path.
#pragma once

#include <QString>

namespace tsl {

class Host;

// What was being done to a file when it failed.
enum class FileOp { None, Open, Create, Read, Write, Flush, Close, Delete, Rename, Truncate };

// Ignoring one would lose a failure without a word: every caller decides.
struct [[nodiscard]] RunError {
    int number = 0;  // 0: no error
    QString description;
    QString path;                     // the file or folder it is about; empty when none
    FileOp operation = FileOp::None;  // what was being done to it

    bool failed() const { return number != 0; }
    static RunError none() { return {}; }
    static RunError of(int number);  // with the classic description
    static RunError of(int number, const QString& path, FileOp operation);
};

// The verb of an operation as a message names it: "create", "read", ...
QString operationVerb(FileOp operation);

// One line for a log or a terminal: "cannot create /x/f.001: Path not found
// (run-time error 76)"; without a path "Path not found (run-time error 76)".
QString runErrorLine(const RunError& error);

namespace err {
constexpr int BadFileName = 52;
constexpr int FileNotFound = 53;
constexpr int DeviceIo = 57;
constexpr int FileAlreadyExists = 58;
constexpr int DiskFull = 61;
constexpr int InputPastEnd = 62;
constexpr int DeviceUnavailable = 68;
constexpr int PermissionDenied = 70;
constexpr int DiskNotReady = 71;
constexpr int PathFileAccess = 75;
constexpr int PathNotFound = 76;
constexpr int InvalidProperty = 380;
}  // namespace err

// The classic description of a run-time error number.
QString runErrorDescription(int number);

// Maps an errno value to a run-time error about path. An ENOENT whose
// directory is missing is "Path not found", else "File not found".
RunError runErrorFromErrno(int errnoValue, const QString& path = QString(),
                           FileOp operation = FileOp::None);

// The text of the run-time error question, e.g. for "frmMain.cmdSplit": the
// classic lines, with the path the error is about on a line of its own after
// the description.
QString runtimeErrorText(const RunError& error, const QString& procedure);

// Asks the run-time error question through host.askRuntimeError(); true when
// the user chose to continue.
bool askToContinue(Host& host, const RunError& error, const QString& procedure);

}  // namespace tsl
