// A combine as a transaction, on real files: nothing is "done" that is not
// the whole original, a result known to be wrong never takes the place of a
// file, a piece that changes during the copy stops the commit, the result is
// never more open than its pieces, and long names combine.
#include "split/split_engine.h"
#include "support/combine_job.h"

#include <QDir>
#include <QFile>
#include <gtest/gtest.h>
#include <sys/stat.h>

namespace tsl::test {
namespace {

const QString Clip = QStringLiteral("clip.mpg");

mode_t modeOf(const QString& path)
{
    struct stat st {};
    return ::stat(QFile::encodeName(path).constData(), &st) == 0 ? (st.st_mode & 0777) : 0;
}

TEST(CombineTransaction, ASetThatIsNotWholeIsNeverDoneNorDeleted)
{
    struct Case {
        const char* what;
        bool info;
        QStringList removed;  // pieces taken away before the run
        bool written;         // the joined pieces are written
        QString said;         // the message, or the status, that says why
    };
    const Case cases[] = {
        {"no piece at all",
         true,
         {"clip.mpg.001", "clip.mpg.002", "clip.mpg.003"},
         false,
         "clip.mpg was not combined: none of its parts was found.\r\nNothing was written for "
         "it, and its parts were kept."},
        {"a gap without an info file",
         false,
         {"clip.mpg.002"},
         true,
         "clip.mpg was written, but it is not the whole file: its parts were kept."},
    };
    for (const Case& c : cases) {
        CombineJob job;
        job.settings.CombineDelete = true;
        job.settings.MissingParts = 2;
        job.settings.PSizeCheck = false;
        job.settings.HighPart = 10;
        job.pieces({.size = 3000, .pieceSize = 1000, .info = c.info, .batch = true});
        for (const QString& name : c.removed)
            QFile::remove(job.folder.path(name));
        const QStringList before = job.folder.names();
        const CombineOutcome o = job.run({c.info ? "clip.mpg.000" : "clip.mpg.001"});
        EXPECT_EQ(o.combined, 0) << c.what;
        EXPECT_EQ(o.failed, 1) << c.what;
        EXPECT_FALSE(o.allCombined()) << c.what;
        EXPECT_EQ(job.folder.exists(Clip), c.written) << c.what;
        QStringList expected = before;
        if (c.written)
            expected = (QStringList{Clip} + before);
        expected.sort();
        EXPECT_EQ(job.folder.names(), expected) << c.what;
        EXPECT_TRUE(job.host.messages.contains(c.said) || job.host.statuses.contains(c.said))
            << c.what;
        EXPECT_FALSE(job.host.statuses.contains("Processed clip.mpg")) << c.what;
    }
}

TEST(CombineTransaction, APieceThatVanishesDuringTheCopyCommitsNothing)
{
    CombineJob job;
    job.settings.CombineDelete = true;
    job.pieces({.size = 3000, .pieceSize = 1000, .batch = true});
    job.folder.write(Clip, "the good file");
    TriggeredHost host;  // removes piece 3 once piece 1 is copied
    host.cancels = false;
    host.trigger = "33% complete (1 of 3 parts read - clip.mpg)";
    host.onTrigger = [&] { QFile::remove(job.folder.path("clip.mpg.003")); };
    host.answers = {Answer::Yes, Answer::Yes};  // overwrite; go on without piece 3
    const CombineOutcome o = job.runWith(host, {"clip.mpg.000"});
    EXPECT_EQ(o.combined, 0);
    EXPECT_EQ(job.folder.read(Clip), "the good file");
    EXPECT_EQ(job.folder.names(),
              (QStringList{Clip, "clip.mpg.000", "clip.mpg.001", "clip.mpg.002", "clip.mpg.bat"}));
    EXPECT_TRUE(host.messages.contains(
        "clip.mpg was not combined: " + job.folder.path("clip.mpg.003")
        + ": the file is gone since the set was checked.\r\nNothing was written for it, and its "
          "parts were kept."));
}

TEST(CombineTransaction, AResultOfTheWrongSizeNeverReplacesAFile)
{
    CombineJob job;
    job.settings.PSizeCheck = false;
    job.settings.CombineDelete = true;
    job.pieces({.size = 3000, .pieceSize = 1000});
    job.folder.write("clip.mpg.002", "short");  // the info file records 3000 bytes
    job.folder.write(Clip, "the good file");
    job.host.answers = {Answer::Yes};  // overwrite
    const CombineOutcome o = job.run({"clip.mpg.000"});
    EXPECT_EQ(o.failed, 1);
    EXPECT_EQ(job.folder.read(Clip), "the good file");
    EXPECT_TRUE(job.folder.exists("clip.mpg.001"));
    EXPECT_TRUE(job.host.messages.contains(
        "clip.mpg was not combined: 2005 bytes were joined, but its info file records 3000 "
        "bytes; the existing clip.mpg was kept.\r\nNothing was written for it, and its parts were "
        "kept."));
}

TEST(CombineTransaction, TheResultIsNeverMoreOpenThanItsPieces)
{
    CombineJob job;
    job.pieces({.size = 3000, .pieceSize = 1000});
    for (const char* name : {"clip.mpg.001", "clip.mpg.002", "clip.mpg.003"})
        QFile::setPermissions(job.folder.path(name), QFile::ReadOwner | QFile::WriteOwner);
    EXPECT_EQ(job.run({"clip.mpg.000"}).combined, 1);
    EXPECT_EQ(modeOf(job.folder.path(Clip)), 0600u);
}

TEST(CombineTransaction, ANameOfTwoHundredFiftyOneBytesSplitsAndCombines)
{
    TempFolder t;
    const QString name = QString(251, QLatin1Char('L'));
    const QByteArray data = patternBytes(2500);
    t.write(name, data);
    Settings s;
    s.SplitSize = 1000;
    s.SplitDelete = true;
    s.WipeOnDel = false;
    ScriptedHost host;
    ASSERT_EQ(runSplit({{name}, t.dir(), t.dir()}, s, host).split, 1);
    ASSERT_FALSE(t.exists(name));
    s.CombineDelete = true;
    const CombineOutcome o = runCombine({{name + ".000"}, t.dir(), t.dir()}, s, host);
    EXPECT_TRUE(o.allCombined());
    EXPECT_EQ(t.read(name), data);
    EXPECT_EQ(t.names(), QStringList{name});
}

}  // namespace
}  // namespace tsl::test
