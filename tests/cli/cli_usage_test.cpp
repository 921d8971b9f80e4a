// Bad usage of every tsl-cli command: exit status 2, one line saying why and
// one saying where to read more (never the whole help), and nothing written.
#include "support/piece_sets.h"
#include "support/temp_files.h"

#include <QDir>
#include <gtest/gtest.h>
#include <sys/stat.h>

namespace tsl::test {
namespace {

TEST(CliUsage, EveryCommandRefusesBadUsageWithOneLineAndWritesNothing)
{
    TempFolder t;
    const QString a = t.writePattern("a.bin", 4096);
    const QString b = t.write("sub/b", "x");
    const QString dir = t.mkdir("folder");
    const QString pipe = t.path("pipe");
    ASSERT_EQ(::mkfifo(QFile::encodeName(pipe).constData(), 0600), 0);
    writePieceSet(t, {.name = "clip.mpg", .size = 4000, .pieceSize = 1000});
    const QString set = t.path("clip.mpg.000");
    const QString gone = t.path("gone");
    const QString size = "--size takes a name (floppy, ";
    const QProcessEnvironment env = isolatedEnvironment(t.path("env"));
    // args, what the first line says
    const QList<std::pair<QStringList, QString>> cases = {
        {{"split"}, "Name at least one FILE to split."},
        {{"split", "-s", "99", a}, size},
        {{"split", "-s", "1e3", a}, size},
        {{"split", "-s", "1,5k", a}, size},
        {{"split", "-s", "1025GiB", a}, size},
        {{"split", "--chunk", "9999", a}, "--chunk takes "},
        {{"split", "--existing", "sometimes", a}, "--existing takes never, ask or always."},
        {{"split", "--yes", "--no", a}, "--yes and --no cannot be given together."},
        {{"split", "--on-error", "maybe", a}, "--on-error takes stop or continue."},
        {{"split", "--delete", "--keep", a}, "--delete and --keep cannot be given together."},
        {{"split", "--checksums", "--no-checksums", a}, "--checksums and --no-checksums cannot"},
        {{"split", "--range", "1-2", a, set}, "--range works with one FILE only."},
        {{"split", "--range", "3-2", a}, "the first piece cannot be higher than the last"},
        {{"split", "--range", "two", a}, "--range takes FIRST-LAST"},
        {{"split", "-s", "1000", "--range", "2-6", a},
         "a.bin has 5 pieces of this size: --range must stay within 1-5."},
        {{"split", "--pieces", "4", "--range", "2-5", a},
         "a.bin has 4 pieces of this size: --range must stay within 1-4."},
        {{"split", "--pieces", "1", a}, "--pieces takes a number of pieces from 2 to 19682."},
        {{"split", "--pieces", "19683", a}, "--pieces takes a number of pieces from 2 to 19682."},
        {{"split", "--pieces", "3", "--size", "cd700", a},
         "--size and --pieces cannot be used together."},
        {{"split", a, b}, "All FILEs must be in one directory"},
        {{"split", "-o", t.path("none"), a}, t.path("none") + ": no such directory."},
        {{"split", gone}, gone + ": no such file."},
        {{"split", dir}, dir + ": not an ordinary file."},
        {{"split", pipe}, pipe + ": not an ordinary file."},
        {{"split", "--frobnicate", a}, "frobnicate"},
        {{"combine"}, "Name at least one SET (name.000 or name.001)."},
        {{"combine", "--missing", "maybe", set}, "--missing takes "},
        {{"combine", "--extra", "never", set}, "--extra takes "},
        {{"combine", "--report-answer", "later", set}, "--report-answer takes "},
        {{"combine", "--high-part", "0", set}, "--high-part takes "},
        {{"combine", "--high-part", "19683", set}, "--high-part takes "},
        {{"combine", "--piece-size", "big", set}, "--piece-size takes a number of bytes."},
        {{"combine", "--chunk", "9999", set}, "--chunk takes "},
        {{"combine", "-y", "-n", set}, "--yes and --no cannot be given together."},
        {{"combine", "--delete", "--keep", set}, "--delete and --keep cannot be given together."},
        {{"combine", "-o", t.path("none"), set}, t.path("none")},
        {{"combine", set, t.write("elsewhere/other.001", "x")},
         "All SETs must be in one directory."},
        {{"combine", t.path("gone.000")}, t.path("gone.000") + ": no such file."},
        {{"combine", dir}, dir + ": not an ordinary file."},
        {{"verify"}, "Name at least one SET"},
        {{"verify", t.path("gone.000")}, t.path("gone.000") + ": no such file."},
        {{"verify", "--jobs", "0", set}, "--jobs takes a number from 1 to 256."},
        {{"verify", "-j", "many", set}, "--jobs takes a number from 1 to 256."},
        {{"verify", "--chunk", "5", set},
         "--chunk takes a number of bytes from 10000 to 10000000."},
        {{"append", a}, "Name the file to append to with --to TARGET."},
        {{"append", "--to", t.path("t")}, "Name at least one FILE to append."},
        {{"append", "--to", dir, a}, "--to names a directory: " + dir},
        {{"append", "--chunk", "5", "--to", t.path("t"), a}, "--chunk takes "},
        {{"append", "--delete", "--keep", "--to", t.path("t"), a},
         "--delete and --keep cannot be given together."},
        {{"info"}, "Name exactly one info file."},
        {{"info", t.path("gone.000")}, t.path("gone.000") + ": no such file."},
        {{"info", dir}, dir + ": not an ordinary file."},
        {{"config"}, "Name an action: list, get, set or store."},
        {{"config", "frobnicate"}, "Name an action: list, get, set or store."},
        {{"config", "get"}, "Wrong number of words for 'get'."},
        {{"config", "store", "floppy"}, "The store is 'ini' or 'registry'."},
        {{"desktop", "register"}, "The action is 'status' or 'apply'."},
        {{"desktop", "status", "apply"}, "Name one action: status or apply."},
    };
    const QStringList before = t.names();
    for (const auto& [args, said] : cases) {
        SCOPED_TRACE(args.join(' ').toStdString());
        const CliRun run = runCli(args, {}, {}, env);
        EXPECT_EQ(run.exitCode, 2);
        const QStringList lines = run.err.split('\n');
        ASSERT_EQ(lines.size(), 3) << run.err.toStdString();
        EXPECT_TRUE(lines[0].startsWith("tsl-cli: ")) << run.err.toStdString();
        EXPECT_TRUE(lines[0].contains(said)) << run.err.toStdString();
        EXPECT_EQ(lines[1], "Try 'tsl-cli " + args.first() + " --help'.");
        EXPECT_EQ(run.out, "");
    }
    EXPECT_EQ(t.names(), before);
    EXPECT_FALSE(t.exists("env"));  // no store written either

    // An unknown command is answered with the list of commands.
    const CliRun unknown = runCli({"frobnicate"});
    EXPECT_EQ(unknown.exitCode, 2);
    EXPECT_TRUE(unknown.err.startsWith("tsl-cli: unknown command 'frobnicate'\n\nUsage: "))
        << unknown.err.toStdString();
}

}  // namespace
}  // namespace tsl::test
