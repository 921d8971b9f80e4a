// tsl-cli append run as a process: bytes, messages and exit statuses.
#include "support/temp_files.h"

#include <QFile>
#include <gtest/gtest.h>

namespace tsl::test {
namespace {

TEST(AppendCli, AppendsFilesFromSeveralDirectoriesInTheOrderGiven)
{
    TempFolder folder;
    folder.writePattern("one/x", 15000, 1);
    folder.writePattern("two/x", 30, 2);
    folder.write("out/t", "T");
    const CliRun run =
        runCli({"append", "--chunk", "10000", "--to", "out/t", "two/x", folder.path("one/x")}, {},
               folder.dir());
    EXPECT_EQ(run.exitCode, 0) << run.err.toStdString();
    EXPECT_EQ(folder.read("out/t"), "T" + patternBytes(30, 2) + patternBytes(15000, 1));
    EXPECT_TRUE(run.err.contains("Processed t\n"));
    EXPECT_TRUE(folder.exists("two/x"));
}

TEST(AppendCli, DeleteRemovesTheFilesAndAMissingOneRefusesTheRun)
{
    TempFolder folder;
    folder.write("a", "A");
    CliRun run = runCli({"append", "--delete", "--no-wipe", "--to", "new", "a", "missing"}, {},
                        folder.dir());
    EXPECT_EQ(run.exitCode, 1);
    EXPECT_TRUE(run.err.contains("Nothing was appended to new: these list entries cannot be "
                                 "appended.\nmissing: does not exist\n"))
        << run.err.toStdString();
    EXPECT_EQ(folder.names(), QStringList{"a"});

    run = runCli({"append", "--delete", "--no-wipe", "--to", "new", "a"}, {}, folder.dir());
    EXPECT_EQ(run.exitCode, 0);
    EXPECT_EQ(folder.names(), QStringList{"new"});
    EXPECT_EQ(folder.read("new"), QByteArray("A"));
}

TEST(AppendCli, TargetInTheListThroughALinkIsRefused)
{
    TempFolder folder;
    folder.write("t", "T");
    folder.write("a", "A");
    ASSERT_TRUE(QFile::link(folder.path("t"), folder.path("l")));
    const CliRun run = runCli({"append", "--to", "t", "a", "l"}, {}, folder.dir());
    EXPECT_EQ(run.exitCode, 1);
    EXPECT_TRUE(run.err.contains(
        "t cannot be appended to itself: the list entry l is that file.\nNothing was appended."));
    EXPECT_EQ(folder.read("t"), QByteArray("T"));
}

}  // namespace
}  // namespace tsl::test
