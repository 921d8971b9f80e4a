#include "split/split_engine.h"
#include "core/file_system.h"

#include "core/file_handle.h"
#include "core/file_hasher.h"
#include "core/file_utils.h"
#include "core/host.h"
#include "core/texts.h"
#include "core/transaction.h"
#include "pieces/info_file.h"
#include "pieces/part_names.h"
#include "pieces/sha256_sidecar.h"
#include "pieces/short_name.h"
#include "settings/load_reg.h"
#include "split/batch_file.h"
#include "split/existing_set.h"
#include "split/piece_size.h"
#include "split/split_progress.h"

#include <QFileInfo>
#include <climits>
#include <memory>
#include <unistd.h>
#include <vector>

namespace tsl {

namespace {

// The smallest part size the settings accept: lower advice could not be taken.
qint64 smallestPartSize()
{
    return qint64(settingRange(QStringLiteral("SplitSize"))->low);
}

// One source file as the command works on it.
struct Source {
    QString name;
    QString path;
    qint64 length = 0;
    qint64 wholeSize = 0;  // bytes per piece, this file's own in count mode
    qint64 pieceCount = 0;
    bool letters = false;
    QString base;
    qint64 first = 1;
    qint64 last = 0;
    qint64 endPosition = 0;
    bool splittable = false;  // exists, is an ordinary file, and gives 2..19682 pieces
    std::unique_ptr<Transaction> unit;
    int firstPiece = 0;           // the unit's index of piece `first`
    int sums = -1;                // the unit's index of the checksum file, -1 when none is written
    QList<DigestLine> keptLines;  // an extract's: the lines of an earlier checksum file it keeps
    QString sumsNote;             // why no checksum file is written, said after the split
    HashResult digests;           // of pieces first..last, and of the whole file unless extracting
};

// In the letter scheme one piece number is written "bat": from that many
// pieces on, the batch file's name belongs to a piece.
bool batchNameIsAPiece(const Source& s)
{
    return s.letters && s.pieceCount >= LetterPieceNumber(QStringLiteral("bat"));
}

class SplitRun {
public:
    SplitRun(const SplitRequest& request, const Settings& settings, Host& host)
        : request_(request), settings_(settings), host_(host),
          frame_(host, QStringLiteral("frmMain.cmdSplit"), outcome_), copier_(settings.ChunkSize)
    {
    }

    SplitOutcome run();

private:
    bool workOutRange();
    QString splitOutputDir(const QString& dirText) const;
    void refuse(const QString& message);
    void describe(Source& s) const;
    void plan(Source& s) const;
    SplitNames namesOf(const Source& source) const;
    Flow splitFile(Source& s);
    Flow splitAndCommit(Source& s);
    bool admit(Source& source);
    bool grantOverwrite(Source& s, const QStringList& stale);
    Flow writeAside(Source& s);
    Flow writePieces(Source& s, FileHandle& input);
    Flow copyPiece(const Source& s, FileHandle& input, FileHandle& piece, qint64 i);
    Flow writeSetFiles(Source& s);
    void planChecksums(Source& s, mode_t mode) const;
    Flow joinDigests(BackgroundHasher& hasher, Source& s, Flow flow);
    Flow writeChecksums(Source& s);
    Flow commit(Source& s);
    Flow deleteAfter(Source& s);
    void finishFile(const Source& s, bool done);
    void showTotal();
    void showPieceProgress(const Source& s, qint64 position, qint64 i);
    Flow runtimeError(const RunError& error);
    Flow takeBack(Source& s, Flow flow);
    bool deletesSource() const { return settings_.SplitDelete && !extract_; }
    void skip(const QString& message, Icon icon);
    void notDone(const Source& s, const QString& problem);

    const SplitRequest& request_;
    const Settings& settings_;
    Host& host_;
    SplitOutcome outcome_;
    RunFrame frame_;
    ChunkCopier copier_;
    bool extract_ = false;
    qint64 start_ = 0;
    qint64 end_ = 0;
    int count_ = 0;
    int file_ = 0;  // f, the file being split
};

SplitOutcome SplitRun::run()
{
    count_ = int(request_.files.size());
    if (!workOutRange())
        return outcome_;
    const QString dirText = request_.outputDirText.trimmed();
    outcome_.folderToRecord = dirText;
    outcome_.outDir = splitOutputDir(dirText);
    if (outcome_.outDir.isEmpty()) {
        refuse(SplitText::tr("Choose the folder the pieces go to: the output folder is empty."));
        return outcome_;
    }
    if (const QString problem = folderProblem(outcome_.outDir); !problem.isEmpty()) {
        refuse(SplitText::tr("Nothing was split: %1").arg(problem));
        return outcome_;
    }
    // Every file is planned before the first byte, so two files of one run
    // that would write or delete each other's names are refused together.
    std::vector<Source> sources(static_cast<size_t>(count_));
    std::vector<const Transaction*> units;
    for (int f = 0; f < count_; ++f) {
        Source& s = sources[size_t(f)];
        s.name = request_.files.at(f);
        s.path = request_.sourceDir + s.name;
        describe(s);
        plan(s);
        if (s.unit)
            units.push_back(s.unit.get());
    }
    if (const QString collision = runCollision(units); !collision.isEmpty()) {
        refuse(SplitText::tr("Nothing was split: %1").arg(collision));
        return outcome_;
    }
    host_.progress(Panel::Split, Line::Total, QString(), 0, 100);
    for (file_ = 1; file_ <= count_ && !frame_.cancelRequested(); ++file_) {
        if (splitFile(sources[size_t(file_ - 1)]) == Flow::Terminate)
            break;
    }
    return outcome_;
}

// A run refused as a whole: one message, nothing written, every file not done.
void SplitRun::refuse(const QString& message)
{
    host_.ask(Ask::Notice, message, Buttons::Ok, Icon::Information, Answer::Ok);
    outcome_.skipped = count_;
    outcome_.refused = true;
}

bool SplitRun::workOutRange()
{
    const qint64 start = request_.rangeStart;
    const qint64 end = request_.rangeEnd;
    extract_ = count_ == 1 && start > 0 && end > 0;
    if (extract_ && end < start) {
        host_.ask(Ask::Notice,
                  SplitText::tr("The starting piece cannot be higher than the ending piece..."),
                  Buttons::Ok, Icon::Information, Answer::Ok);
        outcome_.rangeRefused = true;
        return false;
    }
    start_ = start;
    end_ = end;
    return true;
}

// The output folder, ending in "/". An empty field stands for the files' own
// folder when SplitSameDir is on and for nothing otherwise (empty text): never
// for the root, which "/" appended to nothing would make it.
QString SplitRun::splitOutputDir(const QString& dirText) const
{
    if (dirText.isEmpty())
        return settings_.SplitSameDir ? withTrailingSlash(request_.sourceDir) : QString();
    return withTrailingSlash(dirText);
}

// What the file is, without a word to the user yet.
void SplitRun::describe(Source& s) const
{
    if (!isOrdinaryFile(s.path))
        return;
    s.length = pathFacts(s.path).size;
    s.wholeSize = splitPieceSize(settings_, s.length);
    s.pieceCount = splitPieceCount(settings_, s.length);
    s.letters = usesLetterScheme(s.pieceCount);
    s.splittable = s.pieceCount != 1 && s.pieceCount <= MaxPieceNumber
        && countSizeRefusal(settings_, s.name, s.length).isEmpty();
    s.base = settings_.SplitFileNames == 1 ? shortName(s.path) : s.name;
    s.first = extract_ ? start_ : 1;
    s.last = extract_ ? qMin(end_, s.pieceCount) : s.pieceCount;
    s.endPosition = extract_ ? qMin(end_ * s.wholeSize, s.length) : s.length;
}

// Everything the split of s creates, reads and deletes.
void SplitRun::plan(Source& s) const
{
    if (!s.splittable)
        return;
    s.unit = std::make_unique<Transaction>(JobKind::Split);
    Transaction& t = *s.unit;
    t.setDurable(deletesSource());
    t.read(s.path);
    const mode_t mode = madeFromMode(permissionBits(s.path));
    for (qint64 i = s.first; i <= s.last; ++i) {
        const qint64 at = (i - 1) * s.wholeSize;
        const int index =
            t.create(outcome_.outDir + s.base + QLatin1Char('.') + PartExt(i, s.letters),
                     qMax<qint64>(0, qMin(s.wholeSize, s.endPosition - at)));
        t.setMode(index, mode);
        if (i == s.first)
            s.firstPiece = index;
    }
    if (!extract_ && settings_.Split000)
        t.setMode(t.create(outcome_.outDir + s.base + QStringLiteral(".000")), mode);
    if (!extract_ && settings_.SplitBat && !batchNameIsAPiece(s))
        t.setMode(t.create(outcome_.outDir + s.base + QStringLiteral(".bat")), mode);
    planChecksums(s, mode);
}

// The checksum file: a whole split writes it new (replacing an earlier one
// only with leave, like the other files of the set); an extract rewrites an
// earlier one with the lines of its pieces, keeping every other line.
void SplitRun::planChecksums(Source& s, mode_t mode) const
{
    if (!settings_.Checksums)
        return;
    Transaction& t = *s.unit;
    const QString path = outcome_.outDir + sidecarName(s.base);
    // Pieces whose names just fit are still split; only their checksum file is left out.
    const long longest = ::pathconf(nativePath(outcome_.outDir).constData(), _PC_NAME_MAX);
    if (nativePath(sidecarName(s.base)).size() > (longest > 0 ? longest : NAME_MAX)) {
        s.sumsNote =
            SplitText::tr("No checksum file was written for %1: its name would be too long.")
                .arg(s.name);
        return;
    }
    if (extract_ && pathFacts(path).exists) {
        SidecarContents earlier;
        if (!isOrdinaryFile(path) || readSidecar(path, &earlier).failed()
            || earlier.malformed > 0) {
            s.sumsNote = SplitText::tr("%1 was left as it is: it is not a checksum file TSL can "
                                       "rewrite, so it has no lines for these pieces.")
                             .arg(path);
            return;
        }
        QStringList written;
        for (qint64 i = s.first; i <= s.last; ++i)
            written << s.base + QLatin1Char('.') + PartExt(i, s.letters);
        for (const DigestLine& line : std::as_const(earlier.lines)) {
            if (!written.contains(line.name))
                s.keptLines << line;
        }
        s.sums = t.create(path);
        t.allowReplace(s.sums);
    } else {
        s.sums = t.create(path);
    }
    t.setMode(s.sums, mode);
}

void SplitRun::skip(const QString& message, Icon icon)
{
    if (!message.isEmpty())
        host_.ask(Ask::Notice, message, Buttons::Ok, icon, Answer::Ok);
    ++outcome_.skipped;
}

// A file the plan refused or that failed: said once, with the reason.
void SplitRun::notDone(const Source& s, const QString& problem)
{
    host_.ask(Ask::Notice,
              SplitText::tr("%1 was not split: %2").arg(s.name, problem) + CrLf
                  + SplitText::tr("Nothing was written for it."),
              Buttons::Ok, Icon::Exclamation, Answer::Ok);
    ++outcome_.failed;
}

// The checks before anything is written; false when the file is passed over.
bool SplitRun::admit(Source& s)
{
    if (pathFacts(s.path).exists && !isOrdinaryFile(s.path)) {
        // A folder, a pipe or a device: reading it would be wrong or never end.
        skip(SplitText::tr("The file %1 will be skipped because it is not an ordinary file.")
                 .arg(s.name),
             Icon::Information);
        return false;
    }
    if (!isOrdinaryFile(s.path)) {
        skip(SplitText::tr("The file %1 will be skipped because it does not exist in the %2 "
                           "directory.")
                 .arg(s.name, request_.sourceDir),
             Icon::Information);
        return false;
    }
    if (const QString refused = countSizeRefusal(settings_, s.name, s.length); !refused.isEmpty()) {
        skip(refused, Icon::Information);
        return false;
    }
    if (s.pieceCount == 1) {
        skip(SplitText::tr("%1 will not be split because it is smaller than the part size "
                           "specified. You should set the part size lower (to at least %2 bytes).")
                 .arg(s.name, QString::number(qMax(s.length - 1, smallestPartSize()))),
             Icon::None);
        return false;
    }
    if (s.pieceCount > MaxPieceNumber) {
        const qint64 least = (s.length + MaxPieceNumber - 1) / MaxPieceNumber;
        skip(SplitText::tr("%1 will not be split because it would need %2 parts, and parts can "
                           "only be numbered up to 19682. You should set the part size higher (to "
                           "at least %3 bytes).")
                 .arg(s.name, QString::number(s.pieceCount), QString::number(least)),
             Icon::Information);
        return false;
    }
    const QStringList stale =
        staleSetFiles(namesOf(s), settings_.Split000, settings_.SplitBat, settings_.Checksums);
    return grantOverwrite(s, stale);
}

// The question about an earlier set, asked once before anything is written.
// Only a Yes (or the setting that always overwrites) lets the run replace
// its files and delete those of it the new set does not rewrite.
bool SplitRun::grantOverwrite(Source& s, const QStringList& stale)
{
    const bool overwrites = splitWouldOverwrite(namesOf(s));
    if (!overwrites && stale.isEmpty())
        return true;
    if (settings_.SearchExist && settings_.PartsExist == 0) {
        // No box, as the setting asks; the status line still says why.
        host_.status(SplitText::tr(
                         "%1 was skipped: its split files exist already and are never overwritten.")
                         .arg(s.name));
        skip(QString(), Icon::None);
        return false;
    }
    if (settings_.SearchExist && settings_.PartsExist == 1
        && host_.ask(Ask::OverwriteParts,
                     SplitText::tr("Do you want to overwrite the existing split files for %1?")
                         .arg(s.name),
                     Buttons::YesNo, Icon::Question, Answer::Yes)
            != Answer::Yes) {
        skip(QString(), Icon::None);
        return false;
    }
    Transaction& t = *s.unit;
    for (int i = 0; i < t.fileCount(); ++i)
        t.allowReplace(i);
    for (const QString& path : stale)
        t.remove(path, false);
    return true;
}

Flow SplitRun::splitFile(Source& s)
{
    const Flow flow = splitAndCommit(s);
    if (flow == Flow::Skip || flow == Flow::Failed)
        showTotal();
    return flow;
}

// Plan checked, pieces written aside, verified, committed, then the deletes.
Flow SplitRun::splitAndCommit(Source& s)
{
    if (!admit(s))
        return Flow::Skip;
    if (!s.unit) {
        // It appeared or changed after the run was planned: it is no part of this run.
        notDone(s, SplitText::tr("%1: the file changed while it was read.").arg(s.path));
        return Flow::Failed;
    }
    if (const QString problem = s.unit->check(); !problem.isEmpty()) {
        notDone(s, problem);
        return Flow::Failed;
    }
    Flow flow = writeAside(s);
    if (flow == Flow::Go) {
        if (const QString problem = s.unit->verify(); !problem.isEmpty()) {
            takeBack(s, Flow::Stop);
            notDone(s, problem);
            return Flow::Failed;
        }
        flow = commit(s);
    }
    if (flow != Flow::Go)
        return takeBack(s, flow);
    flow = deleteAfter(s);
    finishFile(s, true);
    return flow;
}

SplitNames SplitRun::namesOf(const Source& s) const
{
    SplitNames names;
    names.dir = outcome_.outDir;
    names.base = s.base;
    names.pieceCount = s.pieceCount;
    names.wholeSet = !extract_;
    names.first = s.first;
    names.last = s.last;
    return names;
}

// The run-time error question about something that could not be foreseen:
// Yes goes on with the next file, No ends the program.
Flow SplitRun::runtimeError(const RunError& error)
{
    return frame_.error(error, Flow::Failed);
}

// A file that failed or was cancelled before its commit leaves nothing behind.
Flow SplitRun::takeBack(Source& s, Flow flow)
{
    for (const QString& line : s.unit->rollback())
        frame_.undid(line);
    if (flow == Flow::Failed || flow == Flow::Terminate) {
        ++outcome_.failed;
        host_.status(SplitText::tr("%1 was not split.").arg(s.name));
    }
    return flow;
}

void SplitRun::showPieceProgress(const Source& s, qint64 position, qint64 i)
{
    const qint64 k = i - s.first + 1;
    const qint64 n = s.last - s.first + 1;
    host_.progress(Panel::Split, Line::Part,
                   splitprogress::pieceCaption(position + 1, s.length, k, n, s.name),
                   splitprogress::piecePercent(position + 1, s.length), 100);
}

// Writes the pieces, the info file and the batch file under temporary names.
Flow SplitRun::writeAside(Source& s)
{
    FileHandle input;
    const RunError opened = input.open(s.path, FileHandle::Mode::Read);
    if (opened.failed())
        return runtimeError(opened);
    host_.progress(Panel::Split, Line::Part, QString(), 1, 100);
    // The copy may never pass the bytes through this process: a second
    // reader hashes them beside it, from the page cache the copy fills.
    BackgroundHasher hasher;
    if (s.sums >= 0) {
        HashOptions options;
        options.chunkSize = settings_.ChunkSize;
        options.whole = !extract_;
        options.cancel = &host_.cancelFlag();
        hasher.start(pieceSpans(s.path, s.length, s.wholeSize, s.first, s.last, input.fd()),
                     options);
    }
    Flow flow = joinDigests(hasher, s, writePieces(s, input));
    const RunError closed = input.close();
    if (flow == Flow::Go && closed.failed())
        flow = runtimeError(closed);
    if (flow == Flow::Go && frame_.cancelRequested())
        flow = Flow::Stop;
    return flow == Flow::Go ? writeSetFiles(s) : flow;
}

Flow SplitRun::writePieces(Source& s, FileHandle& input)
{
    for (qint64 i = s.first; i <= s.last; ++i) {
        if (frame_.cancelRequested())
            return Flow::Stop;
        FileHandle piece;
        const RunError created = s.unit->openAside(s.firstPiece + int(i - s.first), piece);
        if (created.failed())
            return runtimeError(created);
        Flow flow = copyPiece(s, input, piece, i);
        // The source may be deleted after this: its pieces must be on the disk.
        const RunError closed = piece.close(s.unit->durable());
        if (flow == Flow::Go && closed.failed())
            flow = runtimeError(closed);
        if (flow != Flow::Go)
            return flow;
        const qint64 k = i - s.first + 1;
        const qint64 n = s.last - s.first + 1;
        showPieceProgress(s, qMin(i * s.wholeSize, s.endPosition), i);
        host_.progress(Panel::Split, Line::Total,
                       splitprogress::totalCaptionAfterPiece(k, n, file_, count_),
                       splitprogress::totalPercentAfterPiece(k, n, file_, count_), 100);
    }
    return Flow::Go;
}

// Copies piece i: in one go when it fits a chunk, else chunk by chunk with
// progress after each.
Flow SplitRun::copyPiece(const Source& s, FileHandle& input, FileHandle& piece, qint64 i)
{
    const qint64 pieceStart = (i - 1) * s.wholeSize;
    const qint64 pieceLength = qMax<qint64>(0, qMin(s.wholeSize, s.endPosition - pieceStart));
    copier_.alignTo(piece);
    const qint64 chunk = copier_.chunkSize();
    for (qint64 written = 0; written < pieceLength;) {
        const qint64 length = qMin(chunk, pieceLength - written);
        const RunError e = copier_.copy(input, pieceStart + written, piece, written, length);
        if (e.failed())
            return runtimeError(e);
        written += length;
        if (pieceLength > chunk) {
            showPieceProgress(s, pieceStart + written, i);
            if (written < pieceLength && frame_.cancelRequested())
                return Flow::Stop;
        }
    }
    return Flow::Go;
}

// Waits for the digests of the pieces just written (stopping them when the
// copy did not succeed); a hash that failed fails the file.
Flow SplitRun::joinDigests(BackgroundHasher& hasher, Source& s, Flow flow)
{
    if (!hasher.started())
        return flow;
    if (flow != Flow::Go)
        hasher.cancel();
    s.digests = hasher.join();
    if (flow != Flow::Go)
        return flow;
    if (s.digests.error.failed())
        return runtimeError(s.digests.error);
    if (s.digests.cancelled)
        return Flow::Stop;
    return Flow::Go;
}

// The checksum file in the format of sha256sum: a line per piece written,
// then the whole file under the name Combine gives it.
Flow SplitRun::writeChecksums(Source& s)
{
    if (s.sums < 0)
        return Flow::Go;
    QList<DigestLine> lines = s.keptLines;
    for (qint64 i = s.first; i <= s.last && i - s.first < s.digests.digests.size(); ++i)
        lines.append(
            {s.digests.digests.at(i - s.first), s.base + QLatin1Char('.') + PartExt(i, s.letters)});
    if (!extract_)
        lines.append({s.digests.whole, s.base});
    const RunError e = s.unit->writeAside(s.sums, sidecarText(lines));
    return e.failed() ? runtimeError(e) : Flow::Go;
}

Flow SplitRun::writeSetFiles(Source& s)
{
    if (const Flow flow = writeChecksums(s); flow != Flow::Go)
        return flow;
    if (extract_)
        return Flow::Go;
    Transaction& t = *s.unit;
    int index = s.firstPiece + int(s.last - s.first + 1);
    if (settings_.Split000) {
        const auto bytes = infoFileFor(s.path, quint64(s.pieceCount), quint64(s.wholeSize));
        const RunError e = bytes ? t.writeAside(index++, *bytes)
                                 : RunError::of(err::FileNotFound, s.path, FileOp::Read);
        if (e.failed())
            return runtimeError(e);
    }
    if (settings_.SplitBat && batchNameIsAPiece(s)) {
        // Writing it would overwrite that piece.
        host_.ask(Ask::Notice,
                  SplitText::tr("No batch file was written for %1: with %2 parts, part %3 is "
                                "named %4.bat.")
                      .arg(s.name, QString::number(s.pieceCount),
                           QString::number(LetterPieceNumber(QStringLiteral("bat"))), s.base),
                  Buttons::Ok, Icon::Information, Answer::Ok);
    } else if (settings_.SplitBat) {
        const BatchFileInput batch{s.name, s.base, s.pieceCount, settings_.SplitFileNames == 1};
        const RunError e = t.writeAside(index, batchFileBytes(batch));
        if (e.failed())
            return runtimeError(e);
    }
    return Flow::Go;
}

// The pieces go to the disk before the source may be deleted.
Flow SplitRun::commit(Source& s)
{
    const RunError e = s.unit->commit(deletesSource());
    return e.failed() ? runtimeError(e) : Flow::Go;
}

// After the commit: the earlier set's left-over files (with leave), then the
// source when asked to, and only when no error was answered before and it is
// unchanged since it was read.
Flow SplitRun::deleteAfter(Source& s)
{
    Transaction& t = *s.unit;
    const QStringList leftOver = t.removedPaths();
    if (deletesSource() && outcome_.errorFlag) {
        outcome_.sourcesKept << s.path;
    } else if (deletesSource()) {
        t.remove(s.path, settings_.WipeOnDel);
        host_.status(SplitText::tr("Deleting original file..."));
    }
    Transaction::Deleted result;
    const RunError e = t.deleteListed(&host_.cancelFlag(), &result);
    outcome_.removed << result.deleted;
    outcome_.sourcesKept << result.kept;
    QStringList earlier;
    for (const QString& path : std::as_const(result.deleted)) {
        if (leftOver.contains(path))
            earlier << QFileInfo(path).fileName();
    }
    if (!earlier.isEmpty())
        host_.status(SplitText::tr("Removed what an earlier split of %1 left: %2")
                         .arg(s.name, earlier.join(QStringLiteral(", "))));
    if (result.wipeStopped)
        host_.status(SplitText::tr("The wipe of %1 was stopped; its data is safe in the pieces.")
                         .arg(s.name));
    return e.failed() ? frame_.error(e, Flow::Go) : Flow::Go;
}

void SplitRun::finishFile(const Source& s, bool done)
{
    if (done)
        ++outcome_.split;
    if (outcome_.sourcesKept.contains(s.path))
        host_.status(SplitText::tr("%1 was split, but not deleted: %2")
                         .arg(s.name,
                              outcome_.errorFlag ? SplitText::tr("an error was reported before.")
                                                 : SplitText::tr("it changed while it was read.")));
    else if (done)
        host_.status(SplitText::tr("Processed %1").arg(s.name));
    if (done && !s.sumsNote.isEmpty())
        host_.status(s.sumsNote);
    showTotal();
}

// The whole-job line after a file, done or not: it counts only what was done.
void SplitRun::showTotal()
{
    const int notDone = outcome_.skipped + outcome_.failed;
    host_.progress(
        Panel::Split, Line::Total,
        splitprogress::totalCaptionAfterFile(file_, count_, outcome_.skipped, outcome_.failed),
        splitprogress::totalPercentAfterFile(file_ - notDone, count_), 100);
}

}  // namespace

SplitOutcome runSplit(SplitRequest request, Settings settings, Host& host)
{
    return SplitRun(request, settings, host).run();
}

}  // namespace tsl
