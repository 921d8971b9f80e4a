#include "append/append_engine.h"
#include "core/file_system.h"

#include "append/append_target.h"
#include "core/file_handle.h"
#include "core/file_utils.h"
#include "core/texts.h"
#include "core/transaction.h"

#include <QDir>
#include <QFile>
#include <QFileInfo>
#include <algorithm>
#include <unistd.h>
#include <vector>

namespace tsl {

QString appendProgressCaption(int i, int n, const QString& appendFile)
{
    const int percent = n > 0 ? int(qint64(100) * i / n) : 0;
    return AppendText::tr("%1% complete (%2 of %3 parts read - %4)")
        .arg(QString::number(percent), QString::number(i), QString::number(n),
             appendFile.trimmed());
}

namespace {

QString selfLine(const QString& appendFile, const QString& entry)
{
    return AppendText::tr("%1 cannot be appended to itself: the list entry %2 is that file.")
               .arg(appendFile, entry)
        + CrLf;
}

}  // namespace

QString appendSelfText(const QString& appendFile, const QString& entry)
{
    return selfLine(appendFile, entry) + AppendText::tr("Nothing was appended.");
}

QString appendBadEntriesText(const QString& appendFile, const QStringList& badEntries)
{
    return AppendText::tr("Nothing was appended to %1: these list entries cannot be appended.")
               .arg(appendFile)
        + CrLf + badEntries.join(CrLf);
}

namespace {

// Why the source at path cannot be appended, or nothing when it can. The
// name is taken literally: "*" and "?" in it are no pattern here.
QString sourceProblem(const QString& path)
{
    const PathFacts info = pathFacts(path);
    if (!info.exists)
        return AppendText::tr("does not exist");
    if (info.isDir)
        return AppendText::tr("is a directory");
    if (!info.isFile)
        return AppendText::tr("is not an ordinary file");
    if (path.mid(path.lastIndexOf(QLatin1Char('/')) + 1).startsWith(QLatin1Char('.')))
        return AppendText::tr("is a hidden file");
    if (::access(nativePath(path).constData(), R_OK) != 0)
        return AppendText::tr("cannot be read");
    return {};
}

class AppendJob {
public:
    AppendJob(const AppendRequest& request, const Settings& settings, Host& host)
        : request_(request), settings_(settings), host_(host),
          frame_(host, AppendProcedure, outcome_), unit_(JobKind::Append),
          target_(withTrailingSlash(request.outputDir) + request.targetName, request.targetName,
                  frame_, outcome_, unit_),
          copier_(std::max<qint64>(1, settings.ChunkSize)),
          appended_(size_t(request.files.size()), false)
    {
    }

    AppendOutcome run();

private:
    QString sourcePath(const QString& entry) const;
    int count() const { return int(request_.files.size()); }
    bool refuseSelf();
    bool refuseBadEntries();
    Flow appendAll();
    Flow appendSource(int index);
    Flow copyChunk(FileHandle& source, qint64 offset, qint64 length);
    Flow failure(const RunError& error);
    Flow openTarget();
    Flow completeTarget();
    Flow commit();
    Flow deleteSources();
    void refuse(const QString& problem);

    const AppendRequest request_;  // the list as it was when the command started
    const Settings& settings_;
    Host& host_;
    AppendOutcome outcome_;
    RunFrame frame_;
    Transaction unit_;
    AppendTarget target_;
    ChunkCopier copier_;
    std::vector<bool> appended_;  // per entry: appended whole
};

QString AppendJob::sourcePath(const QString& entry) const
{
    if (QDir::isAbsolutePath(entry))
        return entry;
    return withTrailingSlash(request_.sourceDir) + entry;
}

AppendOutcome AppendJob::run()
{
    outcome_.folderToRecord = request_.sourceDirText.trimmed();
    host_.progress(Panel::Append, Line::Total, QString(), 0, count());
    if (refuseSelf() || refuseBadEntries())
        return outcome_;
    Flow flow = openTarget();
    if (flow == Flow::Go)
        flow = appendAll();
    if (flow == Flow::Go)
        flow = completeTarget();
    if (flow == Flow::Go)
        flow = commit();
    if (flow != Flow::Go) {
        target_.takeBack();
    } else if (settings_.AppendDelete) {
        if (outcome_.error)
            outcome_.sourcesKept = true;
        else
            flow = deleteSources();
    }
    if (flow == Flow::Go)
        host_.status(AppendText::tr("Processed %1").arg(request_.targetName));
    outcome_.stopped = flow == Flow::Stop && !outcome_.refused;
    return outcome_;
}

// Reading a file while appending to it never reaches its end, so a list that
// holds the target (under any name: a link, "./x", a second hard link) is
// refused before the target is even opened.
bool AppendJob::refuseSelf()
{
    for (const QString& entry : request_.files) {
        if (sameFile(sourcePath(entry), target_.path())) {
            outcome_.refused = true;
            outcome_.error = true;
            host_.ask(Ask::Notice, appendSelfText(request_.targetName, entry), Buttons::Ok,
                      Icon::Exclamation, Answer::Ok);
            return true;
        }
    }
    return false;
}

// A source missing or unreadable in the middle would leave the target with
// the rest in the wrong order: every entry is checked before the first byte.
bool AppendJob::refuseBadEntries()
{
    for (const QString& entry : request_.files) {
        const QString problem = sourceProblem(sourcePath(entry));
        if (!problem.isEmpty())
            outcome_.badEntries << entry + QStringLiteral(": ") + problem;
    }
    if (outcome_.badEntries.isEmpty())
        return false;
    outcome_.refused = true;
    outcome_.error = true;
    host_.ask(Ask::Notice, appendBadEntriesText(request_.targetName, outcome_.badEntries),
              Buttons::Ok, Icon::Exclamation, Answer::Ok);
    return true;
}

Flow AppendJob::appendAll()
{
    const int n = count();
    for (int i = 1; i <= n; ++i) {
        if (frame_.cancelRequested())
            return Flow::Stop;
        const Flow flow = appendSource(i - 1);
        if (flow != Flow::Go)
            return flow;
        host_.progress(Panel::Append, Line::Total, appendProgressCaption(i, n, request_.targetName),
                       i, n);
    }
    return Flow::Go;
}

Flow AppendJob::appendSource(int index)
{
    const QString path = sourcePath(request_.files.at(index));
    FileHandle source;
    RunError e = source.open(path, FileHandle::Mode::Read);
    qint64 length = 0;
    if (!e.failed())
        e = source.size(&length);
    if (e.failed()) {
        ++outcome_.failed;
        return failure(e);
    }
    // The list was checked at the start; this catches a file that became the
    // target since (a link changed meanwhile).
    if (sameOpenFile(source, target_.file())) {
        ++outcome_.failed;
        outcome_.error = true;
        host_.ask(Ask::Notice, appendSelfText(request_.targetName, request_.files.at(index)),
                  Buttons::Ok, Icon::Exclamation, Answer::Ok);
        return Flow::Failed;
    }
    copier_.alignTo(target_.file());
    const qint64 chunk = copier_.chunkSize();
    for (qint64 at = 0; at < length; at += chunk) {
        if (at > 0 && frame_.cancelRequested())
            return Flow::Stop;
        const Flow flow = copyChunk(source, at, std::min(chunk, length - at));
        if (flow != Flow::Go) {
            if (flow != Flow::Stop)
                ++outcome_.failed;
            return flow;
        }
    }
    ++outcome_.appended;
    appended_[size_t(index)] = true;
    return Flow::Go;
}

// One chunk onto the target's end. After the read-only or in-use conversation
// the chunk is copied again to the same place, so nothing is doubled; any
// other failure ends the run, which is then taken back.
Flow AppendJob::copyChunk(FileHandle& source, qint64 offset, qint64 length)
{
    for (;;) {
        const qint64 at = target_.end;
        const RunError e = copier_.copy(source, offset, target_.file(), at, length);
        if (!e.failed()) {
            target_.end = at + length;
            outcome_.bytesAppended += length;
            return Flow::Go;
        }
        if (!target_.isAccessError(e))
            return failure(e);
        Flow flow = target_.converse();
        if (flow == Flow::Go)
            flow = target_.reopen();
        if (flow != Flow::Go)
            return flow;
        target_.end = at;
    }
}

// A failure in the middle of the run: the question, then the run ends
// whatever the answer (Yes only keeps the program going).
Flow AppendJob::failure(const RunError& error)
{
    outcome_.error = true;
    return frame_.error(error, Flow::Failed);
}

// The plan: every source read, the target extended (its length, mode and
// times recorded before it is opened) or created aside, checked before the
// first byte.
Flow AppendJob::openTarget()
{
    qint64 total = 0;
    mode_t mode = 0666;
    for (const QString& entry : request_.files) {
        const QString path = sourcePath(entry);
        unit_.read(path);
        total += stampOf(path).size;
        mode &= permissionBits(path);
    }
    Flow flow = target_.open();
    if (flow != Flow::Go)
        return flow;
    // A new target is never more open than its sources.
    const int created = target_.plan(madeFromMode(mode));
    if (created >= 0)
        unit_.setPlannedSize(created, total);
    else
        unit_.setExtendedSize(unit_.extendedLength() + total);
    if (const QString problem = unit_.check(); !problem.isEmpty()) {
        refuse(problem);
        return Flow::Stop;
    }
    return created >= 0 ? target_.openNew() : Flow::Go;
}

void AppendJob::refuse(const QString& problem)
{
    outcome_.refused = true;
    outcome_.error = true;
    host_.ask(Ask::Notice,
              AppendText::tr("Nothing was appended to %1: %2").arg(request_.targetName, problem),
              Buttons::Ok, Icon::Exclamation, Answer::Ok);
}

// The target and the sources are as planned (sizes, sources unchanged since
// they were read), then a new target takes its name.
Flow AppendJob::commit()
{
    if (const QString problem = unit_.verify(); !problem.isEmpty()) {
        outcome_.error = true;
        ++outcome_.failed;
        host_.ask(
            Ask::Notice,
            AppendText::tr("Nothing was appended to %1: %2").arg(request_.targetName, problem),
            Buttons::Ok, Icon::Exclamation, Answer::Ok);
        return Flow::Failed;
    }
    const RunError e = unit_.commit(settings_.AppendDelete && !outcome_.error);
    return e.failed() ? failure(e) : Flow::Go;
}

// The target goes to the disk and is closed before any source is deleted, so
// a late write error still keeps the sources.
Flow AppendJob::completeTarget()
{
    const bool deleting = settings_.AppendDelete && !outcome_.error;
    const RunError e = target_.complete(deleting);
    return e.failed() ? failure(e) : Flow::Go;
}

// Only what was appended whole goes, and only when unchanged since it was read.
Flow AppendJob::deleteSources()
{
    for (int i = 0; i < count(); ++i) {
        if (appended_[size_t(i)])
            unit_.remove(sourcePath(request_.files.at(i)), settings_.WipeOnDel);
    }
    Transaction::Deleted result;
    const RunError e = unit_.deleteListed(&host_.cancelFlag(), &result);
    outcome_.deleted = int(result.deleted.size());
    if (!result.kept.isEmpty()) {
        outcome_.sourcesKept = true;
        host_.status(AppendText::tr("Not deleted, changed while they were read: %1")
                         .arg(result.kept.join(QStringLiteral(", "))));
    }
    if (result.wipeStopped)
        host_.status(AppendText::tr("The wipe was stopped; the data is safe in %1.")
                         .arg(request_.targetName));
    if (e.failed()) {
        outcome_.error = true;
        if (frame_.error(e, Flow::Go) == Flow::Terminate)
            return Flow::Terminate;
    }
    return Flow::Go;
}

}  // namespace

AppendOutcome runAppend(AppendRequest request, Settings settings, Host& host)
{
    return AppendJob(request, settings, host).run();
}

}  // namespace tsl
