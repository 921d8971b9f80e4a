// tsl-cli run as a process, one happy path per command: its options reach
// the job, and its exit status and standard error say how the run went.
// Bad usage is in cli_usage_test.cpp, answers in cli_answers_test.cpp, the
// terminal's prompts in terminal_cli_test.cpp, Ctrl-C in cli_cancel_test.cpp.
#include "support/piece_sets.h"
#include "support/temp_files.h"

#include <QFile>
#include <QProcess>
#include <QStandardPaths>
#include <gtest/gtest.h>

namespace tsl::test {
namespace {

// The options are listed from the parser's own table; what is ours is the
// usage line, naming the command rather than the executable's path, and the
// exit statuses.
TEST(CliHelp, EveryCommandNamesItselfAndItsExitStatuses)
{
    const QString overview = runCli({"--help"}).out;
    for (const QString command : {"split", "combine", "append", "info", "config"}) {
        const CliRun run = runCli({command, "--help"});
        EXPECT_EQ(run.exitCode, 0);
        EXPECT_TRUE(run.out.startsWith("Usage: tsl-cli " + command + " [options] "))
            << run.out.toStdString();
        if (command != "info" && command != "config") {
            EXPECT_TRUE(run.out.contains("Exit status: 0 ")) << command.toStdString();
        }
        EXPECT_TRUE(overview.contains("\n  " + command + "  ")) << command.toStdString();
    }
}

// The exit statuses of the questions' answers are in cli_answers_test.cpp.
TEST(CliExitStatus, OneWhenAFileWasSkippedOrFailedZeroWhenAllWasDone)
{
    TempFolder t;
    writePieceSet(t, {.name = "set", .size = 3000, .pieceSize = 1000});
    QFile::remove(t.path("set.002"));
    // args, status, a line standard error holds
    const QList<std::tuple<QStringList, int, QString>> cases = {
        {{"split", "-q", t.writePattern("small", 10)},
         1,
         "will not be split because it is smaller"},
        {{"combine", "-q", "--report-answer", "cancel", t.path("set.000")},
         1,
         "set is missing the following part"},
        {{"--help-all"}, 0, ""},
    };
    for (const auto& [args, status, said] : cases) {
        SCOPED_TRACE(args.join(' ').toStdString());
        const CliRun run = runCli(args);
        EXPECT_EQ(run.exitCode, status) << run.err.toStdString();
        EXPECT_TRUE(run.err.contains(said)) << run.err.toStdString();
    }
}

TEST(SplitCli, OptionsOverrideTheSettings)
{
    TempFolder t;
    t.writePattern("a.bin", 2500);
    const QString out = t.mkdir("out");
    CliRun run = runCli({"split", "-s", "1000", "--chunk", "10000", "--no-info", "--no-bat",
                         "--delete", "--no-wipe", "-q", "-o", out, t.path("a.bin")});
    EXPECT_EQ(run.exitCode, 0) << run.err.toStdString();
    EXPECT_EQ(run.err, "");
    EXPECT_EQ(t.names(), QStringList{"out"});
    EXPECT_EQ(t.size("out/a.bin.003"), 500);
    EXPECT_FALSE(t.exists("out/a.bin.000") || t.exists("out/a.bin.bat"));

    t.writePattern("b.bin", 4500);
    run = runCli({"split", "-s", "1000", "--range", "2-3", t.path("b.bin")});
    EXPECT_EQ(run.exitCode, 0);
    EXPECT_EQ(t.names(), QStringList({"b.bin", "b.bin.002", "b.bin.003", "b.bin.sha256", "out"}));
    run = runCli({"split", "-q", "--pieces", "2", "-o", out, t.path("b.bin")});
    EXPECT_EQ(run.exitCode, 0) << run.err.toStdString();
    EXPECT_EQ(t.size("out/b.bin.002"), 2250);
}

TEST(SplitCli, SizeUnitsCountThousandsOrPowersOfTwoOrNameASize)
{
    TempFolder t;
    t.writePattern("b", 1457665);
    EXPECT_EQ(runCli({"split", "-q", "--size", "floppy", t.path("b")}).exitCode, 0);
    EXPECT_EQ(t.size("b.002"), 1);
    t.writePattern("f", 5000);
    for (const auto& [size, piece] : {std::pair{"1k", 1000}, std::pair{"2KiB", 2048},
                                      std::pair{"1.5k", 1500}, std::pair{" 1200 ", 1200}}) {
        const CliRun run = runCli({"split", "-q", "-y", "-s", size, t.path("f")});
        EXPECT_EQ(run.exitCode, 0) << size << run.err.toStdString();
        EXPECT_EQ(t.size("f.001"), piece) << size;
    }
}

TEST(CombineCli, OptionsAnswerThePromptAndOverrideTheSettings)
{
    TempFolder folder;
    PieceSetLayout layout{.name = "clip_mpg", .size = 2500, .pieceSize = 1000, .info = false};
    const QByteArray data = writePieceSet(folder, layout);
    const QString entry = folder.path("clip_mpg.001");
    CliRun run = runCli({"combine", "--high-part", "3", "--piece-size", "1000", entry});
    EXPECT_EQ(run.exitCode, 1);
    EXPECT_TRUE(run.err.contains("to skip the part size check.\n=> 1000 (--piece-size)"))
        << run.err.toStdString();
    EXPECT_TRUE(run.err.contains("Part 3 -- 500 missing bytes"));
    EXPECT_TRUE(run.err.contains("=> Cancel (no terminal to ask)"));

    run = runCli({"combine", "--high-part=3", "--no-size-check", "--delete", "--no-wipe",
                  "--no-fix-ext", "-q", entry});
    EXPECT_EQ(run.exitCode, 0) << run.err.toStdString();
    EXPECT_EQ(folder.names(), QStringList{"clip_mpg"});
    EXPECT_EQ(folder.read("clip_mpg"), data);
    EXPECT_EQ(run.err, "");
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
    const CliRun run = runCli({"combine", "--missing", "combine", "--piece-size", "0", "--chunk",
                               "30000", "-o", out, folder.path("src/movie.avi.001")});
    EXPECT_EQ(run.exitCode, 0) << run.err.toStdString();
    EXPECT_EQ(folder.read("out/movie.avi"), folder.read("src/movie.avi"));
}

// Files from several folders, in the order given, relative to the working
// folder or absolute.
TEST(AppendCli, AppendsFilesFromSeveralFoldersInTheOrderGivenAndDeletesThem)
{
    TempFolder folder;
    folder.writePattern("one/x", 15000, 1);
    folder.writePattern("two/x", 30, 2);
    folder.write("out/t", "T");
    const CliRun run = runCli({"append", "--chunk", "10000", "--delete", "--no-wipe", "--to",
                               "out/t", "two/x", folder.path("one/x")},
                              {}, folder.dir());
    EXPECT_EQ(run.exitCode, 0) << run.err.toStdString();
    EXPECT_EQ(folder.read("out/t"), "T" + patternBytes(30, 2) + patternBytes(15000, 1));
    EXPECT_TRUE(run.err.contains("Processed t\n"));
    EXPECT_FALSE(folder.exists("two/x") || folder.exists("one/x"));
}

TEST(InfoCli, PrintsTheRecordOrSaysItIsDamaged)
{
    TempFolder t;
    t.writePattern("movie.avi", 1000000);
    ASSERT_EQ(runCli({"split", "-q", t.path("movie.avi")}).exitCode, 0);
    CliRun run = runCli({"info", t.path("movie.avi.000")});
    EXPECT_EQ(run.exitCode, 0);
    EXPECT_TRUE(
        run.out.contains("Pieces:        2\nPiece size:    512000\nTotal size:    1000000\n"))
        << run.out.toStdString();
    EXPECT_TRUE(run.out.contains("Attributes:    32 (archive)"));
    t.write("bad.000", QByteArray(1, char(90)));
    run = runCli({"info", t.path("bad.000")});
    EXPECT_EQ(run.exitCode, 1);
    EXPECT_EQ(run.err, t.path("bad.000") + ": (Bad .000 file)\n");
}

}  // namespace
}  // namespace tsl::test
