// Combine's output under a temporary name: an existing file stays intact
// until the complete output is renamed over it, a cancel leaves neither a
// partial output nor its temporary file, and a link planted under the
// output's name is replaced, its target untouched.
#include "support/engine_job.h"

#include <QFile>
#include <QFileInfo>
#include <QRegularExpression>
#include <gtest/gtest.h>

namespace tsl::test {
namespace {

TEST(CombineCancel, ExistingOutputStaysUntilTheRenameAndACancelTakesThePartialBack)
{
    for (const bool cancel : {false, true}) {
        CombineJob job;
        job.settings.ChunkSize = 10000;
        const QByteArray data = job.pieces({.name = "a.bin", .size = 60000, .pieceSize = 30000});
        job.folder.write("a.bin", "old");
        TriggeredHost host;
        host.cancels = cancel;
        host.answers = {Answer::Yes};  // overwrite
        // After the first chunk of piece 1: the old file is still whole.
        host.trigger = "50% complete (1 of 2 parts read - a.bin)";
        QByteArray during;
        QStringList namesDuring;
        host.onTrigger = [&] {
            during = job.folder.read("a.bin");
            namesDuring = job.folder.names();
        };
        const CombineOutcome o = job.combineWith(host, {"a.bin.000"});
        EXPECT_EQ(during, "old");
        const QStringList temporary = namesDuring.filter(QRegularExpression("^\\.tsl-c"));
        EXPECT_EQ(temporary.size(), 1);
        EXPECT_EQ(o.cancelled, cancel);
        EXPECT_EQ(job.folder.read("a.bin"), cancel ? QByteArray("old") : data);
        EXPECT_EQ(job.folder.names(),
                  QStringList({"a.bin", "a.bin.000", "a.bin.001", "a.bin.002"}));
        EXPECT_EQ(o.undone,
                  cancel ? QStringList{"removed " + job.folder.path(temporary.value(0))}
                         : QStringList());
        EXPECT_EQ(o.untouched, cancel ? 1 : 0);
    }
}

TEST(CombineCancel, BetweenSetsTheSetsDoneStayAndTheRestAreUntouched)
{
    CombineJob job;
    job.settings.CombineDelete = true;
    const QByteArray a = job.pieces({.name = "a.bin", .size = 2000, .pieceSize = 1000});
    job.pieces({.name = "b.bin", .size = 2000, .pieceSize = 1000});
    TriggeredHost host;
    host.trigger = "Processed a.bin";
    const CombineOutcome o = job.combineWith(host, {"a.bin.000", "b.bin.000"});
    EXPECT_TRUE(o.cancelled);
    EXPECT_EQ(o.combined, 1);
    EXPECT_EQ(o.untouched, 1);
    EXPECT_FALSE(o.allCombined());
    EXPECT_EQ(job.folder.read("a.bin"), a);
    EXPECT_EQ(job.folder.names(), QStringList({"a.bin", "b.bin.000", "b.bin.001", "b.bin.002"}));
}

TEST(CombineLinks, ALinkUnderTheOutputsNameIsReplacedItsTargetUntouched)
{
    CombineJob job;
    const QByteArray data = job.pieces({.size = 2000, .pieceSize = 1000});
    const QString victim = job.folder.write("victim", "keep me");
    ASSERT_TRUE(QFile::link(victim, job.folder.path("clip.mpg")));
    job.host.answers = {Answer::Yes};
    EXPECT_EQ(job.combine({"clip.mpg.000"}).combined, 1);
    EXPECT_EQ(job.folder.read("victim"), "keep me");
    EXPECT_FALSE(QFileInfo(job.folder.path("clip.mpg")).isSymLink());
    EXPECT_EQ(job.folder.read("clip.mpg"), data);
}

}  // namespace
}  // namespace tsl::test
