#include "split/split_engine.h"

#include "combine/info_file.h"
#include "core/file_handle.h"
#include "core/host.h"
#include "pieces/file_utils.h"
#include "pieces/part_names.h"
#include "pieces/short_name.h"
#include "settings/value_conversion.h"
#include "split/batch_file.h"
#include "split/existing_set.h"
#include "split/split_progress.h"

#include <QFileInfo>

namespace tsl {

namespace {

const QString Procedure = QStringLiteral("frmMain.cmdSplit");

// One source file as the command works on it.
struct Source {
    QString name;
    QString path;
    qint64 length = 0;
    qint64 pieceCount = 0;
    bool letters = false;
    QString base;
    qint64 first = 1;
    qint64 last = 0;
    qint64 endPosition = 0;
};

// Abandoned: a failed copy answered Yes; the piece keeps what it got.
// In the letter scheme one piece number is written "bat": from that many
// pieces on, the batch file's name belongs to a piece.
bool batchNameIsAPiece(const Source& s)
{
    return s.letters && s.pieceCount >= LetterPieceNumber(QStringLiteral("bat"));
}

enum class CopyResult { Done, Abandoned, SourceEnded, Terminated };

class SplitRun {
public:
    SplitRun(const SplitRequest& request, const Settings& settings, Host& host)
        : request_(request), settings_(settings), host_(host),
          wholeSize_(wholePartSize(settings.SplitSize)), copier_(settings.ChunkSize)
    {
    }

    SplitOutcome run();

private:
    bool workOutRange();
    QString splitOutputDir(const QString& dirText) const;
    bool removeStaleSet(const Source& source);
    SplitNames namesOf(const Source& source) const;
    void splitFile(int f);
    bool admit(Source& source);
    bool writePieces(const Source& source, FileHandle& input);
    CopyResult copyPiece(const Source& source, FileHandle& input, FileHandle& piece, qint64 i);
    void finishFile(const Source& source, int f);
    void showPieceProgress(const Source& source, qint64 position, qint64 i);
    bool carryOn(const RunError& error);
    bool deletesSource() const { return settings_.SplitDelete && !extract_; }
    void skip(const QString& message, Icon icon);

    const SplitRequest& request_;
    const Settings& settings_;
    Host& host_;
    const qint64 wholeSize_;
    ChunkCopier copier_;
    SplitOutcome outcome_;
    bool extract_ = false;
    qint64 start_ = 0;
    qint64 end_ = 0;
    int count_ = 0;
    int file_ = 0;  // f, the file being split
    QString word_;
    bool fileFailed_ = false;
};

SplitOutcome SplitRun::run()
{
    host_.setBusy(Panel::Split, true);
    count_ = int(request_.files.size());
    if (!workOutRange()) {
        host_.setBusy(Panel::Split, false);
        return outcome_;
    }
    const QString dirText = request_.outDirText.trimmed();
    outcome_.SplitDir = dirText;
    outcome_.outDir = splitOutputDir(dirText);
    if (outcome_.outDir.isEmpty()) {
        host_.ask(Ask::Notice, QStringLiteral("Choose the folder the pieces go to: the output folder is empty."),
                  Buttons::Ok, Icon::Information, Answer::Ok);
        outcome_.skipped = count_;
        host_.setBusy(Panel::Split, false);
        return outcome_;
    }
    host_.progress(Panel::Split, Line::Total, QString(), 0, 100);
    word_ = count_ > 1 ? QStringLiteral("files") : QStringLiteral("file");
    for (file_ = 1; file_ <= count_ && !outcome_.terminated; ++file_)
        splitFile(file_);
    host_.setBusy(Panel::Split, false);
    return outcome_;
}

bool SplitRun::workOutRange()
{
    const qint64 start = request_.rangeStart;
    const qint64 end = request_.rangeEnd;
    extract_ = count_ == 1 && start > 0 && end > 0;
    if (extract_ && end < start) {
        host_.ask(Ask::Notice, QStringLiteral("The starting piece cannot be higher than the ending piece..."),
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
        return settings_.SplitSameDir ? withTrailingSlash(request_.srcDir) : QString();
    return withTrailingSlash(dirText);
}

bool SplitRun::carryOn(const RunError& error)
{
    fileFailed_ = true;
    if (askToContinue(host_, error, Procedure)) {
        outcome_.errorFlag = true;
        return true;
    }
    outcome_.terminated = true;
    return false;
}

void SplitRun::skip(const QString& message, Icon icon)
{
    if (!message.isEmpty())
        host_.ask(Ask::Notice, message, Buttons::Ok, icon, Answer::Ok);
    ++outcome_.skipped;
}

// The checks before anything is written; false when the file is passed over.
bool SplitRun::admit(Source& s)
{
    if (QFileInfo::exists(s.path) && !isOrdinaryFile(s.path)) {
        // A folder, a pipe or a device: reading it would be wrong or never end.
        skip(QStringLiteral("The file ") + s.name + QStringLiteral(" will be skipped because it is not an ordinary file."),
             Icon::Information);
        return false;
    }
    if (!isOrdinaryFile(s.path)) {
        skip(QStringLiteral("The file ") + s.name
                 + QStringLiteral(" will be skipped because it does not exist in the ")
                 + request_.srcDir + QStringLiteral(" directory."),
             Icon::Information);
        return false;
    }
    s.length = QFileInfo(s.path).size();
    s.pieceCount = PieceCount(s.length, wholeSize_);
    s.letters = usesLetterScheme(s.pieceCount);
    if (s.pieceCount == 1) {
        skip(s.name + QStringLiteral(" will not be split because it is smaller than the part size "
                                     "specified. You should set the part size lower (to at least ")
                 + QString::number(s.length - 1) + QStringLiteral(" bytes)."),
             Icon::None);
        return false;
    }
    if (s.pieceCount > MaxPieceNumber) {
        const qint64 least = (s.length + MaxPieceNumber - 1) / MaxPieceNumber;
        skip(s.name + QStringLiteral(" will not be split because it would need ")
                 + QString::number(s.pieceCount)
                 + QStringLiteral(" parts, and parts can only be numbered up to 19682. You should "
                                  "set the part size higher (to at least ")
                 + QString::number(least) + QStringLiteral(" bytes)."),
             Icon::Information);
        return false;
    }
    s.base = settings_.SplitFileNames == 1 ? shortName(s.path) : s.name;
    if (settings_.SearchExist && splitWouldOverwrite(namesOf(s))) {
        if (settings_.PartsExist == 0) {
            // No box, as the setting asks; the status line still says why.
            host_.status(s.name + QStringLiteral(" was skipped: its split files exist already and are never overwritten."));
            skip(QString(), Icon::None);
            return false;
        }
        if (settings_.PartsExist == 1
            && host_.ask(Ask::OverwriteParts,
                             QStringLiteral("Do you want to overwrite the existing split files for ")
                             + s.name + QLatin1Char('?'),
                         Buttons::YesNo, Icon::Question, Answer::Yes)
                == Answer::No) {
            skip(QString(), Icon::None);
            return false;
        }
    }
    return true;
}

void SplitRun::splitFile(int f)
{
    Source s;
    s.name = request_.files.at(f - 1);
    s.path = request_.srcDir + s.name;
    fileFailed_ = false;
    if (!admit(s))
        return;
    if (!removeStaleSet(s))
        return;
    FileHandle input;
    const RunError opened = input.open(s.path, FileHandle::Mode::Read);
    if (opened.failed()) {
        // Without the source there is nothing to write for this file.
        if (carryOn(opened))
            ++outcome_.skipped;
        return;
    }
    if (extract_) {
        s.first = start_;
        s.last = qMin(end_, s.pieceCount);
        s.endPosition = qMin(end_ * wholeSize_, s.length);
    } else {
        s.first = 1;
        s.last = s.pieceCount;
        s.endPosition = s.length;
    }
    host_.progress(Panel::Split, Line::Part, QString(), 1, 100);
    if (!writePieces(s, input))
        return;
    const RunError closed = input.close();
    if (closed.failed() && !carryOn(closed))
        return;
    finishFile(s, f);
}

SplitNames SplitRun::namesOf(const Source& s) const
{
    SplitNames names;
    names.dir = outcome_.outDir;
    names.base = s.base;
    names.pieceCount = s.pieceCount;
    names.wholeSet = !extract_;
    names.first = extract_ ? start_ : 1;
    names.last = extract_ ? qMin(end_, s.pieceCount) : s.pieceCount;
    return names;
}

// Removes what an earlier split under the same name leaves that this one does
// not rewrite, before writing: its higher-numbered pieces would otherwise join
// the new set. False when the user chose to end the program.
bool SplitRun::removeStaleSet(const Source& s)
{
    for (const QString& path : staleSetFiles(namesOf(s), settings_.Split000, settings_.SplitBat)) {
        const RunError e = KillFile(path, false);
        if (e.failed() && !carryOn(e))
            return false;
    }
    return true;
}

void SplitRun::showPieceProgress(const Source& s, qint64 position, qint64 i)
{
    const qint64 k = i - s.first + 1;
    const qint64 n = s.last - s.first + 1;
    host_.progress(Panel::Split, Line::Part,
                   splitprogress::pieceCaption(position + 1, s.length, k, n, s.name),
                   splitprogress::piecePercent(position + 1, s.length), 100);
}

// Writes pieces first..last; false when the user chose to end the program.
bool SplitRun::writePieces(const Source& s, FileHandle& input)
{
    for (qint64 i = s.first; i <= s.last; ++i) {
        const QString piecePath = outcome_.outDir + s.base + QLatin1Char('.') + PartExt(i, s.letters);
        FileHandle piece;
        CopyResult result = CopyResult::Done;
        const RunError created = piece.open(piecePath, FileHandle::Mode::WriteTruncate);
        if (created.failed()) {
            if (!carryOn(created))
                return false;
        } else {
            result = copyPiece(s, input, piece, i);
            if (result == CopyResult::Terminated)
                return false;
            // The source may be deleted after this: its pieces must be on the disk.
            const RunError closed = piece.close(deletesSource());
            if (closed.failed() && !carryOn(closed))
                return false;
        }
        const qint64 k = i - s.first + 1;
        const qint64 n = s.last - s.first + 1;
        showPieceProgress(s, qMin(i * wholeSize_, s.endPosition), i);
        host_.progress(Panel::Split, Line::Total,
                       splitprogress::totalCaptionAfterPiece(k, n, file_, count_),
                       splitprogress::totalPercentAfterPiece(k, n, file_, count_), 100);
        if (result == CopyResult::SourceEnded)
            break;  // nothing more to read; the pieces after it would be empty
    }
    return true;
}

// Copies piece i: in one go when it fits a chunk, else chunk by chunk with
// progress after each. A failed copy answered Yes abandons this piece; the
// next piece still starts at its own offset.
CopyResult SplitRun::copyPiece(const Source& s, FileHandle& input, FileHandle& piece, qint64 i)
{
    const qint64 pieceStart = (i - 1) * wholeSize_;
    const qint64 pieceLength = qMax<qint64>(0, qMin(wholeSize_, s.endPosition - pieceStart));
    copier_.alignTo(piece);
    const qint64 chunk = copier_.chunkSize();
    qint64 written = 0;
    auto copy = [&](qint64 length) -> CopyResult {
        const RunError e = copier_.copy(input, pieceStart + written, piece, written, length);
        if (e.failed()) {
            if (!carryOn(e))
                return CopyResult::Terminated;
            return e.number == err::InputPastEnd ? CopyResult::SourceEnded : CopyResult::Abandoned;
        }
        written += length;
        return CopyResult::Done;
    };
    if (pieceLength <= chunk)
        return copy(pieceLength);
    while (pieceLength - written >= chunk) {
        const CopyResult r = copy(chunk);
        if (r != CopyResult::Done)
            return r;
        showPieceProgress(s, pieceStart + written, i);
    }
    return pieceLength > written ? copy(pieceLength - written) : CopyResult::Done;
}

void SplitRun::finishFile(const Source& s, int f)
{
    if (!extract_ && settings_.Split000) {
        const RunError e = writeInfoFile(s.path, outcome_.outDir + s.base + QStringLiteral(".000"),
                                         quint64(s.pieceCount), quint64(wholeSize_));
        if (e.failed() && !carryOn(e))
            return;
    }
    if (!extract_ && settings_.SplitBat && batchNameIsAPiece(s)) {
        // Writing it would overwrite that piece.
        host_.ask(Ask::Notice, QStringLiteral("No batch file was written for ") + s.name + QStringLiteral(": with ")
                      + QString::number(s.pieceCount) + QStringLiteral(" parts, part ")
                      + QString::number(LetterPieceNumber(QStringLiteral("bat"))) + QStringLiteral(" is named ")
                      + s.base + QStringLiteral(".bat."),
                  Buttons::Ok, Icon::Information, Answer::Ok);
    } else if (!extract_ && settings_.SplitBat) {
        const BatchFileInput batch{s.name, s.base, s.pieceCount, settings_.SplitFileNames == 1};
        const RunError e = writeBatchFile(outcome_.outDir + s.base + QStringLiteral(".bat"), batch);
        if (e.failed() && !carryOn(e))
            return;
    }
    if (deletesSource() && !outcome_.errorFlag) {
        const RunError synced = syncDirectory(outcome_.outDir);
        if (synced.failed() && !carryOn(synced))
            return;
    }
    if (deletesSource() && !outcome_.errorFlag) {
        host_.status(QStringLiteral("Deleting original file..."));
        const RunError e = KillFile(s.path, settings_.WipeOnDel);
        if (e.failed() && !carryOn(e))
            return;
    }
    host_.status(QStringLiteral("Processed ") + s.name);
    host_.progress(Panel::Split, Line::Total, splitprogress::totalCaptionAfterFile(f, count_, word_),
                   splitprogress::totalPercentAfterFile(f, count_), 100);
    if (fileFailed_)
        ++outcome_.skipped;
    else
        ++outcome_.split;
}

}  // namespace

SplitOutcome runSplit(SplitRequest request, Settings settings, Host& host)
{
    return SplitRun(request, settings, host).run();
}

}  // namespace tsl
