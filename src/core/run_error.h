// Failures as values: the numbered run-time errors the user is asked about.
//
// The file layer turns an OS error into a RunError with the classic number
// and text. An engine that meets one asks "Do you want the program to try to
// continue?" through askToContinue(); "No" makes the engine close its files
// and return with its outcome marked terminated, and the front end then ends
// the program through its one exit path.
#pragma once

#include <QString>

namespace tsl {

class Host;

struct RunError {
    int number = 0;  // 0: no error
    QString description;

    bool failed() const { return number != 0; }
    static RunError none() { return {}; }
    static RunError of(int number);  // with the classic description
};

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

// Maps an errno value to a run-time error. `path` is the file concerned: an
// ENOENT whose directory is missing is "Path not found", else "File not found".
RunError runErrorFromErrno(int errnoValue, const QString& path = QString());

// The text of the run-time error question, e.g. for "frmMain.cmdSplit".
QString runtimeErrorText(const RunError& error, const QString& procedure);

// Asks the run-time error question; true when the user chose to continue.
bool askToContinue(Host& host, const RunError& error, const QString& procedure);

}  // namespace tsl
