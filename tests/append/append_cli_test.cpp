// tsl-cli append run as a process: bytes, messages and exit statuses.
#include "support/temp_files.h"

#include <QFile>
#include <gtest/gtest.h>

namespace tsl::test {
namespace {

TEST(AppendCli, AppendsFilesFromSeveralDirectoriesInTheOrderGiven)
{
    TempFolder folder;
    folder.writePattern(QStringLiteral("one/x"), 15000, 1);
    folder.writePattern(QStringLiteral("two/x"), 30, 2);
    folder.write(QStringLiteral("out/t"), "T");
    const CliRun run
        = runCli({ QStringLiteral("append"), QStringLiteral("--chunk"), QStringLiteral("10000"),
                     QStringLiteral("--to"), QStringLiteral("out/t"), QStringLiteral("two/x"),
                     folder.path(QStringLiteral("one/x")) },
            {}, folder.dir());
    EXPECT_EQ(run.exitCode, 0) << run.err.toStdString();
    EXPECT_EQ(
        folder.read(QStringLiteral("out/t")), "T" + patternBytes(30, 2) + patternBytes(15000, 1));
    EXPECT_TRUE(run.err.contains(QStringLiteral("Processed t\n")));
    EXPECT_TRUE(folder.exists(QStringLiteral("two/x")));
}

TEST(AppendCli, DeleteRemovesTheFilesAndAMissingOneGivesStatusOne)
{
    TempFolder folder;
    folder.write(QStringLiteral("a"), "A");
    const CliRun run
        = runCli({ QStringLiteral("append"), QStringLiteral("--delete"),
                     QStringLiteral("--no-wipe"), QStringLiteral("--to"), QStringLiteral("new"),
                     QStringLiteral("a"), QStringLiteral("missing") },
            {}, folder.dir());
    EXPECT_EQ(run.exitCode, 1);
    EXPECT_TRUE(run.err.contains(QStringLiteral("passed over (no such file): missing")));
    EXPECT_EQ(folder.read(QStringLiteral("new")), QByteArray("A"));
    EXPECT_FALSE(folder.exists(QStringLiteral("a")));
}

TEST(AppendCli, TargetInTheListThroughALinkIsRefused)
{
    TempFolder folder;
    folder.write(QStringLiteral("t"), "T");
    folder.write(QStringLiteral("a"), "A");
    ASSERT_TRUE(QFile::link(folder.path(QStringLiteral("t")), folder.path(QStringLiteral("l"))));
    const CliRun run = runCli({ QStringLiteral("append"), QStringLiteral("--to"),
                                  QStringLiteral("t"), QStringLiteral("a"), QStringLiteral("l") },
        {}, folder.dir());
    EXPECT_EQ(run.exitCode, 1);
    EXPECT_TRUE(run.err.contains(QStringLiteral(
        "t cannot be appended to itself: the list entry l is that file.\nNothing was appended.")));
    EXPECT_EQ(folder.read(QStringLiteral("t")), QByteArray("T"));
}

TEST(AppendCli, ReadOnlyTargetTakesTheDefaultNoOrTheYesOfTheOption)
{
    TempFolder folder;
    folder.write(QStringLiteral("a"), "A");
    const QString t = folder.write(QStringLiteral("t"), "T");
    ASSERT_TRUE(QFile::setPermissions(t, QFileDevice::ReadOwner));
    const QStringList args
        = { QStringLiteral("append"), QStringLiteral("--to"), t, folder.path(QStringLiteral("a")) };
    CliRun run = runCli(args);
    EXPECT_EQ(run.exitCode, 1);
    EXPECT_TRUE(run.err.contains(QStringLiteral("t is a read-only file.\n")));
    EXPECT_TRUE(run.err.contains(QStringLiteral("=> No (default)")));
    EXPECT_EQ(folder.read(QStringLiteral("t")), QByteArray("T"));

    run = runCli(QStringList(args) << QStringLiteral("-y"));
    EXPECT_EQ(run.exitCode, 0) << run.err.toStdString();
    EXPECT_EQ(folder.read(QStringLiteral("t")), QByteArray("TA"));
}

TEST(AppendCli, BadUsageGivesStatusTwoAndHelpDescribesTheOptions)
{
    TempFolder folder;
    folder.write(QStringLiteral("a"), "A");
    const QString a = folder.path(QStringLiteral("a"));
    EXPECT_EQ(runCli({ QStringLiteral("append"), a }).exitCode, 2);
    EXPECT_EQ(runCli({ QStringLiteral("append"), QStringLiteral("--to"),
                         folder.path(QStringLiteral("t")) })
                  .exitCode,
        2);
    EXPECT_EQ(
        runCli({ QStringLiteral("append"), QStringLiteral("--to"), folder.dir(), a }).exitCode, 2);
    EXPECT_EQ(runCli({ QStringLiteral("append"), QStringLiteral("--chunk"), QStringLiteral("5"),
                         QStringLiteral("--to"), folder.path(QStringLiteral("t")), a })
                  .exitCode,
        2);
    EXPECT_FALSE(folder.exists(QStringLiteral("t")));

    const CliRun help = runCli({ QStringLiteral("append"), QStringLiteral("--help") });
    EXPECT_EQ(help.exitCode, 0);
    for (const char* word : { "--to", "--delete", "--keep", "--no-wipe", "--chunk", "--yes", "--no",
             "--quiet", "Exit status" })
        EXPECT_TRUE(help.out.contains(QLatin1String(word))) << word;
}

}  // namespace
}  // namespace tsl::test
