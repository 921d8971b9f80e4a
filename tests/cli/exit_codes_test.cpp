// tsl-cli's exit statuses as a script sees them: 1 when a file was skipped or
// failed, 0 when everything was done (bad usage, 2: cli_usage_test.cpp).
#include "support/piece_sets.h"
#include "support/temp_files.h"

#include <QDir>
#include <gtest/gtest.h>

namespace tsl::test {
namespace {

TEST(ExitCodes, EveryInvocationGetsItsStatus)
{
    TempFolder t;
    const QString a = t.writePattern("a.bin", 4096);
    const QString small = t.writePattern("small", 10);
    writePieceSet(t, {.name = "set", .size = 3000, .pieceSize = 1000});
    QFile::remove(t.path("set.002"));
    // args, status, a line standard error holds
    const QList<std::tuple<QStringList, int, QString>> cases = {
        {{"--help-all"}, 0, ""},
        {{"split", "--help-all"}, 0, ""},
        {{"split", "-q", small}, 1, "will not be split because it is smaller"},
        {{"combine", "-q", t.path("set.000")}, 1, "set is missing the following part"},
        {{"split", "-q", "-s", "1KiB", a}, 0, ""},
        {{"split", "-s", "1KiB", "--existing", "never", a},
         1,
         "a.bin was skipped: its split files exist already and are never overwritten."},
    };
    for (const auto& [args, status, said] : cases) {
        const CliRun run = runCli(args);
        EXPECT_EQ(run.exitCode, status) << args.join(' ').toStdString() << "\n"
                                        << run.err.toStdString();
        EXPECT_TRUE(run.err.contains(said)) << args.join(' ').toStdString() << "\n"
                                            << run.err.toStdString();
    }
    EXPECT_EQ(t.size("a.bin.004"), 1024);  // the last run: 1KiB pieces
    EXPECT_FALSE(t.exists("a.bin.005"));
}

TEST(ExitCodes, SizeUnitsCountThousandsOrPowersOfTwo)
{
    TempFolder t;
    t.writePattern("f", 5000);
    for (const auto& [size, piece] : {std::pair{"1k", 1000}, std::pair{"2KiB", 2048},
                                      std::pair{"1.5k", 1500}, std::pair{" 1200 ", 1200}}) {
        const CliRun run = runCli({"split", "-q", "-y", "-s", size, t.path("f")});
        EXPECT_EQ(run.exitCode, 0) << size << run.err.toStdString();
        EXPECT_EQ(t.size("f.001"), piece) << size;
    }
}

TEST(ExitCodes, BlankOutputFolderMeansTheFilesOwn)
{
    TempFolder t;
    const QString name = "tsl-blank-" + QFileInfo(t.dir().chopped(1)).fileName();
    t.writePattern(name, 2500);
    for (const char* out : {"", "  "}) {
        const CliRun run = runCli({"split", "-q", "-y", "-s", "1000", "-o", out, t.path(name)});
        EXPECT_EQ(run.exitCode, 0) << run.err.toStdString();
        EXPECT_EQ(t.size(name + ".003"), 500);
        EXPECT_FALSE(QFileInfo::exists(QDir::rootPath() + name + ".001"));
    }
}

}  // namespace
}  // namespace tsl::test
