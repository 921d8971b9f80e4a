#include "core/run_error.h"
#include "core/file_system.h"

#include "core/host.h"
#include "core/texts.h"

#include <QFileInfo>
#include <cerrno>

namespace tsl {

QString runErrorDescription(int number)
{
    switch (number) {
    case 5: return QStringLiteral("Invalid procedure call or argument");
    case 6: return QStringLiteral("Overflow");
    case 7: return QStringLiteral("Out of memory");
    case err::BadFileName: return QStringLiteral("Bad file name or number");
    case err::FileNotFound: return QStringLiteral("File not found");
    case 55: return QStringLiteral("File already open");
    case err::DeviceIo: return QStringLiteral("Device I/O error");
    case err::FileAlreadyExists: return QStringLiteral("File already exists");
    case err::DiskFull: return QStringLiteral("Disk full");
    case err::InputPastEnd: return QStringLiteral("Input past end of file");
    case 67: return QStringLiteral("Too many files");
    case err::DeviceUnavailable: return QStringLiteral("Device unavailable");
    case err::PermissionDenied: return QStringLiteral("Permission denied");
    case err::DiskNotReady: return QStringLiteral("Disk not ready");
    case err::PathFileAccess: return QStringLiteral("Path/File access error");
    case err::PathNotFound: return QStringLiteral("Path not found");
    case err::InvalidProperty: return QStringLiteral("Invalid property value");
    default: return QStringLiteral("Application-defined or object-defined error");
    }
}

RunError RunError::of(int number)
{
    return RunError{number, runErrorDescription(number), QString(), FileOp::None};
}

RunError RunError::of(int number, const QString& path, FileOp operation)
{
    return RunError{number, runErrorDescription(number), path, operation};
}

QString operationVerb(FileOp operation)
{
    switch (operation) {
    case FileOp::None: return QStringLiteral("use");
    case FileOp::Open: return QStringLiteral("open");
    case FileOp::Create: return QStringLiteral("create");
    case FileOp::Read: return QStringLiteral("read");
    case FileOp::Write: return QStringLiteral("write");
    case FileOp::Flush: return QStringLiteral("flush");
    case FileOp::Close: return QStringLiteral("close");
    case FileOp::Delete: return QStringLiteral("delete");
    case FileOp::Rename: return QStringLiteral("rename");
    case FileOp::Truncate: return QStringLiteral("truncate");
    }
    return {};
}

QString runErrorLine(const RunError& error)
{
    const QString reason = error.description + QStringLiteral(" (run-time error ")
        + QString::number(error.number) + QLatin1Char(')');
    if (error.path.isEmpty())
        return reason;
    return QStringLiteral("cannot ") + operationVerb(error.operation) + QLatin1Char(' ')
        + error.path + QStringLiteral(": ") + reason;
}

namespace {

RunError errnoError(int e, const QString& path)
{
    switch (e) {
    case 0: return RunError::none();
    case ENOENT: {
        const QString dir = QFileInfo(path).absolutePath();
        if (!path.isEmpty() && !pathFacts(dir).isDir)
            return RunError::of(err::PathNotFound);
        return RunError::of(err::FileNotFound);
    }
    case ENOTDIR: return RunError::of(err::PathNotFound);
    case ENOSPC:
    case EDQUOT:
    case EFBIG: return RunError::of(err::DiskFull);
    case EACCES:
    case EROFS:
    case ETXTBSY:
    case EISDIR: return RunError::of(err::PathFileAccess);
    case EPERM: return RunError::of(err::PermissionDenied);
    case EIO: return RunError::of(err::DeviceIo);
    case ENXIO:
    case ENODEV:
    case ENOMEDIUM: return RunError::of(err::DeviceUnavailable);
    case ENAMETOOLONG:
    case EINVAL:
    case EBADF: return RunError::of(err::BadFileName);
    case EMFILE:
    case ENFILE: return RunError::of(67);
    case ENOMEM: return RunError::of(7);
    default: return RunError::of(err::DeviceIo);
    }
}

}  // namespace

RunError runErrorFromErrno(int e, const QString& path, FileOp operation)
{
    RunError error = errnoError(e, path);
    if (error.failed()) {
        error.path = path;
        error.operation = operation;
    }
    return error;
}

QString runtimeErrorText(const RunError& error, const QString& procedure)
{
    return QStringLiteral("Runtime Error: ") + QString::number(error.number) + CrLf
        + QStringLiteral("Procedure: ") + procedure + QStringLiteral(".Shit") + CrLf2
        + error.description + (error.path.isEmpty() ? QString() : CrLf + error.path) + CrLf2
        + QStringLiteral("Do you want the program to try to continue?") + CrLf
        + QStringLiteral("(Click NO to close the program.)");
}

bool askToContinue(Host& host, const RunError& error, const QString& procedure)
{
    return host.askRuntimeError(error, procedure) == Answer::Yes;
}

}  // namespace tsl
