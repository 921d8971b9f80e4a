// tsl-cli run as a process: every command's help, and split and info.
#include "support/temp_files.h"

#include <gtest/gtest.h>

using namespace tsl::test;

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

TEST(SplitCli, OptionsOverrideTheSettings)
{
    TempFolder t;
    t.writePattern("a.bin", 2500);
    const QString out = t.mkdir("out");
    const CliRun run = runCli({"split", "-s", "1000", "--chunk", "10000", "--no-info", "--no-bat",
                               "--delete", "--no-wipe", "-q", "-o", out, t.path("a.bin")});
    EXPECT_EQ(run.exitCode, 0) << run.err.toStdString();
    EXPECT_EQ(run.err, "");
    EXPECT_EQ(t.names(), QStringList{"out"});
    EXPECT_EQ(t.size("out/a.bin.003"), 500);
    EXPECT_FALSE(t.exists("out/a.bin.000"));
    EXPECT_FALSE(t.exists("out/a.bin.bat"));
}

TEST(SplitCli, ExtractRange)
{
    TempFolder t;
    t.writePattern("a.bin", 4500);
    CliRun run = runCli({"split", "-s", "1000", "--range", "2-3", t.path("a.bin")});
    EXPECT_EQ(run.exitCode, 0);
    EXPECT_EQ(t.names(), QStringList({"a.bin", "a.bin.002", "a.bin.003", "a.bin.sha256"}));
}

TEST(SplitCli, PiecesPerFileAndNamedSizes)
{
    TempFolder t;
    t.writePattern("a.bin", 1001);
    t.writePattern("b.bin", 1457665);
    CliRun run = runCli({"split", "-q", "--pieces", "2", t.path("a.bin")});
    EXPECT_EQ(run.exitCode, 0) << run.err.toStdString();
    EXPECT_EQ(t.size("a.bin.001"), 501);
    EXPECT_EQ(t.size("a.bin.002"), 500);
    run = runCli({"split", "-q", "--size", "floppy", t.path("b.bin")});
    EXPECT_EQ(run.exitCode, 0) << run.err.toStdString();
    EXPECT_EQ(t.size("b.bin.001"), 1457664);
    EXPECT_EQ(t.size("b.bin.002"), 1);
    EXPECT_TRUE(runCli({"split", "--help"}).out.simplified().contains("dvd 4697620480, dvd-dl"));
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
