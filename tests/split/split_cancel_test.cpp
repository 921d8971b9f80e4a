// A cancelled Split and what it leaves on disk: the pieces of the file it
// was on are taken back, files split before stay, the source is untouched.
// Also: nothing is written through a link planted under a piece's name.
#include "split/split_engine.h"
#include "support/scripted_host.h"
#include "support/temp_files.h"

#include <QFile>
#include <gtest/gtest.h>

namespace tsl::test {
namespace {

struct CancelCase {
    const char* trigger;
    QStringList left;     // the folder afterwards
    QStringList removed;  // the pieces taken back, in order
};

TEST(SplitCancel, TakesBackThePiecesOfTheFileItWasOn)
{
    const QStringList aDone = {"a", "a.000", "a.001", "a.002", "a.003", "a.bat", "a.sha256", "b"};
    const CancelCase cases[] = {
        // In the middle of b's piece 1 (after its second chunk).
        {"31% complete (1 of 3 parts written - b)", aDone, {"b.001"}},
        // Between b's pieces 2 and 3.
        {"83% complete (1 of 2 files split)", aDone, {"b.001", "b.002"}},
        // Between the files: b never begun.
        {"Processed a", aDone, {}},
    };
    for (const CancelCase& c : cases) {
        TempFolder t;
        t.writePattern("a", 78000, 1);
        t.writePattern("b", 78000, 2);
        Settings settings;
        settings.SplitSize = 36864;  // chunks and pieces of whole blocks: cut where set
        settings.ChunkSize = 12288;
        TriggeredHost host;
        host.trigger = c.trigger;
        const SplitOutcome o = runSplit({{"a", "b"}, t.dir(), t.dir()}, settings, host);
        EXPECT_TRUE(o.cancelled) << c.trigger;
        EXPECT_EQ(o.split, 1);
        EXPECT_EQ(t.names(), c.left) << c.trigger;
        // Each piece written so far of the file it was on, under its temporary name.
        EXPECT_EQ(o.undone.size(), c.removed.size()) << c.trigger;
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
