// tsl-cli combine as a user runs it: options, answers without a terminal,
// exit statuses, and pieces made by coreutils split.
#include "support/piece_sets.h"
#include "support/temp_files.h"

#include <QFile>
#include <QProcess>
#include <QStandardPaths>
#include <gtest/gtest.h>

namespace tsl::test {
namespace {

QStringList combine(const QStringList& args)
{
    return QStringList{"combine"} + args;
}

// name in pieces of 1000 bytes, without piece `gap` when one is given.
QByteArray pieceSet(const TempFolder& folder, qint64 size, int gap = 0, bool info = true,
                    const QString& name = "clip.mpg")
{
    PieceSetLayout s;
    s.name = name;
    s.size = size;
    s.pieceSize = 1000;
    s.info = info;
    const QByteArray data = writePieceSet(folder, s);
    if (gap)
        QFile::remove(folder.path(name + ".00" + QString::number(gap)));
    return data;
}

TEST(CombineCli, ReportWithoutTerminalTakesCancelOrTheGivenAnswer)
{
    TempFolder folder;
    const QByteArray data = pieceSet(folder, 4000, 3);
    const QString entry = folder.path("clip.mpg.000");
    CliRun run = runCli(combine({entry}));
    EXPECT_EQ(run.exitCode, 1);
    EXPECT_TRUE(run.err.contains("clip.mpg is missing the following part:\n\n3\n\n"
                                 "Do you want to combine the existing parts?"))
        << run.err.toStdString();
    EXPECT_TRUE(run.err.contains("=> Cancel"));
    EXPECT_FALSE(folder.exists("clip.mpg"));

    // Joined to the gap: not the file the info file records, so not done.
    run = runCli(combine({"--report-answer", "exclude", entry}));
    EXPECT_EQ(run.exitCode, 1) << run.err.toStdString();
    EXPECT_TRUE(run.err.contains(
        "clip.mpg was written with 2000 bytes, but its info file records 4000 bytes."));
    EXPECT_TRUE(run.err.contains("3\n\nDo you want to combine the existing parts?"));
    EXPECT_TRUE(run.err.contains("clip.mpg was written, but it is not the whole file"));
    EXPECT_FALSE(run.err.contains("Processed clip.mpg"));
    EXPECT_EQ(folder.read("clip.mpg"), data.left(2000));
}

TEST(CombineCli, PieceSizeAnswersThePromptAndDeleteRemovesThePieces)
{
    TempFolder folder;
    const QByteArray data = pieceSet(folder, 2500, 0, false, "clip_mpg");
    const QString entry = folder.path("clip_mpg.001");
    CliRun run = runCli(combine({"--high-part", "3", "--piece-size", "1000", entry}));
    EXPECT_EQ(run.exitCode, 1);
    EXPECT_TRUE(run.err.contains("to skip the part size check.\n=> 1000 (--piece-size)"))
        << run.err.toStdString();
    EXPECT_TRUE(run.err.contains("Part 3 -- 500 missing bytes"));

    run = runCli(combine({"--high-part=3", "--no-size-check", "--delete", "--no-wipe",
                          "--no-fix-ext", "-q", entry}));
    EXPECT_EQ(run.exitCode, 0) << run.err.toStdString();
    EXPECT_EQ(folder.names(), QStringList{"clip_mpg"});
    EXPECT_EQ(folder.read("clip_mpg"), data);
    EXPECT_FALSE(run.err.contains("Processed"));
}

TEST(CombineCli, PiecesOfCoreutilsSplitCombineToTheOriginal)
{
    const QString split = QStandardPaths::findExecutable("split");
    if (split.isEmpty())
        GTEST_SKIP() << "coreutils split is not installed";
    TempFolder folder;
    folder.writePattern("src/movie.avi", 1234567, 5);
    QProcess p;
    p.setWorkingDirectory(folder.path("src"));
    p.start(split, {"--numeric-suffixes=1", "-a", "3", "-b", "100000", "movie.avi", "movie.avi."});
    ASSERT_TRUE(p.waitForFinished());
    ASSERT_EQ(p.exitCode(), 0);
    const QString out = folder.mkdir("out");
    const CliRun run = runCli(combine({"--missing", "combine", "--piece-size", "0", "--chunk",
                                       "30000", "-o", out, folder.path("src/movie.avi.001")}));
    EXPECT_EQ(run.exitCode, 0) << run.err.toStdString();
    EXPECT_EQ(folder.read("out/movie.avi"), folder.read("src/movie.avi"));
}

}  // namespace
}  // namespace tsl::test
