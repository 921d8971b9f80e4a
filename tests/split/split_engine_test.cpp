#include "combine/info_file.h"
#include "split/split_engine.h"
#include "support/scripted_host.h"
#include "support/temp_files.h"

#include <QFile>
#include <QFileInfo>
#include <gtest/gtest.h>
#include <sys/stat.h>

using namespace tsl;
using namespace tsl::test;

namespace {

struct SplitFixture : ::testing::Test {
    TempFolder t;
    ScriptedHost host;
    Settings settings;

    SplitOutcome split(const QStringList& files, const QString& start = {}, const QString& end = {},
                       const QString& outDir = {})
    {
        SplitRequest request{files, t.dir(), outDir.isEmpty() ? t.dir() : outDir, start, end};
        return cmdSplit(request, settings, host, nullptr);
    }

    QByteArray joined(const QString& base, int count, const QString& dir = {}) const
    {
        QByteArray all;
        for (int i = 1; i <= count; ++i) {
            QFile f((dir.isEmpty() ? t.dir() : dir) + base + QStringLiteral(".%1").arg(i, 3, 10, QChar('0')));
            EXPECT_TRUE(f.open(QIODevice::ReadOnly)) << f.fileName().toStdString();
            all += f.readAll();
        }
        return all;
    }
};

QString runtimeError(int number, const QString& description)
{
    return "Runtime Error: " + QString::number(number) + "\r\nProcedure: frmMain.cmdSplit.Shit\r\n\r\n"
        + description + "\r\n\r\nDo you want the program to try to continue?\r\n(Click NO to close the program.)";
}

}  // namespace

TEST_F(SplitFixture, OneMillionBytesInTwoPiecesWithInfoAndBatchFile)
{
    const QByteArray source = patternBytes(1000000);
    t.write("movie.avi", source);
    const SplitOutcome o = split({"movie.avi"});
    EXPECT_EQ(o.split, 1);
    EXPECT_FALSE(o.errorFlag);
    EXPECT_EQ(t.names(), (QStringList{"movie.avi", "movie.avi.000", "movie.avi.001", "movie.avi.002",
                                      "movie.avi.bat"}));
    EXPECT_EQ(t.size("movie.avi.001"), 512000);
    EXPECT_EQ(joined("movie.avi", 2), source);
    const QByteArray info = t.read("movie.avi.000");
    EXPECT_EQ(info.mid(1 + 9 + 12, 4), QByteArray::fromHex("40420F00"));
    EXPECT_EQ(info.right(8), QByteArray::fromHex("0200000000D00700"));
    EXPECT_TRUE(t.read("movie.avi.bat").contains("Copy /b \"movie.avi\" + \"movie.avi.002\" /y > nul\r\n"));
    EXPECT_EQ(host.conversation, QStringList{"status: Processed movie.avi"});
    EXPECT_EQ(host.busyOn, 1);
    EXPECT_EQ(host.busyOff, 1);
}

TEST_F(SplitFixture, ExactMultipleHasNoEmptyPieceOneByteMoreHasAOneBytePiece)
{
    settings.SplitSize = 1000;
    t.writePattern("exact", 3000);
    t.writePattern("more", 3001);
    split({"exact", "more"});
    EXPECT_FALSE(t.exists("exact.004"));
    EXPECT_EQ(t.size("exact.003"), 1000);
    EXPECT_EQ(t.size("more.004"), 1);
    EXPECT_EQ(joined("more", 4), patternBytes(3001));
    EXPECT_EQ(host.statuses, (QStringList{"Processed exact", "Processed more"}));
}

TEST_F(SplitFixture, ChunkedPiecesKeepThePartSizeAndReportEveryChunk)
{
    settings.SplitSize = 30000;
    settings.ChunkSize = 10000;
    t.writePattern("clip", 65000);
    split({"clip"});
    EXPECT_EQ(t.size("clip.001"), 30000);
    EXPECT_EQ(t.size("clip.002"), 30000);
    EXPECT_EQ(t.size("clip.003"), 5000);
    EXPECT_EQ(joined("clip", 3), patternBytes(65000));
    const QStringList captions = host.captions(Line::Part);
    EXPECT_EQ(captions.mid(0, 4),
              (QStringList{"15% complete (1 of 3 parts written - clip)",
                           "30% complete (1 of 3 parts written - clip)",
                           "46% complete (1 of 3 parts written - clip)",  // after piece 1
                           "46% complete (1 of 3 parts written - clip)"}));
    EXPECT_EQ(captions.last(), "100% complete (3 of 3 parts written - clip)");
    EXPECT_EQ(host.captions(Line::Total),
              (QStringList{"33% complete", "66% complete", "100% complete",
                           "100% complete (1 of 1 file split)"}));
}

TEST_F(SplitFixture, OverallProgressNamesTheFilesDone)
{
    settings.SplitSize = 100;
    t.writePattern("a", 200);
    t.writePattern("b", 200);
    t.writePattern("c", 200);
    split({"a", "b", "c"});
    EXPECT_EQ(host.captions(Line::Total),
              (QStringList{"16% complete", "33% complete", "33% complete",
                           "50% complete (1 of 3 files split)", "66% complete (1 of 3 files split)",
                           "66% complete (1 of 3 files split)", "83% complete (2 of 3 files split)",
                           "100% complete (2 of 3 files split)", "100% complete (3 of 3 files split)"}));
}

TEST_F(SplitFixture, EmptySourceWritesInfoAndBatchAndIsDeleted)
{
    settings.SplitDelete = true;
    t.write("empty.dat", {});
    split({"empty.dat"});
    EXPECT_EQ(t.names(), (QStringList{"empty.dat.000", "empty.dat.bat"}));
    EXPECT_EQ(t.read("empty.dat.000").right(8), QByteArray(8, '\0').replace(4, 4, QByteArray::fromHex("00D00700")));
    EXPECT_EQ(host.conversation, (QStringList{"status: Deleting original file...", "status: Processed empty.dat"}));
}

TEST_F(SplitFixture, SmallSourceAndMissingSourceAreSkippedWithTheirMessages)
{
    t.writePattern("small.txt", 512000);
    t.writePattern("fine.txt", 512001);
    const SplitOutcome o = split({"small.txt", "gone.txt", "fine.txt"});
    EXPECT_EQ(o.split, 1);
    EXPECT_EQ(o.skipped, 2);
    EXPECT_EQ(host.messages,
              (QStringList{"small.txt will not be split because it is smaller than the part size specified. "
                           "You should set the part size lower (to at least 511999 bytes).",
                           "The file gone.txt will be skipped because it does not exist in the " + t.dir()
                               + " directory."}));
    EXPECT_EQ(host.asked[0].icon, Icon::None);
    EXPECT_EQ(host.asked[1].icon, Icon::Information);
    EXPECT_FALSE(t.exists("small.txt.001"));
    EXPECT_TRUE(t.exists("fine.txt.002"));
}

TEST_F(SplitFixture, TooManyPiecesIsRefusedBeforeAnythingIsWritten)
{
    settings.SplitSize = 100;
    t.writeSparse("huge", 100LL * 19682 + 1);
    const SplitOutcome o = split({"huge"});
    EXPECT_EQ(o.skipped, 1);
    EXPECT_EQ(t.names(), QStringList{"huge"});
    ASSERT_EQ(host.messages.size(), 1);
    EXPECT_EQ(host.messages[0], "huge will not be split because it would need 19683 parts, and parts can "
                                "only be numbered up to 19682. You should set the part size higher (to at "
                                "least 101 bytes).");
}

TEST_F(SplitFixture, LetterNamesStartAtThousandPieces)
{
    settings.SplitSize = 100;
    t.writePattern("n999", 99900);
    t.writePattern("n1000", 99901);
    split({"n999", "n1000"});
    EXPECT_TRUE(t.exists("n999.999"));
    EXPECT_FALSE(t.exists("n999.00a"));
    EXPECT_TRUE(t.exists("n1000.00a"));
    EXPECT_TRUE(t.exists("n1000.aja"));
    EXPECT_EQ(t.size("n1000.aja"), 1);
    EXPECT_FALSE(t.exists("n1000.001"));
    EXPECT_TRUE(t.read("n1000.bat").contains("Copy /b \"n1000.00a\" \"n1000\" /y > nul\r\n"));
}

TEST_F(SplitFixture, ExtractRangeWritesOnlyThosePieces)
{
    settings.SplitSize = 1000;
    settings.SplitDelete = true;
    t.writePattern("five", 4500);
    const SplitOutcome o = split({"five"}, "2", "3");
    EXPECT_EQ(o.split, 1);
    EXPECT_EQ(t.names(), (QStringList{"five", "five.002", "five.003"}));
    EXPECT_EQ(t.read("five.002"), patternBytes(1000, 1, 1000));
    EXPECT_EQ(t.read("five.003"), patternBytes(1000, 1, 2000));
    EXPECT_EQ(host.captions(Line::Part).last(), "66% complete (2 of 2 parts written - five)");
}

TEST_F(SplitFixture, ExtractRangeFollowsTheWholeFilesScheme)
{
    settings.SplitSize = 100;
    t.writePattern("long", 150000);
    split({"long"}, "1000", "1001");
    EXPECT_EQ(t.names(), (QStringList{"long", "long.aja", "long.ajb"}));
    EXPECT_EQ(t.read("long.ajb"), patternBytes(100, 1, 100000));
}

TEST_F(SplitFixture, RangeIsIgnoredForSeveralFilesAndRefusedBackwards)
{
    settings.SplitSize = 100;
    t.writePattern("a", 300);
    t.writePattern("b", 300);
    split({"a", "b"}, "2", "2");
    EXPECT_TRUE(t.exists("a.001") && t.exists("b.003") && t.exists("a.000"));

    ScriptedHost fresh;
    t.writePattern("c", 300);
    const SplitOutcome o = cmdSplit({{"c"}, t.dir(), t.dir(), "3", "2"}, settings, fresh, nullptr);
    EXPECT_TRUE(o.rangeRefused);
    EXPECT_EQ(fresh.conversation,
              QStringList{"message: The starting piece cannot be higher than the ending piece..."});
    EXPECT_FALSE(t.exists("c.001"));
}

TEST_F(SplitFixture, ExistingPiecesConversation)
{
    settings.SplitSize = 100;
    t.writePattern("a", 200, 1);
    t.write("a.bat", "old");
    host.answers = {Answer::No};
    EXPECT_EQ(split({"a"}).skipped, 1);
    EXPECT_EQ(host.asked[0].text, "Do you want to overwrite the existing split files for a?");
    EXPECT_EQ(host.asked[0].buttons, Buttons::YesNo);
    EXPECT_EQ(host.asked[0].icon, Icon::Question);
    EXPECT_FALSE(t.exists("a.001"));

    host.answers = {Answer::Yes};
    EXPECT_EQ(split({"a"}).split, 1);
    EXPECT_TRUE(t.exists("a.002"));

    settings.PartsExist = 0;
    t.writePattern("a", 200, 2);
    EXPECT_EQ(split({"a"}).skipped, 1);
    EXPECT_EQ(t.read("a.001"), patternBytes(100, 1));  // untouched

    settings.PartsExist = 2;
    EXPECT_EQ(split({"a"}).split, 1);
    EXPECT_EQ(t.read("a.001"), patternBytes(100, 2));
    EXPECT_EQ(host.asked.size(), 2u);  // no further questions

    settings.SearchExist = false;
    settings.PartsExist = 0;
    EXPECT_EQ(split({"a"}).split, 1);
}

TEST_F(SplitFixture, ResplittingIntoFewerPiecesLeavesTheHigherOnes)
{
    settings.SplitSize = 100;
    settings.PartsExist = 2;
    t.writePattern("a", 500);
    split({"a"});
    settings.SplitSize = 250;
    split({"a"});
    EXPECT_EQ(t.size("a.002"), 250);
    EXPECT_TRUE(t.exists("a.005"));
}

TEST_F(SplitFixture, ShortNamesNameEverythingAfterTheAlias)
{
    settings.SplitSize = 100;
    settings.SplitFileNames = 1;
    t.writePattern("My Long Report.doc", 250);
    split({"My Long Report.doc"});
    EXPECT_TRUE(t.exists("MYLONG~1.DOC.003"));
    EXPECT_TRUE(t.exists("MYLONG~1.DOC.000"));
    EXPECT_TRUE(t.exists("MYLONG~1.DOC.bat"));
    EXPECT_TRUE(t.read("MYLONG~1.DOC.bat").contains("Copy /b MYLONG~1.DOC.001 MYLONG~1.DOC.doc /y > nul"));
    // The existing-pieces test looks for the long name, so no question now.
    settings.PartsExist = 1;
    EXPECT_EQ(split({"My Long Report.doc"}).split, 1);
    EXPECT_TRUE(host.asked.empty());
}

TEST_F(SplitFixture, MissingOutputDirectoryAnsweredNoEndsWithNothingDeleted)
{
    settings.SplitDelete = true;
    t.writePattern("movie.avi", 600000);
    host.answers = {Answer::No};
    const SplitOutcome o = split({"movie.avi"}, {}, {}, t.path("nowhere"));
    EXPECT_TRUE(o.terminated);
    ASSERT_EQ(host.asked.size(), 1u);
    EXPECT_EQ(host.asked[0].text, runtimeError(76, "Path not found"));
    EXPECT_EQ(host.asked[0].icon, Icon::Critical);
    EXPECT_EQ(host.asked[0].defaultAnswer, Answer::No);
    EXPECT_EQ(t.names(), QStringList{"movie.avi"});
    EXPECT_EQ(host.busyOff, 1);
}

TEST_F(SplitFixture, MissingOutputDirectoryAnsweredYesGoesOnButDeletesNothing)
{
    settings.SplitDelete = true;
    t.writePattern("movie.avi", 600000);
    t.writePattern("clip.mpg", 600000);
    host.answers = {Answer::Yes, Answer::Yes, Answer::Yes, Answer::Yes,
                    Answer::Yes, Answer::Yes, Answer::Yes, Answer::Yes};
    const SplitOutcome o = split({"movie.avi", "clip.mpg"}, {}, {}, t.path("nowhere"));
    EXPECT_TRUE(o.errorFlag);
    EXPECT_FALSE(o.terminated);
    EXPECT_EQ(host.asked.size(), 8u);  // two pieces, info and batch file of each
    EXPECT_TRUE(host.answers.empty());
    EXPECT_EQ(t.names(), (QStringList{"clip.mpg", "movie.avi"}));
    EXPECT_EQ(host.statuses, (QStringList{"Processed movie.avi", "Processed clip.mpg"}));
}

TEST_F(SplitFixture, AfterAnErrorTheRestIsSplitButNothingDeleted)
{
    settings.SplitSize = 100;
    settings.SplitDelete = true;
    settings.PartsExist = 2;
    t.writePattern("a", 200);
    t.writePattern("b", 200);
    const QString locked = t.write("a.001", "old");
    ASSERT_EQ(::chmod(QFile::encodeName(locked).constData(), 0444), 0);
    host.answers = {Answer::Yes};
    const SplitOutcome o = split({"a", "b"});
    EXPECT_EQ(host.asked[0].text, runtimeError(75, "Path/File access error"));
    EXPECT_TRUE(o.errorFlag);
    EXPECT_EQ(t.read("a.001"), "old");
    EXPECT_EQ(t.read("a.002"), patternBytes(100, 1, 100));
    EXPECT_EQ(joined("b", 2), patternBytes(200));
    EXPECT_TRUE(t.exists("a"));
    EXPECT_TRUE(t.exists("b"));
}

TEST_F(SplitFixture, ReadOnlySourceIsNotDeleted)
{
    settings.SplitDelete = true;
    const QString source = t.writePattern("ro.bin", 600000);
    ASSERT_EQ(::chmod(QFile::encodeName(source).constData(), 0444), 0);
    host.answers = {Answer::Yes};
    const SplitOutcome o = split({"ro.bin"});
    EXPECT_EQ(host.conversation.mid(0, 2),
              (QStringList{"status: Deleting original file...",
                           "ask: " + runtimeError(75, "Path/File access error") + " => Yes"}));
    EXPECT_TRUE(o.errorFlag);
    EXPECT_EQ(t.read("ro.bin"), patternBytes(600000));
    EXPECT_EQ(joined("ro.bin", 2), patternBytes(600000));
}

TEST_F(SplitFixture, DeletedSourceIsWipedFirst)
{
    settings.SplitDelete = true;
    t.writePattern("x.bin", 600000);
    QFile keep(t.path("x.bin"));
    ASSERT_TRUE(keep.open(QIODevice::ReadOnly));
    split({"x.bin"});
    EXPECT_FALSE(t.exists("x.bin"));
    EXPECT_EQ(keep.readAll(), QByteArray(700000, '\0'));

    settings.WipeOnDel = false;
    t.writePattern("y.bin", 600000);
    QFile keepY(t.path("y.bin"));
    ASSERT_TRUE(keepY.open(QIODevice::ReadOnly));
    split({"y.bin"});
    EXPECT_EQ(keepY.readAll(), patternBytes(600000));
}

namespace {
// Truncates the source the second time the engine services events, which is
// right after the first piece.
struct TruncatingHost : ScriptedHost {
    QString path;
    int calls = 0;
    void pumpEvents() override
    {
        if (++calls == 2)
            QFile::resize(path, 1500);
        ScriptedHost::pumpEvents();
    }
};
}  // namespace

TEST(SplitShrinkingSource, IsReportedAndNeverDeleted)
{
    TempFolder t;
    Settings settings;
    settings.SplitSize = 1000;
    settings.SplitDelete = true;
    TruncatingHost host;
    host.path = t.writePattern("shrinks", 5000);
    host.answers = {Answer::Yes};
    const SplitOutcome o = cmdSplit({{"shrinks"}, t.dir(), t.dir(), {}, {}}, settings, host, nullptr);
    EXPECT_TRUE(o.errorFlag);
    ASSERT_EQ(host.asked.size(), 1u);
    EXPECT_EQ(host.asked[0].text, runtimeError(62, "Input past end of file"));
    EXPECT_TRUE(t.exists("shrinks"));
    EXPECT_EQ(t.read("shrinks.002"), patternBytes(500, 1, 1000));
    EXPECT_FALSE(t.exists("shrinks.003"));
    EXPECT_TRUE(t.exists("shrinks.000"));
}

TEST(SplitHugeFile, PiecesBeyondFourGibibytesAndTheWideInfoField)
{
    TempFolder t;
    ScriptedHost host;
    Settings settings;
    settings.SplitSize = 100000000;
    const qint64 size = 5LL << 30;
    t.writeSparse("big.img", size);
    // Only the last two pieces: the whole file is a benchmark's job.
    const SplitOutcome o = cmdSplit({{"big.img"}, t.dir(), t.dir(), "53", "54"}, settings, host, nullptr);
    EXPECT_EQ(o.split, 1);
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

TEST_F(SplitFixture, BatchFileNeverOverwritesThePieceNamedBat)
{
    settings.SplitSize = 100;
    t.writePattern("many", 1505 * 100);
    t.writePattern("fewer", 1504 * 100);
    split({"many", "fewer"});
    EXPECT_EQ(t.read("many.bat"), patternBytes(100, 1, 1504 * 100));
    EXPECT_EQ(host.messages,
              QStringList{"No batch file was written for many: with 1505 parts, part 1505 is named many.bat."});
    EXPECT_TRUE(t.read("fewer.bat").startsWith("@Echo Off\r\n"));
    EXPECT_TRUE(t.exists("fewer.0zz"));
}
