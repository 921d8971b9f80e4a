#include "append/append_target.h"

#include "core/file_facts.h"
#include "core/texts.h"

#include <QDir>
#include <QFile>
#include <QFileInfo>
#include <cerrno>
#include <sys/stat.h>
#include <unistd.h>

namespace tsl {

namespace {

QString readOnlyText(const QString& name)
{
    return name + QStringLiteral(" is a read-only file.") + CrLf
        + QStringLiteral("Do you want to add the selected files to it anyway?");
}

QString inUseText(const QString& name)
{
    return name + QStringLiteral(" is in use by another program.") + CrLf
        + QStringLiteral("To add the specified parts to the file, first close") + CrLf
        + QStringLiteral("it in whatever program is using it, and then click OK.");
}

// Where path leads: links followed (also dangling ones, to the file they
// would create), "." and ".." resolved.
QString resolvedLocation(const QString& path, int depth = 0)
{
    const QFileInfo info(path);
    if (info.exists())
        return info.canonicalFilePath();
    if (info.isSymLink() && depth < 40)
        return resolvedLocation(info.symLinkTarget(), depth + 1);
    const QString dir = QFileInfo(info.absolutePath()).canonicalFilePath();
    if (dir.isEmpty())
        return QDir::cleanPath(info.absoluteFilePath());
    return QDir(dir).filePath(info.fileName());
}

}  // namespace

bool sameFile(const QString& a, const QString& b)
{
    struct stat sa {}, sb {};
    const bool hasA = ::stat(QFile::encodeName(a).constData(), &sa) == 0;
    const bool hasB = ::stat(QFile::encodeName(b).constData(), &sb) == 0;
    if (hasA && hasB)
        return sa.st_dev == sb.st_dev && sa.st_ino == sb.st_ino;
    if (hasA || hasB)
        return false;
    return resolvedLocation(a) == resolvedLocation(b);
}

bool sameOpenFile(const FileHandle& a, const FileHandle& b)
{
    struct stat sa {}, sb {};
    if (::fstat(a.fd(), &sa) != 0 || ::fstat(b.fd(), &sb) != 0)
        return false;
    return sa.st_dev == sb.st_dev && sa.st_ino == sb.st_ino;
}

bool appendRuntimeError(Host& host, AppendOutcome& outcome, const RunError& error)
{
    outcome.error = true;
    ++outcome.runtimeErrors;
    return askToContinue(host, error, AppendProcedure);
}

AppendTarget::AppendTarget(QString path, QString name, Host& host, AppendOutcome& outcome)
    : path_(std::move(path)), name_(std::move(name)), host_(host), outcome_(outcome)
{
}

AppendFlow AppendTarget::open()
{
    for (;;) {
        RunError e = file_.open(path_, FileHandle::Mode::ReadWrite);
        if (!e.failed())
            e = file_.size(&end);
        if (!e.failed())
            return AppendFlow::Go;
        if (isAccessError(e)) {
            const AppendFlow flow = converse();
            if (flow != AppendFlow::Go)
                return flow;
            continue;
        }
        file_.close();
        // Without its target the command has nothing left to do.
        return appendRuntimeError(host_, outcome_, e) ? AppendFlow::Stop : AppendFlow::End;
    }
}

bool AppendTarget::isAccessError(const RunError& error) const
{
    // A directory in the target's place, or a new target in a folder that
    // cannot be written, is no matter of closing a program or clearing an
    // attribute: that stays a run-time error, naming the path.
    return (error.number == err::PathFileAccess || error.number == err::PermissionDenied)
        && QFileInfo(path_).isFile();
}

AppendFlow AppendTarget::converse()
{
    outcome_.error = true;
    file_.close();
    if (fileAttributes(path_) & attr::ReadOnly) {
        if (host_.ask(Ask::ReadOnlyTarget, readOnlyText(name_), Buttons::YesNo, Icon::Exclamation, Answer::No)
            != Answer::Yes)
            return AppendFlow::Stop;
        // An attribute that cannot be cleared would bring the same question back
        // for ever (a "yes to all" would never end): report it once instead.
        if (!applyAttributes(path_, 0))
            return appendRuntimeError(host_, outcome_, RunError::of(err::PermissionDenied))
                ? AppendFlow::Stop
                : AppendFlow::End;
        return AppendFlow::Go;
    }
    if (host_.ask(Ask::TargetInUse, inUseText(name_), Buttons::OkCancel, Icon::Exclamation, Answer::Cancel)
        != Answer::Ok)
        return AppendFlow::Stop;
    return AppendFlow::Go;
}

RunError AppendTarget::close(bool sync)
{
    if (!file_.isOpen())
        return RunError::none();
    return file_.close(sync);
}

}  // namespace tsl
