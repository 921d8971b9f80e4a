// The Split command on real files: the pieces, the info and batch files, the
// progress captions, the questions, and what a failure leaves on disk.
#include "pieces/info_file.h"
#include "support/engine_job.h"

#include <QFile>
#include <gtest/gtest.h>
#include <sys/stat.h>

using namespace tsl;
using namespace tsl::test;

namespace {

struct SplitFixture : ::testing::Test, EngineJob {
    TempFolder& t = folder;
    // The checksum file has tests of its own; here it would only lengthen every listing.
    SplitFixture() { settings.Checksums = false; }

    SplitOutcome splitWith(Host& h, const QStringList& files, qint64 first = 0, qint64 last = 0,
                           const QString& outDir = {})
    {
        return split(files, first, last, outDir, &h);
    }
    QByteArray joined(const QString& base, int count) const
    {
        QByteArray all;
        for (int i = 1; i <= count; ++i)
            all += t.read(base + QString(".%1").arg(i, 3, 10, QChar('0')));
        return all;
    }
};

QString runtimeError(int number, const QString& description, const QString& path)
{
    return runtimeQuestion(number, description, QStringLiteral("frmMain.cmdSplit"), path);
}

bool makeReadOnly(const QString& path)
{
    return ::chmod(QFile::encodeName(path).constData(), 0444) == 0;
}

}  // namespace

TEST_F(SplitFixture, OneMillionBytesInTwoPiecesWithInfoAndBatchFile)
{
    t.writePattern("movie.avi", 1000000);
    EXPECT_EQ(split({"movie.avi"}).split, 1);
    EXPECT_EQ(t.names(),
              QStringList({"movie.avi", "movie.avi.000", "movie.avi.001", "movie.avi.002",
                           "movie.avi.bat"}));
    EXPECT_EQ(t.size("movie.avi.001"), 512000);
    EXPECT_EQ(joined("movie.avi", 2), patternBytes(1000000));
    const QByteArray info = t.read("movie.avi.000");
    EXPECT_EQ(info.mid(1 + 9 + 12, 4), QByteArray::fromHex("40420F00"));
    EXPECT_EQ(info.right(8), QByteArray::fromHex("0200000000D00700"));
    EXPECT_TRUE(
        t.read("movie.avi.bat").contains("Copy /b \"movie.avi\" + \"movie.avi.002\" /y > nul\r\n"));
    EXPECT_EQ(host.conversation, QStringList{"status: Processed movie.avi"});
}

TEST_F(SplitFixture, PieceCountsAtTheEdges)
{
    settings.SplitSize = 100;
    const std::pair<const char*, qint64> sizes[] = {{"exact", 300},       {"more", 301},
                                                    {"n999", 99900},      {"n1000", 99901},
                                                    {"many", 1505 * 100}, {"fewer", 1504 * 100}};
    for (const auto& [name, size] : sizes)
        t.writePattern(name, size);
    EXPECT_EQ(split({"exact", "more", "n999", "n1000", "many", "fewer"}).split, 6);
    // An exact multiple has no empty piece; one byte more is a piece of its own.
    EXPECT_FALSE(t.exists("exact.004"));
    EXPECT_EQ(t.size("exact.003"), 100);
    EXPECT_EQ(t.size("more.004"), 1);
    EXPECT_EQ(joined("more", 4), patternBytes(301));
    // Letter names from 1000 pieces on, in the batch file too.
    EXPECT_TRUE(t.exists("n999.999"));
    EXPECT_FALSE(t.exists("n999.00a"));
    EXPECT_FALSE(t.exists("n1000.001"));
    EXPECT_EQ(t.size("n1000.aja"), 1);
    EXPECT_TRUE(t.read("n1000.bat").contains("Copy /b \"n1000.00a\" \"n1000\" /y > nul\r\n"));
    // The batch file never overwrites the piece named bat.
    EXPECT_EQ(t.read("many.bat"), patternBytes(100, 1, 1504 * 100));
    EXPECT_EQ(host.messages,
              QStringList{"No batch file was written for many: with 1505 parts, "
                          "part 1505 is named many.bat."});
    EXPECT_TRUE(t.read("fewer.bat").startsWith("@Echo Off\r\n"));
    EXPECT_TRUE(t.exists("fewer.0zz"));
}

TEST_F(SplitFixture, ChunkedPiecesKeepThePartSizeAndReportEveryChunk)
{
    // A chunk of whole blocks (12288 = 3 x 4096) is used as it stands.
    settings.SplitSize = 36864;
    settings.ChunkSize = 12288;
    t.writePattern("clip", 78000);
    split({"clip"});
    EXPECT_EQ(t.size("clip.002"), 36864);
    EXPECT_EQ(t.size("clip.003"), 4272);
    EXPECT_EQ(joined("clip", 3), patternBytes(78000));
    // One update per chunk and one after each piece; the last piece's only
    // chunk ends the file.
    const QStringList captions = host.captions(Line::Part);
    EXPECT_EQ(captions.size(), (3 + 1) + (3 + 1) + 1);
    EXPECT_EQ(captions.first(), "15% complete (1 of 3 parts written - clip)");
    EXPECT_EQ(captions.last(), "100% complete (3 of 3 parts written - clip)");
    const QStringList totals = host.captions(Line::Total);
    EXPECT_EQ(totals.size(), 4);
    EXPECT_EQ(totals.first(), "33% complete");
    EXPECT_EQ(totals.last(), "100% complete (1 of 1 file split)");
}

TEST_F(SplitFixture, OverallProgressNamesTheFilesDone)
{
    settings.SplitSize = 100;
    for (const char* name : {"a", "b", "c"})
        t.writePattern(name, 200);
    split({"a", "b", "c"});
    const QStringList totals = host.captions(Line::Total);
    EXPECT_EQ(totals.size(), 9);
    EXPECT_EQ(totals.first(), "16% complete");
    EXPECT_EQ(totals[3], "50% complete (1 of 3 files split)");
    EXPECT_EQ(totals.last(), "100% complete (3 of 3 files split)");
}

TEST_F(SplitFixture, EmptySourceWritesInfoAndBatchAndIsDeleted)
{
    settings.SplitDelete = true;
    t.write("empty.dat", {});
    split({"empty.dat"});
    EXPECT_EQ(t.names(), QStringList({"empty.dat.000", "empty.dat.bat"}));
    EXPECT_EQ(t.read("empty.dat.000").right(8), QByteArray::fromHex("0000000000D00700"));
    EXPECT_EQ(host.conversation,
              QStringList({"status: Deleting original file...", "status: Processed empty.dat"}));
}

// tiny.txt: 10 bytes would be the size that splits it, but part sizes start at 100.
TEST_F(SplitFixture, SmallSourceAndMissingSourceAreSkippedWithTheirMessages)
{
    t.writePattern("small.txt", 512000);
    t.writePattern("tiny.txt", 11);
    t.writePattern("fine.txt", 512001);
    const SplitOutcome o = split({"small.txt", "gone.txt", "tiny.txt", "fine.txt"});
    EXPECT_EQ(o.split, 1);
    EXPECT_EQ(o.skipped, 3);
    EXPECT_EQ(host.messages,
              QStringList({"small.txt will not be split because it is smaller than the part size "
                           "specified. You should set the part size lower (to at least 511999 "
                           "bytes).",
                           "The file gone.txt will be skipped because it does not exist in the "
                               + t.dir() + " directory.",
                           "tiny.txt will not be split because it is smaller than the part size "
                           "specified. You should set the part size lower (to at least 100 "
                           "bytes)."}));
    EXPECT_EQ(host.asked[0].icon, Icon::None);
    EXPECT_EQ(host.asked[1].icon, Icon::Information);
    EXPECT_FALSE(t.exists("small.txt.001"));
    EXPECT_TRUE(t.exists("fine.txt.002"));
}

TEST_F(SplitFixture, TooManyPiecesIsRefusedBeforeAnythingIsWritten)
{
    settings.SplitSize = 100;
    t.writeSparse("huge", 100LL * 19682 + 1);
    EXPECT_EQ(split({"huge"}).skipped, 1);
    EXPECT_EQ(t.names(), QStringList{"huge"});
    EXPECT_EQ(host.messages,
              QStringList{"huge will not be split because it would need 19683 parts, and parts "
                          "can only be numbered up to 19682. You should set the part size higher "
                          "(to at least 101 bytes)."});
}

TEST_F(SplitFixture, ExtractRangeWritesOnlyThosePiecesInTheWholeFilesScheme)
{
    settings.SplitSize = 1000;
    settings.SplitDelete = true;
    t.writePattern("five", 4500);
    EXPECT_EQ(split({"five"}, 2, 3).split, 1);
    EXPECT_EQ(t.names(), QStringList({"five", "five.002", "five.003"}));
    EXPECT_EQ(t.read("five.002") + t.read("five.003"), patternBytes(2000, 1, 1000));
    EXPECT_EQ(host.captions(Line::Part).last(), "66% complete (2 of 2 parts written - five)");

    settings.SplitSize = 100;
    t.writePattern("long", 150000);
    split({"long"}, 1000, 1001);
    EXPECT_EQ(t.names(),
              QStringList({"five", "five.002", "five.003", "long", "long.aja", "long.ajb"}));
    EXPECT_EQ(t.read("long.ajb"), patternBytes(100, 1, 100000));
}

TEST_F(SplitFixture, RangeIsIgnoredForSeveralFilesAndRefusedBackwards)
{
    settings.SplitSize = 100;
    t.writePattern("a", 300);
    t.writePattern("b", 300);
    split({"a", "b"}, 2, 2);
    EXPECT_TRUE(t.exists("a.001") && t.exists("b.003") && t.exists("a.000"));

    ScriptedHost fresh;
    t.writePattern("c", 300);
    EXPECT_TRUE(splitWith(fresh, {"c"}, 3, 2).rangeRefused);
    EXPECT_EQ(fresh.conversation,
              QStringList{"message: The starting piece cannot be higher than the ending piece..."});
    EXPECT_FALSE(t.exists("c.001"));
}

TEST_F(SplitFixture, ResplittingRemovesTheEarlierSetsPiecesItDoesNotRewrite)
{
    // The earlier split of a: its part size and whether it wrote an info file.
    // Without one the run of numbers after the new last piece tells; an
    // earlier set in the letter scheme (1600 pieces, a.bat its piece 1505)
    // goes whole. Files of other names stay.
    struct Case {
        double firstSize;
        bool info;
    };
    for (const Case c : {Case{100, true}, Case{100, false}, Case{1, true}}) {
        TempFolder folder;
        t.writePattern("a", 1600);
        settings.PartsExist = 2;
        settings.SplitBat = false;
        settings.SplitSize = c.firstSize;
        settings.Split000 = c.info;
        splitWith(host, {"a"}, 0, 0, folder.dir());
        folder.write("a.txt", "mine");
        folder.write("a.zzz", "not in the run");
        folder.write("a.0021", "no piece name");
        settings.SplitSize = 800;
        settings.Split000 = settings.SplitBat = true;
        EXPECT_EQ(splitWith(host, {"a"}, 0, 0, folder.dir()).split, 1);
        EXPECT_EQ(folder.names(),
                  QStringList({"a.000", "a.001", "a.002", "a.0021", "a.bat", "a.txt", "a.zzz"}))
            << c.firstSize << c.info;
        EXPECT_EQ(folder.read("a.001") + folder.read("a.002"), t.read("a"));
        EXPECT_EQ(folder.read("a.txt"), "mine");
    }
}

TEST_F(SplitFixture, ShortNamesNameEverythingAfterTheAlias)
{
    settings.SplitSize = 100;
    settings.SplitFileNames = 1;
    t.writePattern("My Long Report.doc", 250);
    split({"My Long Report.doc"});
    EXPECT_TRUE(t.exists("MYLONG~1.DOC.003"));
    EXPECT_TRUE(t.exists("MYLONG~1.DOC.000"));
    EXPECT_TRUE(
        t.read("MYLONG~1.DOC.bat").contains("Copy /b MYLONG~1.DOC.001 MYLONG~1.DOC.doc /y > nul"));
    // The existing-pieces test looks for the names this split writes: the alias's.
    settings.PartsExist = 1;
    host.answers = {Answer::Yes};
    EXPECT_EQ(split({"My Long Report.doc"}).split, 1);
    EXPECT_EQ(host.asked.size(), 1u);
}

// A read-only piece of an earlier set is not replaced, even when overwriting
// is allowed: that file is refused before anything of it is written; the
// other files are split as usual.
TEST_F(SplitFixture, AReadOnlyEarlierPieceRefusesItsFileOnly)
{
    settings.SplitSize = 100;
    settings.SplitDelete = true;
    settings.PartsExist = 2;
    t.writePattern("a", 200);
    t.writePattern("b", 200);
    ASSERT_TRUE(makeReadOnly(t.write("a.001", "old")));
    const SplitOutcome o = split({"a", "b"});
    EXPECT_EQ(o.failed, 1);
    EXPECT_EQ(o.split, 1);
    EXPECT_EQ(host.messages,
              QStringList{"a was not split: " + t.path("a.001")
                          + ": the file is read-only.\r\nNothing was written for it."});
    EXPECT_EQ(t.read("a.001"), "old");
    EXPECT_FALSE(t.exists("a.002"));
    EXPECT_EQ(joined("b", 2), patternBytes(200));
    EXPECT_TRUE(t.exists("a"));
}

TEST_F(SplitFixture, ReadOnlySourceIsNotDeleted)
{
    settings.SplitDelete = true;
    ASSERT_TRUE(makeReadOnly(t.writePattern("ro.bin", 600000)));
    host.answers = {Answer::Yes};
    EXPECT_TRUE(split({"ro.bin"}).errorFlag);
    EXPECT_EQ(host.conversation.mid(0, 2),
              QStringList({"status: Deleting original file...",
                           "ask: " + runtimeError(75, "Path/File access error", t.path("ro.bin"))
                               + " => Yes"}));
    EXPECT_EQ(t.read("ro.bin"), patternBytes(600000));
    EXPECT_EQ(joined("ro.bin", 2), patternBytes(600000));
}

TEST_F(SplitFixture, DeletedSourceIsWipedFirstUnlessWipingIsOff)
{
    settings.SplitDelete = true;
    for (const bool wipe : {true, false}) {
        settings.WipeOnDel = wipe;
        const QString name = wipe ? "x.bin" : "y.bin";
        t.writePattern(name, 600000);
        QFile keep(t.path(name));
        ASSERT_TRUE(keep.open(QIODevice::ReadOnly));
        split({name});
        EXPECT_FALSE(t.exists(name));
        EXPECT_EQ(keep.readAll(), wipe ? QByteArray(700000, '\0') : patternBytes(600000));
    }
}

TEST_F(SplitFixture, AShrinkingSourceIsReportedAndNeverDeleted)
{
    // Truncated at the second step of the whole-job line: after the first piece.
    struct TruncatingHost : ScriptedHost {
        QString path;
        void progress(Panel panel, Line line, const QString& caption, double value,
                      double maximum) override
        {
            ScriptedHost::progress(panel, line, caption, value, maximum);
            if (line == Line::Total && totalUpdates == 2)
                QFile::resize(path, 1500);
        }
    } shrinking;
    settings.SplitSize = 1000;
    settings.SplitDelete = true;
    shrinking.path = t.writePattern("shrinks", 5000);
    shrinking.answers = {Answer::Yes};
    const SplitOutcome o = splitWith(shrinking, {"shrinks"});
    EXPECT_TRUE(o.errorFlag);
    EXPECT_EQ(o.failed, 1);
    EXPECT_EQ(shrinking.messages,
              QStringList{runtimeError(62, "Input past end of file", t.path("shrinks"))});
    // Nothing of a file that could not be read whole is kept.
    EXPECT_EQ(t.names(), QStringList{"shrinks"});
}

TEST_F(SplitFixture, PiecesBeyondFourGibibytesAndTheWideInfoField)
{
    settings.SplitSize = 100000000;
    const qint64 size = 5LL << 30;
    t.writeSparse("big.img", size);
    // Only the last two pieces: the whole file is a benchmark's job.
    EXPECT_EQ(split({"big.img"}, 53, 54).split, 1);
    EXPECT_EQ(t.size("big.img.053"), 100000000);
    EXPECT_EQ(t.size("big.img.054"), size - 5300000000LL);
    QFile last(t.path("big.img.054"));
    ASSERT_TRUE(last.open(QIODevice::ReadOnly));
    ASSERT_TRUE(last.seek(last.size() - 4096));
    EXPECT_EQ(last.read(4096), patternBytes(4096, 7));

    ASSERT_FALSE(writeInfoFile(t.path("big.img"), t.path("big.img.000"), 54, 100000000).failed());
    InfoRecord r;
    ASSERT_EQ(ParseMS000(t.path("big.img.000"), false, r, host), info::Read);
    EXPECT_EQ(r.InfoTotalSize, quint64(size));
    EXPECT_EQ(t.size("big.img.000"), 38 + 7);  // BIG.IMG
}
