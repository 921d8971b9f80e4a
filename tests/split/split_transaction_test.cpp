// A split as a transaction, on real files: refused before the first byte
// when it cannot be done, nothing committed from a source that changed,
// pieces never more open than their source, an earlier set replaced only
// with leave, names that are no UTF-8, what a cancel leaves on disk, and
// links planted under the names of a set.
#include "core/file_system.h"
#include "split/split_engine.h"
#include "support/faulty_file_system.h"
#include "support/scripted_host.h"
#include "support/temp_files.h"

#include <QDir>
#include <QFile>
#include <filesystem>
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
        QString outDir;   // relative to the folder; "" for the folder itself
        QString message;  // %1: the folder
        bool wholeRun;    // refused as a whole rather than file by file
    };
    const Case cases[] = {
        {{"a", "a.001"},
         "",
         "Nothing was split: %1a.001: two files of this run would use this name.",
         true},
        // Foreseen, so refused once before the first byte, with the folder named.
        {{"movie.avi", "clip.mpg"},
         "nowhere",
         "Nothing was split: %1nowhere: the folder does not exist.",
         true},
        {{tooLong},
         "",
         tooLong + " was not split: %1" + tooLong
             + ".001: the name is 256 bytes long; this file system allows 255.\r\nNothing was "
               "written for it.",
         false},
    };
    for (const Case& c : cases) {
        TempFolder t;
        for (const QString& name : c.files)
            t.writePattern(name, 2500);
        const QStringList before = t.names();
        Settings s = smallPieces();
        s.SplitDelete = true;
        ScriptedHost host;
        const SplitOutcome o = runSplit({c.files, t.dir(), t.dir() + c.outDir}, s, host);
        EXPECT_EQ(host.messages, QStringList{QString(c.message).arg(t.dir())});
        EXPECT_EQ(o.split, 0);
        EXPECT_EQ(o.refused, c.wholeRun);
        EXPECT_FALSE(o.terminated);
        if (c.wholeRun) {
            EXPECT_TRUE(host.statuses.isEmpty());
        }
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

// An earlier set of five pieces where a new one of three goes: asked about,
// never or always overwritten as the setting says, or not looked for. Only a
// split that goes ahead replaces it and deletes (and names) its left-overs.
TEST(SplitTransaction, AnEarlierSetsLeftOversGoOnlyWithLeaveAndAreNamed)
{
    struct Case {
        qint16 partsExist;
        bool searchExist;
        std::optional<Answer> answer;  // to the overwrite question, when asked
        bool split;
    };
    const Case cases[] = {
        {1, true, Answer::Yes, true}, {1, true, Answer::No, false}, {0, true, {}, false},
        {2, true, {}, true},          {0, false, {}, true},
    };
    for (const Case& c : cases) {
        SCOPED_TRACE(::testing::Message()
                     << "PartsExist " << c.partsExist << ", SearchExist " << c.searchExist);
        TempFolder t;
        t.writePattern("f", 2500);
        for (const char* old : {"f.001", "f.002", "f.003", "f.004", "f.005"})
            t.writePattern(old, 1000, 5);
        Settings s = smallPieces();
        s.PartsExist = c.partsExist;
        s.SearchExist = c.searchExist;
        ScriptedHost host;
        if (c.answer)
            host.answers = {*c.answer};
        const SplitOutcome o = runSplit({{"f"}, t.dir(), t.dir()}, s, host);
        EXPECT_EQ(o.split, c.split ? 1 : 0);
        EXPECT_EQ(o.skipped, c.split ? 0 : 1);
        ASSERT_EQ(host.asked.size(), c.answer ? 1u : 0u);
        if (c.answer) {
            EXPECT_EQ(host.asked[0].text,
                      "Do you want to overwrite the existing split files for f?");
            EXPECT_EQ(host.asked[0].buttons, Buttons::YesNo);
            EXPECT_EQ(host.asked[0].icon, Icon::Question);
        }
        EXPECT_EQ(t.read("f.001"), patternBytes(1000, c.split ? 1 : 5));
        EXPECT_EQ(t.exists("f.004"), !c.split);
        EXPECT_EQ(t.exists("f.005"), !c.split);
        EXPECT_EQ(t.exists("f.000"), c.split) << "the new set is written only with leave";
        EXPECT_EQ(host.statuses.contains("Removed what an earlier split of f left: f.004, f.005"),
                  c.split);
        EXPECT_EQ(host.statuses.contains(
                      "f was skipped: its split files exist already and are never overwritten."),
                  c.partsExist == 0 && c.searchExist);
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
    // Qt's clean-up cannot name these files; the bytes-based one can.
    std::filesystem::remove_all(nativePath(t.dir()).toStdString());
}

struct CancelCase {
    const char* trigger;
    qsizetype takenBack;  // pieces of b removed
};

TEST(SplitCancel, TakesBackThePiecesOfTheFileItWasOn)
{
    const CancelCase cases[] = {
        // In the middle of b's piece 1 (after its second chunk).
        {"31% complete (1 of 3 parts written - b)", 1},
        // Between b's pieces 2 and 3.
        {"83% complete (1 of 2 files split)", 2},
        // Between the files: b never begun.
        {"Processed a", 0},
    };
    for (const CancelCase& c : cases) {
        SCOPED_TRACE(c.trigger);
        TempFolder t;
        t.writePattern("a", 78000, 1);
        t.writePattern("b", 78000, 2);
        Settings settings;
        settings.SplitSize = 36864;  // chunks and pieces of whole blocks: cut where set
        settings.ChunkSize = 12288;
        TriggeredHost host;
        host.trigger = c.trigger;
        const SplitOutcome o = runSplit({{"a", "b"}, t.dir(), t.dir()}, settings, host);
        EXPECT_TRUE(o.cancelled);
        EXPECT_EQ(o.split, 1);
        // a's set stays whole, and nothing of b is left beside its source.
        EXPECT_EQ(t.names(),
                  QStringList({"a", "a.000", "a.001", "a.002", "a.003", "a.bat", "a.sha256", "b"}));
        // Each piece written so far of the file it was on, under its temporary name.
        EXPECT_EQ(o.undone.size(), c.takenBack);
        for (const QString& line : o.undone)
            EXPECT_TRUE(line.startsWith("removed " + t.path(".tsl-s"))) << line.toStdString();
        EXPECT_EQ(t.read("a.001") + t.read("a.002") + t.read("a.003"), patternBytes(78000, 1));
        EXPECT_EQ(t.read("b"), patternBytes(78000, 2));
    }
}

// Links planted under the names of a piece, the info file and the batch
// file: each is replaced by the file itself, the files they led to untouched.
TEST(SplitLinks, PlantedLinksAreReplacedNeverWrittenThrough)
{
    TempFolder t;
    t.writePattern("g", 2500);
    const QString victim = t.write("victim", "keep me");
    for (const char* name : {"g.002", "g.000", "g.bat"})
        ASSERT_TRUE(QFile::link(victim, t.path(name)));
    Settings settings;
    settings.SplitSize = 1000;
    settings.PartsExist = 2;
    ScriptedHost host;
    EXPECT_EQ(runSplit({{"g"}, t.dir(), t.dir()}, settings, host).split, 1);
    EXPECT_EQ(t.read("victim"), "keep me");
    for (const char* name : {"g.002", "g.000", "g.bat"})
        EXPECT_FALSE(QFileInfo(t.path(name)).isSymLink()) << name;
    EXPECT_EQ(t.read("g.002"), patternBytes(1000, 1, 1000));
}

}  // namespace
}  // namespace tsl::test
