// A combine as a transaction, on real files: nothing is "done" that is not
// the whole original (a size other than the info file's, pieces past the
// highest number searched), a result known to be wrong never takes the place
// of a file, a piece that changes during the copy stops the commit, the
// result is never more open than its pieces, and names, long or with
// wildcard characters, are taken exactly.
#include "support/engine_job.h"

#include <QFile>
#include <gtest/gtest.h>

namespace tsl::test {
namespace {

const QString Clip = QStringLiteral("clip.mpg");

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
        const CombineOutcome o = job.combine({c.info ? "clip.mpg.000" : "clip.mpg.001"});
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
    const CombineOutcome o = job.combineWith(host, {"clip.mpg.000"});
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
    const CombineOutcome o = job.combine({"clip.mpg.000"});
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
    EXPECT_EQ(job.combine({"clip.mpg.000"}).combined, 1);
    EXPECT_EQ(job.folder.mode(Clip), 0600u);
}

TEST(CombineTransaction, ANameOfTwoHundredFiftyOneBytesSplitsAndCombines)
{
    CombineJob job;
    const QString name = QString(251, QLatin1Char('L'));
    const QByteArray data = patternBytes(2500);
    job.folder.write(name, data);
    job.settings.SplitSize = 1000;
    job.settings.SplitDelete = true;
    ASSERT_EQ(job.split({name}).split, 1);
    ASSERT_FALSE(job.folder.exists(name));
    job.settings.CombineDelete = true;
    EXPECT_TRUE(job.combine({name + ".000"}).allCombined());
    EXPECT_EQ(job.folder.read(name), data);
    EXPECT_EQ(job.folder.names(), QStringList{name});
}

TEST(CombineWhole, AFileOfAnotherSizeThanTheInfoFileSaysKeepsEveryFileOfTheSet)
{
    // A 3000-byte split over an earlier 5000-byte one left 004 and 005 (taken
    // in as extras), or piece 2 is missing and the rest joined anyway.
    struct Case {
        const char* what;
        int missingParts;
        qint64 written;
    };
    for (const Case c : {Case{"stale extras", 1, 5000}, Case{"gap joined", 2, 2000}}) {
        CombineJob job;
        job.settings.CombineDelete = true;
        job.settings.PSizeCheck = false;
        job.settings.MissingParts = qint16(c.missingParts);
        job.pieces({.size = 5000, .pieceSize = 1000, .seed = 1, .info = false});
        job.pieces({.size = 3000, .pieceSize = 1000, .seed = 2, .batch = true});
        if (c.written == 2000) {
            for (const char* gone : {"clip.mpg.002", "clip.mpg.004", "clip.mpg.005"})
                QFile::remove(job.folder.path(gone));
        }
        const QStringList before = job.folder.names();
        const CombineOutcome o = job.combine({"clip.mpg.000"});
        EXPECT_EQ(job.folder.size(Clip), c.written) << c.what;
        EXPECT_EQ(job.host.messages.last(),
                  "clip.mpg was written with " + QString::number(c.written)
                      + " bytes, but its info file records 3000 bytes.\r\nThe file is not the "
                        "original: its parts, info file and batch file are kept.");
        EXPECT_EQ(job.folder.names(), QStringList{Clip} + before) << c.what;
        EXPECT_FALSE(o.allCombined());
        EXPECT_EQ(o.incomplete, 1);
    }
}

TEST(CombineWhole, ASetLongerThanTheSearchLimitIsNotDone)
{
    // One piece more than HighPart, no usable info file: none, or one whose
    // count is too small. Asked like missing pieces, joined, or skipped.
    struct Case {
        int highPart;
        bool info;
        int missingParts;
        QString said;
    };
    const QList<Case> cases = {
        {1000, false, 1,
         "clip.mpg goes on past the highest part searched (1000); this part was found after "
         "it:\r\n\r\n1001 (ajb)\r\n\r\nRaise the highest part number to combine the whole set. "
         "The parts are kept.\r\nDo you want to combine the existing parts?"},
        {30, true, 1,
         "clip.mpg goes on past the highest part searched (30); this part was found after "
         "it:\r\n\r\n31\r\n\r\nRaise the highest part number to combine the whole set. "
         "The parts are kept.\r\nDo you want to combine the existing parts?"},
        {30, false, 2,
         "clip.mpg goes on past the highest part searched (30): part 31 exists. The file was "
         "joined from the parts found; the parts are kept."},
        {30, false, 0, "Skipped clip.mpg: part 31 lies past the highest part searched."},
    };
    for (const Case& c : cases) {
        CombineJob job;
        job.settings.CombineDelete = true;
        job.settings.PSizeCheck = false;
        job.settings.HighPart = c.highPart;
        job.settings.MissingParts = qint16(c.missingParts);
        const qint64 pieces = c.highPart + 1;
        const QByteArray data = job.pieces({.size = pieces * 10, .pieceSize = 10, .info = false});
        if (c.info)
            writeInfo(job.folder, "clip.mpg.000", quint64(pieces) * 10, quint64(c.highPart), 10);
        if (c.missingParts == 1)
            job.host.reportAnswers = {ReportAnswer::Combine};
        const QStringList before = job.folder.names();
        const CombineOutcome o = job.combine({c.info ? "clip.mpg.000" : "clip.mpg.001"});
        const QString said = c.missingParts == 1 ? job.host.reports.at(0).message
            : c.missingParts == 2                ? job.host.messages.value(0)
                                                 : job.host.statuses.value(0);
        EXPECT_EQ(said, c.said);
        EXPECT_EQ(job.folder.read(Clip),
                  c.missingParts ? data.left(c.highPart * 10) : QByteArray());
        // Nothing of the set is deleted.
        EXPECT_EQ(job.folder.names(),
                  (c.missingParts ? QStringList{Clip} : QStringList()) + before);
        EXPECT_FALSE(o.allCombined());
    }
}

TEST(CombineWhole, NamesWithWildcardCharactersAreTestedExactly)
{
    // what?.txt has 5 pieces; whatX.txt.006 matches "what?.txt.006" only as a
    // pattern and is no piece of it.
    CombineJob job;
    job.settings.CombineDelete = true;
    job.settings.PSizeCheck = false;
    job.settings.HighPart = 10;
    const QByteArray data = job.pieces({.name = "what?.txt", .size = 5000, .pieceSize = 1000});
    job.folder.write("whatX.txt.006", "other file");
    job.folder.write("what*.txt.007", "named with a star");
    const CombineOutcome o = job.combine({"what?.txt.000"});
    EXPECT_TRUE(o.allCombined());
    EXPECT_TRUE(job.host.reports.empty());
    EXPECT_EQ(job.folder.read("what?.txt"), data);
    EXPECT_EQ(job.folder.names(), QStringList({"what*.txt.007", "what?.txt", "whatX.txt.006"}));
}

TEST(CombineWhole, SkippedForMissingPiecesSaysWhichAndWhy)
{
    CombineJob job;
    job.settings.MissingParts = 0;
    job.settings.PSizeCheck = false;
    job.pieces({.size = 6000, .pieceSize = 1000});
    QFile::remove(job.folder.path("clip.mpg.002"));
    QFile::remove(job.folder.path("clip.mpg.003"));
    const CombineOutcome o = job.combine({"clip.mpg.000"});
    EXPECT_EQ(o.skipped, 1);
    EXPECT_EQ(job.host.statuses, QStringList{"Skipped clip.mpg: 2 parts are missing (2, 3)."});
    EXPECT_FALSE(job.folder.exists(Clip));
}

}  // namespace
}  // namespace tsl::test
