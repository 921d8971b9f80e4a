// Combine never reports a set done, nor deletes its files, when the file it
// wrote cannot be the original: a size other than the info file's, pieces
// past the highest number searched. Piece names are tested exactly.
#include "support/combine_job.h"

#include <QFile>
#include <gtest/gtest.h>

namespace tsl::test {
namespace {

const QString Clip = QStringLiteral("clip.mpg");

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
        const CombineOutcome o = job.run({"clip.mpg.000"});
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
        const CombineOutcome o = job.run({c.info ? "clip.mpg.000" : "clip.mpg.001"});
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
    const CombineOutcome o = job.run({"what?.txt.000"});
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
    const CombineOutcome o = job.run({"clip.mpg.000"});
    EXPECT_EQ(o.skipped, 1);
    EXPECT_EQ(job.host.statuses, QStringList{"Skipped clip.mpg: 2 parts are missing (2, 3)."});
    EXPECT_FALSE(job.folder.exists(Clip));
}

}  // namespace
}  // namespace tsl::test
