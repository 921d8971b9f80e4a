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
    run = runCli({"split", "-s", "1000", "--range", "2-6", t.path("a.bin")});
    EXPECT_EQ(run.exitCode, 2);
    EXPECT_TRUE(run.err.contains("a.bin has 5 pieces of this size: --range must stay within 1-5."));
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
    // --range counts the pieces of this file's own size.
    run = runCli({"split", "--pieces", "4", "--range", "2-5", t.path("a.bin")});
    EXPECT_EQ(run.exitCode, 2);
    EXPECT_TRUE(run.err.contains("a.bin has 4 pieces of this size: --range must stay within 1-4."));
    for (const char* n : {"1", "19683", "many"}) {
        run = runCli({"split", "--pieces", n, t.path("a.bin")});
        EXPECT_EQ(run.exitCode, 2) << n;
        EXPECT_TRUE(run.err.contains("--pieces takes a number of pieces from 2 to 19682.\n")) << n;
    }
    run = runCli({"split", "--pieces", "3", "--size", "cd700", t.path("a.bin")});
    EXPECT_EQ(run.exitCode, 2);
    EXPECT_TRUE(run.err.contains("--size and --pieces cannot be used together."));
    EXPECT_TRUE(runCli({"split", "--help"}).out.simplified().contains("dvd 4697620480, dvd-dl"));
}

TEST(SplitCli, BadUsageSaysWhyWithTheUsage)
{
    TempFolder t;
    const QString a = t.write("a", "x"), b = t.write("sub/b", "x");
    const QList<QStringList> bad{
        {"split"},
        {"split", "-s", "99", a},
        {"split", "--chunk", "9999", a},
        {"split", "--existing", "sometimes", a},
        {"split", "--yes", "--no", a},
        {"split", "--range", "1-2", a, b},
        {"split", a, b},
        {"split", "--frobnicate", a},
        {"bogus"},
    };
    for (const QStringList& args : bad) {
        const CliRun run = runCli(args);
        EXPECT_EQ(run.exitCode, 2) << args.join(' ').toStdString();
        // One line says why, the next where to read more; never the whole help.
        EXPECT_TRUE(run.err.endsWith("\nTry 'tsl-cli " + args.first() + " --help'.\n")
                    || args.first() == "bogus")
            << run.err.toStdString();
        EXPECT_EQ(run.err.count('\n'), args.first() == "bogus" ? run.err.count('\n') : 2)
            << run.err.toStdString();
    }
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
