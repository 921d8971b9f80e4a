// A split as a transaction, on real files: refused before the first byte
// when it cannot be done, nothing committed from a source that changed,
// pieces never more open than their source, an earlier set's left-overs
// deleted only with leave, and names that are no UTF-8.
#include "core/file_system.h"
#include "split/split_engine.h"
#include "support/faulty_file_system.h"
#include "support/scripted_host.h"
#include "support/temp_files.h"

#include <QDir>
#include <QFile>
#include <gtest/gtest.h>
#include <sys/stat.h>
#include <unistd.h>

namespace tsl::test {
namespace {

Settings smallPieces()
{
    Settings s;
    s.SplitSize = 1000;
    s.ChunkSize = 10000;
    return s;
}

TEST(SplitTransaction, ARunThatCannotBeDoneIsRefusedOnceWithThePathAndWritesNothing)
{
    const QString longName = QString(250, QLatin1Char('n'));  // its pieces' names are 254 bytes
    const QString tooLong = QString(252, QLatin1Char('m'));   // 256 with ".001"
    struct Case {
        QStringList files;
        QString outDir;  // relative to the folder; "" for the folder itself
        QString message;
    };
    const Case cases[] = {
        {{"a", "a.001"},
         "",
         "Nothing was split: %1a.001: two files of this run would use this name."},
        {{tooLong},
         "",
         tooLong + " was not split: %1" + tooLong
             + ".001: the name is 256 bytes long; this file system allows 255.\r\nNothing was "
               "written for it."},
    };
    for (const Case& c : cases) {
        TempFolder t;
        for (const QString& name : c.files)
            t.writePattern(name, 2500);
        const QStringList before = t.names();
        ScriptedHost host;
        const SplitOutcome o =
            runSplit({c.files, t.dir(), t.dir() + c.outDir}, smallPieces(), host);
        EXPECT_EQ(host.messages, QStringList{QString(c.message).arg(t.dir())});
        EXPECT_EQ(o.split, 0);
        EXPECT_EQ(t.names(), before);
    }
    // A name just short enough splits whole.
    TempFolder t;
    t.writePattern(longName, 2500);
    ScriptedHost host;
    EXPECT_EQ(runSplit({{longName}, t.dir(), t.dir()}, smallPieces(), host).split, 1);
    EXPECT_TRUE(t.exists(longName + ".003"));
}

TEST(SplitTransaction, ASourceThatChangesWhileReadIsNotCommittedNorDeleted)
{
    TempFolder t;
    t.writePattern("f", 2500);
    Settings s = smallPieces();
    s.SplitDelete = true;
    TriggeredHost host;
    host.cancels = false;
    host.trigger = "40% complete (1 of 3 parts written - f)";
    host.onTrigger = [&] {
        QFile f(t.path("f"));
        ASSERT_TRUE(f.open(QIODevice::Append));
        f.write("more");
    };
    const SplitOutcome o = runSplit({{"f"}, t.dir(), t.dir()}, s, host);
    EXPECT_EQ(o.split, 0);
    EXPECT_EQ(o.failed, 1);
    EXPECT_EQ(t.names(), QStringList{"f"});
    EXPECT_EQ(t.size("f"), 2504);
    ASSERT_FALSE(host.messages.isEmpty());
    EXPECT_EQ(host.messages.last(),
              "f was not split: " + t.path("f")
                  + ": the file changed while it was read.\r\nNothing was "
                    "written for it.");
    EXPECT_FALSE(host.statuses.contains("Processed f"));
}

TEST(SplitTransaction, PiecesAreNeverMoreOpenThanTheirSource)
{
    TempFolder t;
    t.writePattern("private", 2500);
    t.writePattern("shared", 2500);
    QFile::setPermissions(t.path("private"), QFile::ReadOwner | QFile::WriteOwner);
    QFile::setPermissions(t.path("shared"),
                          QFile::ReadOwner | QFile::WriteOwner | QFile::ReadGroup
                              | QFile::ReadOther);
    const mode_t mask = ::umask(022);
    ScriptedHost host;
    runSplit({{"private", "shared"}, t.dir(), t.dir()}, smallPieces(), host);
    ::umask(mask);
    for (const QString name : {"private.001", "private.003", "private.000", "private.bat"})
        EXPECT_EQ(t.mode(name), 0600u) << name.toStdString();
    EXPECT_EQ(t.mode("shared.002"), 0644u);
}

TEST(SplitTransaction, AnEarlierSetsLeftOversGoOnlyWithLeaveAndAreNamed)
{
    struct Case {
        qint16 partsExist;
        Answer answer;  // to the overwrite question, when asked
        bool removed;
    };
    for (const Case& c : {Case{1, Answer::Yes, true}, Case{1, Answer::No, false},
                          Case{0, Answer::Yes, false}, Case{2, Answer::Yes, true}}) {
        TempFolder t;
        t.writePattern("f", 2500);
        for (const char* old : {"f.001", "f.002", "f.003", "f.004", "f.005"})
            t.writePattern(old, 1000, 5);
        Settings s = smallPieces();
        s.PartsExist = c.partsExist;
        ScriptedHost host;
        if (c.partsExist == 1)
            host.answers.push_back(c.answer);
        runSplit({{"f"}, t.dir(), t.dir()}, s, host);
        EXPECT_EQ(t.exists("f.004"), !c.removed) << c.partsExist;
        EXPECT_EQ(t.exists("f.005"), !c.removed) << c.partsExist;
        EXPECT_EQ(t.exists("f.000"), c.removed) << "the new set is written only with leave";
        if (c.removed) {
            EXPECT_TRUE(
                host.statuses.contains("Removed what an earlier split of f left: f.004, f.005"));
        }
    }
}

TEST(SplitTransaction, AfterAnErrorTheSourceIsKeptAndThatIsSaid)
{
    TempFolder t;
    t.writePattern("a", 2500);
    t.writePattern("b", 2500);
    Settings s = smallPieces();
    s.SplitDelete = true;
    ScriptedHost host;
    host.answers.push_back(Answer::Yes);  // the run-time error question about b: go on
    FaultyFileSystem disk;
    disk.failAt(FaultyFileSystem::Write, 2, EIO);  // b's second piece
    SplitOutcome o;
    {
        ScopedFileSystem installed(disk);
        o = runSplit({{"b", "a"}, t.dir(), t.dir()}, s, host);
    }
    EXPECT_EQ(o.split, 1);
    EXPECT_EQ(o.failed, 1);
    EXPECT_TRUE(t.exists("a")) << "no source goes after an error was answered";
    EXPECT_TRUE(
        host.statuses.contains("a was split, but not deleted: an error was reported before."));
    EXPECT_FALSE(t.exists("b.001"));
    const QStringList captions = host.captions(Line::Total);
    ASSERT_FALSE(captions.isEmpty());
    EXPECT_EQ(captions.last(), "50% complete (1 of 2 files split, 1 failed)");
}

TEST(SplitTransaction, ANameThatIsNoUtf8SplitsUnderItsOwnBytes)
{
    TempFolder t;
    const QString name = pathFromNative(QByteArray("caf\xe9.bin"));
    {
        const QByteArray native = nativePath(t.dir()) + "caf\xe9.bin";
        FILE* out = std::fopen(native.constData(), "wb");
        ASSERT_NE(out, nullptr);
        const QByteArray bytes = patternBytes(2500);
        std::fwrite(bytes.constData(), 1, size_t(bytes.size()), out);
        std::fclose(out);
    }
    ScriptedHost host;
    EXPECT_EQ(runSplit({{name}, t.dir(), t.dir()}, smallPieces(), host).split, 1);
    struct stat st {};
    EXPECT_TRUE(::stat((nativePath(t.dir()) + "caf\xe9.bin.003").constData(), &st) == 0);
    EXPECT_EQ(st.st_size, 500);
}

}  // namespace
}  // namespace tsl::test
