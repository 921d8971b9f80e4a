#include "split/split_engine.h"

#include "combine/info_file.h"
#include "core/file_handle.h"
#include "core/host.h"
#include "pieces/file_utils.h"
#include "pieces/part_names.h"
#include "pieces/short_name.h"
#include "settings/load_reg.h"
#include "settings/value_conversion.h"
#include "split/batch_file.h"
#include "split/existing_set.h"
#include "split/split_progress.h"

#include <QFileInfo>

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
    qint64 pieceCount = 0;
    bool letters = false;
    QString base;
    qint64 first = 1;
    qint64 last = 0;
    qint64 endPosition = 0;
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
          frame_(host, Panel::Split, QStringLiteral("frmMain.cmdSplit"), outcome_),
          wholeSize_(wholePartSize(settings.SplitSize)), copier_(settings.ChunkSize)
    {
    }

    SplitOutcome run();

private:
    bool workOutRange();
    QString splitOutputDir(const QString& dirText) const;
    bool removeStaleSet(const Source& source);
    SplitNames namesOf(const Source& source) const;
    Flow splitFile(int f);
    bool admit(Source& source);
    Flow writePieces(const Source& source, FileHandle& input);
    Flow writePiece(const Source& source, FileHandle& input, qint64 i);
    Flow copyPiece(const Source& source, FileHandle& input, FileHandle& piece, qint64 i);
    Flow finishFile(const Source& source, int f);
    void showPieceProgress(const Source& source, qint64 position, qint64 i);
    bool carryOn(const RunError& error);
    Flow takeBack();
    bool deletesSource() const { return settings_.SplitDelete && !extract_; }
    void skip(const QString& message, Icon icon);

    const SplitRequest& request_;
    const Settings& settings_;
    Host& host_;
    SplitOutcome outcome_;
    RunFrame frame_;
    const qint64 wholeSize_;
    ChunkCopier copier_;
    bool extract_ = false;
    qint64 start_ = 0;
    qint64 end_ = 0;
    int count_ = 0;
    int file_ = 0;  // f, the file being split
    QString word_;
    bool fileFailed_ = false;
    bool sourceEnded_ = false;  // the file being split ended early
    QStringList written_;       // the pieces created for the file being split
};

SplitOutcome SplitRun::run()
{
    count_ = int(request_.files.size());
    if (!workOutRange())
        return outcome_;
    const QString dirText = request_.outDirText.trimmed();
    outcome_.SplitDir = dirText;
    outcome_.outDir = splitOutputDir(dirText);
    if (outcome_.outDir.isEmpty()) {
        host_.ask(Ask::Notice,
                  QStringLiteral("Choose the folder the pieces go to: the output folder is empty."),
                  Buttons::Ok, Icon::Information, Answer::Ok);
        outcome_.skipped = count_;
        return outcome_;
    }
    host_.progress(Panel::Split, Line::Total, QString(), 0, 100);
    word_ = count_ > 1 ? QStringLiteral("files") : QStringLiteral("file");
    for (file_ = 1; file_ <= count_ && !frame_.cancelRequested(); ++file_) {
        if (splitFile(file_) == Flow::Terminate)
            break;
    }
    return outcome_;
}

bool SplitRun::workOutRange()
{
    const qint64 start = request_.rangeStart;
    const qint64 end = request_.rangeEnd;
    extract_ = count_ == 1 && start > 0 && end > 0;
    if (extract_ && end < start) {
        host_.ask(Ask::Notice,
                  QStringLiteral("The starting piece cannot be higher than the ending piece..."),
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

// The run-time error question; false when the user chose to end the program.
bool SplitRun::carryOn(const RunError& error)
{
    fileFailed_ = true;
    return frame_.error(error, Flow::Go) != Flow::Terminate;
}

// A cancel in the middle of a file: its pieces written so far are an
// incomplete set without an info file, so they go.
Flow SplitRun::takeBack()
{
    for (const QString& path : std::as_const(written_))
        frame_.removeCreated(path);
    written_.clear();
    return Flow::Stop;
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
        skip(QStringLiteral("The file ") + s.name
                 + QStringLiteral(" will be skipped because it is not an ordinary file."),
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
        skip(s.name
                 + QStringLiteral(" will not be split because it is smaller than the part size "
                                  "specified. You should set the part size lower (to at least ")
                 + QString::number(qMax(s.length - 1, smallestPartSize()))
                 + QStringLiteral(" bytes)."),
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
            host_.status(
                s.name
                + QStringLiteral(
                    " was skipped: its split files exist already and are never overwritten."));
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

Flow SplitRun::splitFile(int f)
{
    Source s;
    s.name = request_.files.at(f - 1);
    s.path = request_.srcDir + s.name;
    fileFailed_ = false;
    sourceEnded_ = false;
    written_.clear();
    if (!admit(s))
        return Flow::Skip;
    if (!removeStaleSet(s))
        return Flow::Terminate;
    FileHandle input;
    const RunError opened = input.open(s.path, FileHandle::Mode::Read);
    if (opened.failed()) {
        // Without the source there is nothing to write for this file.
        if (!carryOn(opened))
            return Flow::Terminate;
        ++outcome_.skipped;
        return Flow::Skip;
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
    const Flow flow = writePieces(s, input);
    if (flow != Flow::Go)
        return flow;
    const RunError closed = input.close();
    if (closed.failed() && !carryOn(closed))
        return Flow::Terminate;
    if (frame_.cancelRequested())
        return takeBack();
    return finishFile(s, f);
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

// Writes pieces first..last: Go, Stop on a cancel (the pieces taken back),
// Terminate when the user chose to end the program.
Flow SplitRun::writePieces(const Source& s, FileHandle& input)
{
    for (qint64 i = s.first; i <= s.last && !sourceEnded_; ++i) {
        if (frame_.cancelRequested())
            return takeBack();
        const Flow flow = writePiece(s, input, i);
        if (flow == Flow::Stop || flow == Flow::Terminate)
            return flow;
        const qint64 k = i - s.first + 1;
        const qint64 n = s.last - s.first + 1;
        showPieceProgress(s, qMin(i * wholeSize_, s.endPosition), i);
        host_.progress(Panel::Split, Line::Total,
                       splitprogress::totalCaptionAfterPiece(k, n, file_, count_),
                       splitprogress::totalPercentAfterPiece(k, n, file_, count_), 100);
    }
    return Flow::Go;
}

// One piece as a new file (a file or link of its name is replaced, never
// written through). A piece that cannot be created is skipped after Yes.
Flow SplitRun::writePiece(const Source& s, FileHandle& input, qint64 i)
{
    const QString path = outcome_.outDir + s.base + QLatin1Char('.') + PartExt(i, s.letters);
    FileHandle piece;
    const RunError created = piece.open(path, FileHandle::Mode::Replace);
    if (created.failed())
        return carryOn(created) ? Flow::Skip : Flow::Terminate;
    written_ << path;
    const Flow flow = copyPiece(s, input, piece, i);
    if (flow == Flow::Stop || flow == Flow::Terminate) {
        (void)piece.close();
        return flow == Flow::Stop ? takeBack() : flow;
    }
    // The source may be deleted after this: its pieces must be on the disk.
    const RunError closed = piece.close(deletesSource());
    if (closed.failed() && !carryOn(closed))
        return Flow::Terminate;
    return flow;
}

// Copies piece i: in one go when it fits a chunk, else chunk by chunk with
// progress after each. A failed copy answered Yes abandons this piece (Skip);
// the next piece still starts at its own offset.
Flow SplitRun::copyPiece(const Source& s, FileHandle& input, FileHandle& piece, qint64 i)
{
    const qint64 pieceStart = (i - 1) * wholeSize_;
    const qint64 pieceLength = qMax<qint64>(0, qMin(wholeSize_, s.endPosition - pieceStart));
    copier_.alignTo(piece);
    const qint64 chunk = copier_.chunkSize();
    qint64 written = 0;
    auto copy = [&](qint64 length) -> Flow {
        const RunError e = copier_.copy(input, pieceStart + written, piece, written, length);
        if (e.failed()) {
            // Nothing more to read: the pieces after this one would be empty.
            sourceEnded_ = e.number == err::InputPastEnd;
            return carryOn(e) ? Flow::Skip : Flow::Terminate;
        }
        written += length;
        return Flow::Go;
    };
    if (pieceLength <= chunk)
        return copy(pieceLength);
    while (pieceLength - written >= chunk) {
        const Flow flow = copy(chunk);
        if (flow != Flow::Go)
            return flow;
        showPieceProgress(s, pieceStart + written, i);
        if (written < pieceLength && frame_.cancelRequested())
            return Flow::Stop;
    }
    return pieceLength > written ? copy(pieceLength - written) : Flow::Go;
}

Flow SplitRun::finishFile(const Source& s, int f)
{
    if (!extract_ && settings_.Split000) {
        const RunError e = writeInfoFile(s.path, outcome_.outDir + s.base + QStringLiteral(".000"),
                                         quint64(s.pieceCount), quint64(wholeSize_));
        if (e.failed() && !carryOn(e))
            return Flow::Terminate;
    }
    if (!extract_ && settings_.SplitBat && batchNameIsAPiece(s)) {
        // Writing it would overwrite that piece.
        host_.ask(Ask::Notice,
                  QStringLiteral("No batch file was written for ") + s.name
                      + QStringLiteral(": with ") + QString::number(s.pieceCount)
                      + QStringLiteral(" parts, part ")
                      + QString::number(LetterPieceNumber(QStringLiteral("bat")))
                      + QStringLiteral(" is named ") + s.base + QStringLiteral(".bat."),
                  Buttons::Ok, Icon::Information, Answer::Ok);
    } else if (!extract_ && settings_.SplitBat) {
        const BatchFileInput batch{s.name, s.base, s.pieceCount, settings_.SplitFileNames == 1};
        const RunError e = writeBatchFile(outcome_.outDir + s.base + QStringLiteral(".bat"), batch);
        if (e.failed() && !carryOn(e))
            return Flow::Terminate;
    }
    if (deletesSource() && !outcome_.errorFlag) {
        const RunError synced = syncDirectory(outcome_.outDir);
        if (synced.failed() && !carryOn(synced))
            return Flow::Terminate;
    }
    if (deletesSource() && !outcome_.errorFlag) {
        host_.status(QStringLiteral("Deleting original file..."));
        const RunError e = KillFile(s.path, settings_.WipeOnDel);
        if (e.failed() && !carryOn(e))
            return Flow::Terminate;
    }
    host_.status(QStringLiteral("Processed ") + s.name);
    host_.progress(Panel::Split, Line::Total,
                   splitprogress::totalCaptionAfterFile(f, count_, word_),
                   splitprogress::totalPercentAfterFile(f, count_), 100);
    if (fileFailed_)
        ++outcome_.skipped;
    else
        ++outcome_.split;
    return Flow::Go;
}

}  // namespace

SplitOutcome runSplit(SplitRequest request, Settings settings, Host& host)
{
    return SplitRun(request, settings, host).run();
}

}  // namespace tsl
