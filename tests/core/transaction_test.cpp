// The transaction frame on its own: what check() refuses, what a commit and
// a rollback leave, the temporary names and their clean-up, the wipe that
// renames first, and paths that are no UTF-8.
#include "core/file_handle.h"
#include "core/file_system.h"
#include "core/transaction.h"
#include "support/temp_files.h"

#include <QDir>
#include <QFile>
#include <fcntl.h>
#include <gtest/gtest.h>
#include <sys/stat.h>
#include <sys/wait.h>
#include <unistd.h>

namespace tsl::test {
namespace {

QStringList hiddenNames(const TempFolder& t)
{
    return QDir(t.dir()).entryList({".tsl-*"}, QDir::Files | QDir::Hidden);
}

TEST(Transaction, CheckRefusesWhatCannotBeCreatedNamingThePath)
{
    TempFolder t;
    t.mkdir("sub");
    t.write("taken", "old");
    t.write("input", "in");
    const QString longName = QString(252, QLatin1Char('n')) + ".001";  // 256 bytes
    struct Case {
        QStringList create;
        QString expected;  // the start of check()'s text, "" for none
    };
    const Case cases[] = {
        {{t.path("missing/x")}, t.path("missing") + ": the folder does not exist."},
        {{t.path("sub")}, t.path("sub") + ": a folder has that name."},
        {{t.path("taken")}, t.path("taken") + ": a file of that name is there already."},
        {{t.path(longName)},
         t.path(longName) + ": the name is 256 bytes long; this file system allows 255."},
        {{t.path("Same"), t.path("same")},
         t.path("same") + ": this run would write two files of that name."},
        {{t.path("input")}, t.path("input") + ": that file is also read by this run."},
        {{t.path("new1"), t.path("new2")}, ""},
    };
    for (const Case& c : cases) {
        Transaction unit(JobKind::Split);
        unit.read(t.path("input"));
        for (const QString& path : c.create)
            unit.create(path, 1);
        if (c.create.first() == t.path("input"))
            unit.allowReplace(0);
        EXPECT_EQ(unit.check(), c.expected) << c.create.first().toStdString();
    }
    EXPECT_EQ(t.read("taken"), "old");
}

TEST(Transaction, WritesAsideCommitsWithModeAndTimesAndLeavesNoTemporary)
{
    TempFolder t;
    Transaction unit(JobKind::Combine);
    const int a = unit.create(t.path("a"));
    unit.setMode(a, 0600);
    const QDateTime when(QDate(2001, 2, 3), QTime(4, 5, 6), Qt::UTC);
    unit.setTimes(a, when, when);
    ASSERT_EQ(unit.check(), "");
    ASSERT_FALSE(unit.writeAside(a, "bytes").failed());
    // Written aside: a short temporary name of fixed length, the final name still free.
    EXPECT_FALSE(t.exists("a"));
    const QStringList temps = hiddenNames(t);
    ASSERT_EQ(temps.size(), 1);
    EXPECT_EQ(temps.first().size(), TemporaryNameLength);
    EXPECT_TRUE(temps.first().startsWith(".tsl-c"));
    EXPECT_EQ(unit.verify(), "");
    ASSERT_FALSE(unit.commit(true).failed());
    EXPECT_EQ(t.read("a"), "bytes");
    EXPECT_EQ(t.mode("a"), 0600u);
    EXPECT_EQ(QFileInfo(t.path("a")).lastModified().toUTC(), when);
    EXPECT_TRUE(hiddenNames(t).isEmpty());
}

TEST(Transaction, VerifyFindsAWrongSizeAndAChangedInput)
{
    TempFolder t;
    t.write("in", "12345");
    Transaction unit(JobKind::Split);
    unit.read(t.path("in"));
    const int out = unit.create(t.path("out"), 5);
    ASSERT_EQ(unit.check(), "");
    FileHandle file;
    ASSERT_FALSE(unit.openAside(out, file).failed());
    ASSERT_FALSE(file.writeAt(0, QByteArray("123")).failed());
    (void)file.close();
    EXPECT_EQ(unit.verify(), t.path("out") + ": 3 bytes were written where 5 bytes were planned.");
    unit.setPlannedSize(out, 3);
    t.write("in", "123456");  // grew while it was read
    EXPECT_EQ(unit.verify(), t.path("in") + ": the file changed while it was read.");
}

TEST(Transaction, RollbackAndAFailedCommitLeaveTheFolderAsBefore)
{
    TempFolder t;
    t.write("keep", "old bytes");
    {
        Transaction unit(JobKind::Split);
        const int a = unit.create(t.path("keep"));
        unit.allowReplace(a);
        unit.create(t.path("new"));
        ASSERT_EQ(unit.check(), "");
        ASSERT_FALSE(unit.writeAside(0, "new bytes").failed());
        ASSERT_FALSE(unit.writeAside(1, "x").failed());
        // Something takes the second name after the check: the commit fails
        // and puts back the file it had already exchanged.
        t.write("new", "theirs");
        EXPECT_TRUE(unit.commit(false).failed());
        EXPECT_FALSE(unit.committed());
    }
    EXPECT_EQ(t.read("keep"), "old bytes");
    EXPECT_EQ(t.read("new"), "theirs");
    EXPECT_TRUE(hiddenNames(t).isEmpty());
}

TEST(Transaction, ExtendedFileIsCutBackWithItsModeAndTimes)
{
    TempFolder t;
    t.write("target", "0123456789");
    QFile::setPermissions(t.path("target"), QFile::ReadOwner | QFile::WriteOwner);
    const QDateTime when(QDate(2010, 1, 1), QTime(0, 0), Qt::UTC);
    {
        QFile f(t.path("target"));
        ASSERT_TRUE(f.open(QIODevice::ReadWrite));
        f.setFileTime(when, QFileDevice::FileModificationTime);
    }
    {
        Transaction unit(JobKind::Append);
        unit.extend(t.path("target"));
        QFile f(t.path("target"));
        ASSERT_TRUE(f.open(QIODevice::Append));
        f.write("appended");
        f.close();
        QFile::setPermissions(t.path("target"),
                              QFile::ReadOwner | QFile::WriteOwner | QFile::ReadOther
                                  | QFile::WriteOther);
        const QStringList undone = unit.rollback();
        EXPECT_EQ(undone, QStringList{"cut " + t.path("target") + " back to 10 bytes"});
    }
    EXPECT_EQ(t.read("target"), "0123456789");
    EXPECT_EQ(t.mode("target"), 0600u);
    EXPECT_EQ(QFileInfo(t.path("target")).lastModified().toUTC(), when);
}

TEST(Transaction, StaleTemporariesGoUnlessARunningTslWroteThem)
{
    // A process that has ended: its temporary files are stale.
    const pid_t ended = ::fork();
    if (ended == 0)
        ::_exit(0);
    ASSERT_GT(ended, 0);
    ::waitpid(ended, nullptr, 0);
    TempFolder t;
    const QString split = temporaryNameOf('s', ended);
    const QString wipe = temporaryNameOf('w', ended);
    const QString combine = temporaryNameOf('c', ended);
    const QString running = temporaryNameOf('s', ::getpid());  // this test program is a TSL
    for (const QString& name : {split, wipe, combine, running})
        t.write(name, "left behind");
    t.write(".tsl-s", "too short for ours");
    QStringList removed = removeStaleTemporaries(t.dir(), JobKind::Split);
    removed.sort();
    QStringList stale{t.path(split), t.path(wipe)};
    stale.sort();
    EXPECT_EQ(removed, stale);
    QStringList left{combine, running, ".tsl-s"};
    left.sort();
    EXPECT_EQ(hiddenNames(t), left);
}

TEST(Transaction, DeletesOnlyAfterTheCommitAndOnlyUnchangedInputs)
{
    TempFolder t;
    t.write("src", "source");
    t.write("grown", "abc");
    Transaction unit(JobKind::Split);
    unit.read(t.path("src"));
    unit.read(t.path("grown"));
    unit.create(t.path("out"));
    unit.remove(t.path("src"), true);
    unit.remove(t.path("grown"), false);
    ASSERT_EQ(unit.check(), "");
    Transaction::Deleted result;
    EXPECT_TRUE(unit.deleteListed(nullptr, &result).failed()) << "nothing goes before the commit";
    EXPECT_TRUE(t.exists("src"));
    ASSERT_FALSE(unit.writeAside(0, "out").failed());
    ASSERT_FALSE(unit.commit(true).failed());
    t.write("grown", "abcd");
    ASSERT_FALSE(unit.deleteListed(nullptr, &result).failed());
    EXPECT_EQ(result.deleted, QStringList{t.path("src")});
    EXPECT_EQ(result.kept, QStringList{t.path("grown")});
    EXPECT_FALSE(t.exists("src"));
    EXPECT_EQ(t.read("grown"), "abcd");
    EXPECT_TRUE(hiddenNames(t).isEmpty());
}

TEST(Transaction, AStoppedWipeNeverLeavesDestroyedBytesUnderTheName)
{
    TempFolder t;
    t.writePattern("src", 350000);
    std::atomic<bool> cancel{true};
    bool stopped = false;
    ASSERT_FALSE(deleteFile(t.path("src"), true, &cancel, &stopped).failed());
    EXPECT_TRUE(stopped);
    EXPECT_FALSE(t.exists("src"));
    EXPECT_TRUE(hiddenNames(t).isEmpty());
}

TEST(Transaction, CollisionsBetweenUnitsOfOneRun)
{
    TempFolder t;
    Transaction a(JobKind::Split);
    a.read(t.path("a"));
    a.create(t.path("a.001"));
    Transaction b(JobKind::Split);
    b.read(t.path("A.001"));
    b.create(t.path("a.001.001"));
    EXPECT_EQ(runCollision({&a, &b}),
              t.path("a.001") + ": two files of this run would use this name.");
    // Whichever unit comes first in the run.
    EXPECT_EQ(runCollision({&b, &a}), runCollision({&a, &b}));
    Transaction c(JobKind::Split);
    c.read(t.path("c"));
    c.create(t.path("c.001"));
    EXPECT_EQ(runCollision({&a, &c}), "");
}

TEST(FileSystemPaths, NamesThatAreNoUtf8RoundTrip)
{
    const QByteArray latin1("caf\xe9.bin");
    const QString text = pathFromNative(latin1);
    EXPECT_EQ(nativePath(text), latin1);
    EXPECT_EQ(displayPath(text), QString::fromUtf8("caf\xef\xbf\xbd.bin"));
    const QByteArray utf8("caf\xc3\xa9.bin");
    EXPECT_EQ(pathFromNative(utf8), QString::fromUtf8(utf8));
    EXPECT_EQ(nativePath(pathFromNative(utf8)), utf8);
    // Over-long forms and stray continuation bytes are kept byte for byte.
    for (const QByteArray& odd :
         {QByteArray("\xc0\xaf"), QByteArray("\x80x"), QByteArray("\xed\xa0\x80")})
        EXPECT_EQ(nativePath(pathFromNative(odd)), odd);
}

}  // namespace
}  // namespace tsl::test
