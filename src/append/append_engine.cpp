#include "append/append_engine.h"

#include "append/append_target.h"
#include "core/file_handle.h"
#include "core/texts.h"
#include "pieces/file_utils.h"

#include <QDir>
#include <algorithm>
#include <vector>

namespace tsl {

QString appendProgressCaption(int i, int n, const QString& appendFile)
{
    const int percent = n > 0 ? int(qint64(100) * i / n) : 0;
    return QString::number(percent) + QStringLiteral("% complete (") + QString::number(i)
        + QStringLiteral(" of ") + QString::number(n) + QStringLiteral(" parts read - ")
        + appendFile.trimmed() + QLatin1Char(')');
}

namespace {

QString selfLine(const QString& appendFile, const QString& entry)
{
    return appendFile + QStringLiteral(" cannot be appended to itself: the list entry ") + entry
        + QStringLiteral(" is that file.") + CrLf;
}

}  // namespace

QString appendSelfText(const QString& appendFile, const QString& entry)
{
    return selfLine(appendFile, entry) + QStringLiteral("Nothing was appended.");
}

namespace {

// A source counts when an ordinary file of exactly that name is there. The
// name is taken literally: "*" and "?" in it are no pattern here.
bool sourceExists(const QString& path)
{
    return isOrdinaryFile(path);
}

class AppendJob {
public:
    AppendJob(const AppendRequest& request, const Settings& settings, Host& host)
        : request_(request), settings_(settings), host_(host),
          target_(withTrailingSlash(request.AppendOutDir) + request.AppendFile, request.AppendFile, host,
                  outcome_),
          copier_(std::max<qint64>(1, settings.ChunkSize)),
          appended_(size_t(request.entries.size()), false)
    {
    }

    AppendOutcome run();

private:
    QString sourcePath(const QString& entry) const;
    int count() const { return int(request_.entries.size()); }
    bool refuseSelf();
    AppendFlow appendAll();
    AppendFlow appendSource(int index);
    AppendFlow copyChunk(FileHandle& source, qint64 offset, qint64 length);
    AppendFlow runtimeError(const RunError& error);
    AppendFlow closeTarget();
    AppendFlow deleteSources();

    const AppendRequest request_;  // the list as it was when the command started
    const Settings& settings_;
    Host& host_;
    AppendOutcome outcome_;
    AppendTarget target_;
    ChunkCopier copier_;
    std::vector<bool> appended_;  // per entry: appended whole
};

QString AppendJob::sourcePath(const QString& entry) const
{
    if (QDir::isAbsolutePath(entry))
        return entry;
    return withTrailingSlash(request_.AppendSrcDir) + entry;
}

AppendOutcome AppendJob::run()
{
    host_.setBusy(Panel::Append, true);
    outcome_.AppendPartDir = request_.dirText.trimmed();
    host_.progress(Panel::Append, Line::Total, QString(), 0, count());
    AppendFlow flow = refuseSelf() ? AppendFlow::Stop : target_.open();
    if (flow == AppendFlow::Go)
        flow = appendAll();
    if (flow == AppendFlow::Go)
        flow = closeTarget();
    if (flow == AppendFlow::Go && settings_.AppendDelete) {
        if (outcome_.error)
            outcome_.sourcesKept = true;
        else
            flow = deleteSources();
    }
    if (flow == AppendFlow::Go)
        host_.status(QStringLiteral("Processed ") + request_.AppendFile);
    outcome_.stopped = flow == AppendFlow::Stop && !outcome_.refused;
    outcome_.terminated = flow == AppendFlow::End;
    target_.close(false);
    host_.setBusy(Panel::Append, false);
    return outcome_;
}

// Reading a file while appending to it never reaches its end, so a list that
// holds the target (under any name: a link, "./x", a second hard link) is
// refused before the target is even opened.
bool AppendJob::refuseSelf()
{
    for (const QString& entry : request_.entries) {
        if (sameFile(sourcePath(entry), target_.path())) {
            outcome_.refused = true;
            outcome_.error = true;
            host_.ask(Ask::Notice, appendSelfText(request_.AppendFile, entry), Buttons::Ok, Icon::Exclamation,
                      Answer::Ok);
            return true;
        }
    }
    return false;
}

AppendFlow AppendJob::appendAll()
{
    const int n = count();
    for (int i = 1; i <= n; ++i) {
        const QString& entry = request_.entries.at(i - 1);
        if (!sourceExists(sourcePath(entry))) {
            ++outcome_.skipped;
            outcome_.passedOver << entry;
        } else {
            const AppendFlow flow = appendSource(i - 1);
            if (flow == AppendFlow::Stop || flow == AppendFlow::End)
                return flow;
        }
        host_.progress(Panel::Append, Line::Total,
                       appendProgressCaption(i, n, request_.AppendFile), i, n);
    }
    return AppendFlow::Go;
}

AppendFlow AppendJob::appendSource(int index)
{
    const QString path = sourcePath(request_.entries.at(index));
    FileHandle source;
    RunError e = source.open(path, FileHandle::Mode::Read);
    qint64 length = 0;
    if (!e.failed())
        e = source.size(&length);
    if (e.failed()) {
        ++outcome_.failed;
        return runtimeError(e);
    }
    // The list was checked at the start; this catches a file that became the
    // target since (a link changed meanwhile).
    if (sameOpenFile(source, target_.file())) {
        ++outcome_.failed;
        outcome_.error = true;
        host_.ask(Ask::Notice, selfLine(request_.AppendFile, request_.entries.at(index))
                      + QStringLiteral("The entry is passed over."),
                  Buttons::Ok, Icon::Exclamation, Answer::Ok);
        return AppendFlow::Skip;
    }
    copier_.alignTo(target_.file());
    const qint64 chunk = copier_.chunkSize();
    for (qint64 at = 0; at < length; at += chunk) {
        const AppendFlow flow = copyChunk(source, at, std::min(chunk, length - at));
        if (flow != AppendFlow::Go) {
            if (flow == AppendFlow::Skip)
                ++outcome_.failed;
            return flow;
        }
    }
    ++outcome_.appended;
    appended_[size_t(index)] = true;
    return AppendFlow::Go;
}

// One chunk onto the target's end. After the read-only or in-use conversation
// the chunk is copied again to the same place, so nothing is doubled; after
// any other failure the target keeps what did arrive and the next bytes go
// after it, never over it.
AppendFlow AppendJob::copyChunk(FileHandle& source, qint64 offset, qint64 length)
{
    for (;;) {
        const qint64 at = target_.end;
        qint64 copied = 0;
        const RunError e = copier_.copy(source, offset, target_.file(), at, length, &copied);
        ++outcome_.chunkCopies;
        outcome_.largestChunk = std::max(outcome_.largestChunk, length);
        if (!e.failed()) {
            target_.end = at + length;
            outcome_.bytesAppended += length;
            return AppendFlow::Go;
        }
        if (target_.isAccessError(e)) {
            AppendFlow flow = target_.converse();
            if (flow == AppendFlow::Go)
                flow = target_.open();
            if (flow != AppendFlow::Go)
                return flow;
            target_.end = at;
            continue;
        }
        qint64 size = 0;
        target_.end = at + copied;
        if (!target_.file().size(&size).failed())
            target_.end = std::max(target_.end, size);
        outcome_.bytesAppended += target_.end - at;
        return runtimeError(e);
    }
}

AppendFlow AppendJob::runtimeError(const RunError& error)
{
    return appendRuntimeError(host_, outcome_, error) ? AppendFlow::Skip : AppendFlow::End;
}

// The target goes to the disk and is closed before any source is deleted, so
// a late write error still keeps the sources.
AppendFlow AppendJob::closeTarget()
{
    const bool deleting = settings_.AppendDelete && !outcome_.error;
    const RunError e = target_.close(deleting);
    if (!e.failed())
        return AppendFlow::Go;
    return runtimeError(e) == AppendFlow::End ? AppendFlow::End : AppendFlow::Go;
}

// Only what was appended whole goes: an entry passed over whose file turned
// up meanwhile was never added to the target.
AppendFlow AppendJob::deleteSources()
{
    for (int i = 0; i < count(); ++i) {
        if (!appended_[size_t(i)])
            continue;
        const QString path = sourcePath(request_.entries.at(i));
        const bool present = sourceExists(path);
        const RunError e = KillFile(path, settings_.WipeOnDel);
        if (e.failed()) {
            if (runtimeError(e) == AppendFlow::End)
                return AppendFlow::End;
        } else if (present) {
            ++outcome_.deleted;
        }
    }
    return AppendFlow::Go;
}

}  // namespace

AppendOutcome runAppend(AppendRequest request, Settings settings, Host& host)
{
    return AppendJob(request, settings, host).run();
}

}  // namespace tsl
