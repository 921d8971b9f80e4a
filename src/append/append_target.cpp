#include "append/append_target.h"
#include "core/file_system.h"

#include "core/file_facts.h"
#include "core/message_text.h"
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
    return AppendText::tr("%1 is a read-only file.").arg(name) + CrLf
        + AppendText::tr("Do you want to add the selected files to it anyway?");
}

QString inUseText(const QString& name)
{
    return withCrLf(AppendText::tr("%1 is in use by another program.\n"
                                   "To add the specified parts to the file, first close\n"
                                   "it in whatever program is using it, and then click OK."))
        .arg(name);
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
    struct stat sa {};
    struct stat sb {};
    const bool hasA = statPath(a, &sa);
    const bool hasB = statPath(b, &sb);
    if (hasA && hasB)
        return sa.st_dev == sb.st_dev && sa.st_ino == sb.st_ino;
    if (hasA || hasB)
        return false;
    return resolvedLocation(a) == resolvedLocation(b);
}

bool sameOpenFile(const FileHandle& a, const FileHandle& b)
{
    struct stat sa {};
    struct stat sb {};
    if (::fstat(a.fd(), &sa) != 0 || ::fstat(b.fd(), &sb) != 0)
        return false;
    return sa.st_dev == sb.st_dev && sa.st_ino == sb.st_ino;
}

AppendTarget::AppendTarget(QString path, QString name, RunFrame& frame, AppendOutcome& outcome,
                           Transaction& unit)
    : path_(std::move(path)), name_(std::move(name)), frame_(frame), outcome_(outcome), unit_(unit)
{
}

Flow AppendTarget::open()
{
    const PathFacts info = pathFacts(path_);
    if (info.isLink) {
        outcome_.error = true;
        outcome_.refused = true;
        frame_.host().ask(
            Ask::Notice,
            withCrLf(AppendText::tr("%1 is a symbolic link. Name the file it leads to;\n"
                                    "nothing was appended."))
                .arg(name_),
            Buttons::Ok, Icon::Exclamation, Answer::Ok);
        return Flow::Stop;
    }
    existed_ = info.exists;
    if (!existed_)
        return Flow::Go;
    // Its length, mode and times are taken before anything may fail, so a
    // run that ends at any point cuts it back to exactly what it was.
    unit_.extend(path_);
    return reopen();
}

int AppendTarget::plan(mode_t mode)
{
    if (existed_)
        return -1;
    created_ = unit_.create(path_);
    unit_.setMode(created_, mode);
    return created_;
}

Flow AppendTarget::openNew()
{
    const RunError e = unit_.openAside(created_, file_);
    if (!e.failed()) {
        end = 0;
        return Flow::Go;
    }
    outcome_.error = true;
    // Without its target the command has nothing left to do.
    return frame_.error(e, Flow::Stop);
}

Flow AppendTarget::reopen()
{
    if (created_ >= 0) {
        const RunError e = file_.open(unit_.temporaryPath(created_), FileHandle::Mode::ReadWrite);
        if (!e.failed()) {
            file_.nameAs(path_);
            return Flow::Go;
        }
        outcome_.error = true;
        return frame_.error(e, Flow::Failed);
    }
    for (;;) {
        RunError e = file_.open(path_, FileHandle::Mode::ReadWrite);
        if (!e.failed())
            e = file_.size(&end);
        if (!e.failed())
            return Flow::Go;
        if (isAccessError(e)) {
            const Flow flow = converse();
            if (flow != Flow::Go)
                return flow;
            continue;
        }
        (void)file_.close();
        outcome_.error = true;
        return frame_.error(e, Flow::Stop);
    }
}

bool AppendTarget::isAccessError(const RunError& error) const
{
    // A directory in the target's place, or a new target (in a folder that
    // cannot be written, say), is no matter of closing a program or clearing
    // an attribute: that stays a run-time error. The temporary file of a new
    // target is ours: nobody else has it open.
    return (error.number == err::PathFileAccess || error.number == err::PermissionDenied)
        && created_ < 0 && pathFacts(path_).isFile;
}

Flow AppendTarget::converse()
{
    outcome_.error = true;
    (void)file_.close();
    Host& host = frame_.host();
    if (fileAttributes(path_) & attr::ReadOnly) {
        if (host.ask(Ask::ReadOnlyTarget, readOnlyText(name_), Buttons::YesNo, Icon::Exclamation,
                     Answer::No)
            != Answer::Yes)
            return Flow::Stop;
        // An attribute that cannot be cleared would bring the same question back
        // for ever (a "yes to all" would never end): report it once instead.
        if (!applyAttributes(path_, 0))
            return frame_.error(RunError::of(err::PermissionDenied, path_, FileOp::Open),
                                Flow::Stop);
        return Flow::Go;
    }
    if (host.ask(Ask::TargetInUse, inUseText(name_), Buttons::OkCancel, Icon::Exclamation,
                 Answer::Cancel)
        != Answer::Ok)
        return Flow::Stop;
    return Flow::Go;
}

RunError AppendTarget::complete(bool sync)
{
    return file_.isOpen() ? file_.close(sync) : RunError::none();
}

void AppendTarget::takeBack()
{
    (void)file_.close();
    outcome_.bytesAppended = 0;
    outcome_.appended = 0;
    for (const QString& line : unit_.rollback())
        frame_.undid(line);
}

}  // namespace tsl
