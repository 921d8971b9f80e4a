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
    case 5: return FileText::tr("Invalid procedure call or argument");
    case 6: return FileText::tr("Overflow");
    case 7: return FileText::tr("Out of memory");
    case err::BadFileName: return FileText::tr("Bad file name or number");
    case err::FileNotFound: return FileText::tr("File not found");
    case 55: return FileText::tr("File already open");
    case err::DeviceIo: return FileText::tr("Device I/O error");
    case err::FileAlreadyExists: return FileText::tr("File already exists");
    case err::DiskFull: return FileText::tr("Disk full");
    case err::InputPastEnd: return FileText::tr("Input past end of file");
    case 67: return FileText::tr("Too many files");
    case err::DeviceUnavailable: return FileText::tr("Device unavailable");
    case err::PermissionDenied: return FileText::tr("Permission denied");
    case err::DiskNotReady: return FileText::tr("Disk not ready");
    case err::PathFileAccess: return FileText::tr("Path/File access error");
    case err::PathNotFound: return FileText::tr("Path not found");
    case err::InvalidProperty: return FileText::tr("Invalid property value");
    default: return FileText::tr("Application-defined or object-defined error");
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
    case FileOp::None: return FileText::tr("use", "cannot ...");
    case FileOp::Open: return FileText::tr("open", "cannot ...");
    case FileOp::Create: return FileText::tr("create", "cannot ...");
    case FileOp::Read: return FileText::tr("read", "cannot ...");
    case FileOp::Write: return FileText::tr("write", "cannot ...");
    case FileOp::Flush: return FileText::tr("flush", "cannot ...");
    case FileOp::Close: return FileText::tr("close", "cannot ...");
    case FileOp::Delete: return FileText::tr("delete", "cannot ...");
    case FileOp::Rename: return FileText::tr("rename", "cannot ...");
    case FileOp::Truncate: return FileText::tr("truncate", "cannot ...");
    }
    return {};
}

QString runErrorLine(const RunError& error)
{
    const QString reason =
        FileText::tr("%1 (run-time error %2)").arg(error.description).arg(error.number);
    if (error.path.isEmpty())
        return reason;
    //: %1 is a verb such as "open", %2 the file, %3 the reason
    return FileText::tr("cannot %1 %2: %3").arg(operationVerb(error.operation), error.path, reason);
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
    return FileText::tr("Runtime Error: %1").arg(error.number) + CrLf
        + FileText::tr("Procedure: %1.Shit").arg(procedure) + CrLf2 + error.description
        + (error.path.isEmpty() ? QString() : CrLf + error.path) + CrLf2
        + FileText::tr("Do you want the program to try to continue?") + CrLf
        + FileText::tr("(Click NO to close the program.)");
}

bool askToContinue(Host& host, const RunError& error, const QString& procedure)
{
    return host.askRuntimeError(error, procedure) == Answer::Yes;
}

}  // namespace tsl
