// Combine, first half: finding the pieces of a set, the reports about
// missing, extra and wrong-size pieces, and what their answers combine.
#include "support/combine_job.h"

#include <QFile>
#include <QFileInfo>
#include <gtest/gtest.h>

namespace tsl::test {
namespace {

const QString Clip = QStringLiteral("clip.mpg");

QString prompt(const QString& base)
{
    return QStringLiteral("Enter the part size (in bytes) for the\r\nsegments of ") + base
        + QStringLiteral(". Click the Cancel button\r\nto skip the part size check.");
}

PieceSetLayout layout(qint64 size, qint64 pieceSize, bool info = true)
{
    PieceSetLayout s;
    s.size = size;
    s.pieceSize = pieceSize;
    s.info = info;
    return s;
}

TEST(CombineDiscovery, CompleteSetAsksNothingAndReportsEveryStep)
{
    CombineJob job;
    const QByteArray data = writePieceSet(job.folder, layout(1000000, 400000));
    const CombineOutcome o = job.run({QStringLiteral("clip.mpg.000")});
    EXPECT_EQ(o.combined, 1);
    EXPECT_TRUE(o.allCombined());
    EXPECT_TRUE(job.host.messages.isEmpty());
    EXPECT_TRUE(job.host.prompts.isEmpty());
    EXPECT_EQ(job.folder.read(Clip), data);
    EXPECT_EQ(job.host.statuses, QStringList{QStringLiteral("Processed clip.mpg")});
    const QStringList part = job.host.captions(Line::Part);
    for (const char* caption :
         {"Searching for part 1 - 33% complete", "Searching for part 3 - 100% complete",
          "Searching for extra part 4 - 0% complete",
          "Searching for extra part 1000 - 100% complete",
          "Checking file size for part 3 - 100% complete",
          "33% complete (1 of 3 parts read - clip.mpg)",
          "100% complete (3 of 3 parts read - clip.mpg)"})
        EXPECT_TRUE(part.contains(QString::fromLatin1(caption))) << caption;
    EXPECT_FALSE(part.contains(QStringLiteral("Checking file size for part 4 - 0% complete")));
    const QStringList total = job.host.captions(Line::Total);
    EXPECT_EQ(total.first(), QStringLiteral("33% complete"));
    EXPECT_EQ(total.last(), QStringLiteral("100% complete (1 of 1 file set combined)"));
    EXPECT_EQ(job.host.busyOn, 1);
    EXPECT_EQ(job.host.busyOff, 1);
}

TEST(CombineDiscovery, WithoutInfoFileHighPart1000ListsTheLetterNamesOfTheMissingRun)
{
    CombineJob job;
    const QByteArray data = writePieceSet(job.folder, layout(5000, 1000, false));
    job.host.inputs.push_back(QStringLiteral("1000"));
    job.host.reportAnswers.push_back(ReportAnswer::Combine);
    const CombineOutcome o = job.run({QStringLiteral("clip.mpg.001")});
    EXPECT_EQ(job.host.prompts, QStringList{prompt(Clip)});
    ASSERT_EQ(job.host.reports.size(), 1u);
    const PartsReport& r = job.host.reports[0];
    EXPECT_EQ(r.mode, ReportMode::Missing);
    EXPECT_EQ(r.set, 1);
    EXPECT_EQ(r.setCount, 1);
    EXPECT_EQ(r.base, Clip);
    EXPECT_EQ(r.outDir, job.folder.dir());
    EXPECT_EQ(r.message, QStringLiteral("clip.mpg is missing the following parts:\r\n\r\n"
                                        "6 (00f) - 1000 (aja)\r\n\r\n"
                                        "Do you want to combine the existing parts?"));
    EXPECT_EQ(o.combined, 1);
    EXPECT_EQ(job.folder.read(Clip), data);
}

TEST(CombineDiscovery, TheFirstPieceDecidesTheSchemeOfTheRest)
{
    // Without an info file, HighPart 1000 calls for letter names; piece 1 is
    // found under its letter name, so piece 2 is not taken under its digit one.
    CombineJob job;
    job.settings.MissingParts = 2;
    job.settings.PSizePrompt = false;
    writePieceSet(job.folder, layout(2000, 1000, false));
    job.folder.write(QStringLiteral("clip.mpg.00a"), "LETTER");
    job.run({QStringLiteral("clip.mpg.001")});
    EXPECT_EQ(job.folder.read(Clip), "LETTER");
}

TEST(CombineDiscovery, FilesThatOnlyLookLikeLetterPiecesAreLeftAlone)
{
    // clip.mpg.aac and clip.mpg.srt spell pieces 759 and 14357 in letters.
    for (const bool info : {true, false}) {
        CombineJob job;
        job.settings.HighPart = 19682;
        job.settings.MissingParts = 2;
        job.settings.PSizeCheck = false;
        job.settings.CombineDelete = true;
        const QByteArray data = writePieceSet(job.folder, layout(3000, 1000, info));
        job.folder.write(QStringLiteral("clip.mpg.aac"), "audio");
        job.folder.write(QStringLiteral("clip.mpg.srt"), "subtitles");
        EXPECT_EQ(job.run({QStringLiteral("clip.mpg.001")}).combined, 1);
        EXPECT_EQ(job.folder.read(Clip), data) << info;
        EXPECT_EQ(job.folder.read(QStringLiteral("clip.mpg.aac")), "audio");
        EXPECT_EQ(job.folder.read(QStringLiteral("clip.mpg.srt")), "subtitles");
    }
}

TEST(CombineDiscovery, ASetNamedTwiceIsCombinedOnce)
{
    CombineJob job;
    job.settings.MissingParts = 2;
    job.settings.CombineDelete = true;
    const QByteArray data = writePieceSet(job.folder, layout(3000, 1000));
    const CombineOutcome o = job.run({QStringLiteral("clip.mpg.000"), QStringLiteral("clip.mpg.001"),
                                      QStringLiteral("clip.mpg.002")});
    EXPECT_EQ(o.sets, 1);
    EXPECT_TRUE(o.allCombined());
    EXPECT_EQ(job.folder.read(Clip), data);
    EXPECT_TRUE(job.host.messages.isEmpty());
}

TEST(CombineDiscovery, ASetWithNothingToCopyNeverReplacesAFile)
{
    CombineJob job;
    job.settings.MissingParts = 2;
    job.settings.PSizePrompt = false;
    job.folder.write(Clip, "joined earlier");
    const CombineOutcome o = job.run({QStringLiteral("clip.mpg.001")});
    EXPECT_EQ(o.skipped, 1);
    EXPECT_EQ(job.folder.read(Clip), "joined earlier");
    EXPECT_TRUE(job.host.messages.isEmpty());
}

TEST(CombineDiscovery, MissingPartsSettingSkipsOrCombinesWithoutAsking)
{
    for (const int setting : {0, 2}) {
        CombineJob job;
        job.settings.MissingParts = qint16(setting);
        job.settings.PSizePrompt = false;
        const QByteArray data = writePieceSet(job.folder, layout(5000, 1000, false));
        const CombineOutcome o = job.run({QStringLiteral("clip.mpg.001")});
        EXPECT_TRUE(job.host.reports.empty());
        EXPECT_EQ(o.combined, setting == 2 ? 1 : 0);
        EXPECT_EQ(o.skipped, setting == 2 ? 0 : 1);
        EXPECT_EQ(job.folder.exists(Clip), setting == 2);
        if (setting == 2) {
            EXPECT_EQ(job.folder.read(Clip), data);
        }
    }
    CombineJob complete;
    complete.settings.MissingParts = 0;
    const QByteArray data = writePieceSet(complete.folder, layout(5000, 1000));
    EXPECT_EQ(complete.run({QStringLiteral("clip.mpg.000")}).combined, 1);
    EXPECT_EQ(complete.folder.read(Clip), data);
}

TEST(CombineDiscovery, ExtraPiecesExcludedOrCombined)
{
    for (const ReportAnswer answer : {ReportAnswer::Exclude, ReportAnswer::Combine}) {
        CombineJob job;
        job.settings.ExtraParts = 0;
        job.settings.PSizeCheck = false;
        const QByteArray data = writePieceSet(job.folder, layout(4000, 1000));
        job.folder.write(QStringLiteral("clip.mpg.005"), "five");
        job.folder.write(QStringLiteral("clip.mpg.006"), "six");
        job.host.reportAnswers.push_back(answer);
        job.run({QStringLiteral("clip.mpg.000")});
        ASSERT_EQ(job.host.reports.size(), 1u);
        EXPECT_EQ(job.host.reports[0].mode, ReportMode::Extra);
        EXPECT_EQ(job.host.reports[0].message,
                  QStringLiteral("The following extra parts to clip.mpg were found:\r\n\r\n5, 6"
                                 "\r\n\r\nDo you want to combine these also?"));
        EXPECT_EQ(job.folder.read(Clip),
                  answer == ReportAnswer::Exclude ? data : data + "five" + "six");
    }
}

TEST(CombineDiscovery, ExtraPiecesAlwaysIncludedWithoutAsking)
{
    CombineJob job;
    job.settings.PSizeCheck = false;
    const QByteArray data = writePieceSet(job.folder, layout(4000, 1000));
    job.folder.write(QStringLiteral("clip.mpg.005"), "five");
    job.run({QStringLiteral("clip.mpg.000")});
    EXPECT_TRUE(job.host.reports.empty());
    EXPECT_EQ(job.folder.read(Clip), data + "five");

    CombineJob noSearch;
    noSearch.settings.PSizeCheck = false;
    noSearch.settings.SearchExtra = false;
    const QByteArray again = writePieceSet(noSearch.folder, layout(4000, 1000));
    noSearch.folder.write(QStringLiteral("clip.mpg.005"), "five");
    noSearch.run({QStringLiteral("clip.mpg.000")});
    EXPECT_EQ(noSearch.folder.read(Clip), again);
}

TEST(CombineDiscovery, UnderscoreNamesFoundOnlyWithUnderPeriod)
{
    for (const bool underPeriod : {true, false}) {
        CombineJob job;
        job.settings.UnderPeriod = underPeriod;
        PieceSetLayout s = layout(4000, 1000);
        s.pieceStem = QStringLiteral("clip_mpg");
        const QByteArray data = writePieceSet(job.folder, s);
        if (!underPeriod)
            job.host.reportAnswers.push_back(ReportAnswer::Cancel);
        const CombineOutcome o = job.run({QStringLiteral("clip.mpg.000")});
        if (underPeriod) {
            EXPECT_TRUE(job.host.reports.empty());
            EXPECT_EQ(job.folder.read(Clip), data);
        } else {
            ASSERT_EQ(job.host.reports.size(), 1u);
            EXPECT_TRUE(job.host.reports[0].message.contains(
                QStringLiteral("\r\n\r\n1 - 4\r\n\r\n")));
            EXPECT_EQ(o.cancelled, 1);
            EXPECT_FALSE(job.folder.exists(Clip));
        }
    }
}

TEST(CombineDiscovery, GapButtonCombinesToTheGapCombineTakesEveryPresentPiece)
{
    for (const ReportAnswer answer : {ReportAnswer::Exclude, ReportAnswer::Combine}) {
        CombineJob job;
        const QByteArray data = writePieceSet(job.folder, layout(6000, 1000));
        QFile::remove(job.folder.path(QStringLiteral("clip.mpg.004")));
        job.host.reportAnswers.push_back(answer);
        job.run({QStringLiteral("clip.mpg.000")});
        ASSERT_EQ(job.host.reports.size(), 1u);
        EXPECT_EQ(job.host.reports[0].message,
                  QStringLiteral("clip.mpg is missing the following part:\r\n\r\n4\r\n\r\n"
                                 "Do you want to combine the existing parts?"));
        const QByteArray expected =
            answer == ReportAnswer::Exclude ? data.left(3000) : data.left(3000) + data.mid(4000);
        EXPECT_EQ(job.folder.read(Clip), expected);
    }
}

TEST(CombineDiscovery, ShortLastPieceIsReportedAndCanBeExcluded)
{
    for (const ReportAnswer answer : {ReportAnswer::Exclude, ReportAnswer::Combine}) {
        CombineJob job;
        job.settings.CombineDelete = true;
        const QByteArray data = writePieceSet(job.folder, layout(1000000, 400000));
        QFile(job.folder.path(QStringLiteral("clip.mpg.003"))).resize(199000);
        job.host.reportAnswers.push_back(answer);
        job.run({QStringLiteral("clip.mpg.000")});
        ASSERT_EQ(job.host.reports.size(), 1u);
        EXPECT_EQ(job.host.reports[0].mode, ReportMode::Corrupt);
        EXPECT_EQ(job.host.reports[0].message,
                  QStringLiteral("Corrupted Parts:\r\n\r\nPart 3 -- 201000 missing bytes\r\n\r\n"
                                 "This part of clip.mpg is the wrong size."));
        if (answer == ReportAnswer::Exclude) {
            EXPECT_EQ(job.folder.read(Clip), data.left(800000));
            // Neither copied nor deleted.
            EXPECT_TRUE(job.folder.exists(QStringLiteral("clip.mpg.003")));
        } else {
            EXPECT_EQ(job.folder.read(Clip), data.left(999000));
            EXPECT_FALSE(job.folder.exists(QStringLiteral("clip.mpg.003")));
        }
        EXPECT_FALSE(job.folder.exists(QStringLiteral("clip.mpg.001")));
    }
}

TEST(CombineDiscovery, ACorrectLastPieceIsQuestionedWhenAnExtraPieceFollows)
{
    CombineJob job;
    writePieceSet(job.folder, layout(1000000, 400000));
    job.folder.write(QStringLiteral("clip.mpg.004"), QByteArray(1000, 'x'));
    job.host.reportAnswers.push_back(ReportAnswer::Cancel);
    const CombineOutcome o = job.run({QStringLiteral("clip.mpg.000")});
    ASSERT_EQ(job.host.reports.size(), 1u);
    EXPECT_EQ(job.host.reports[0].message,
              QStringLiteral("Corrupted Parts:\r\n\r\n"
                             "Part 3 -- This might not be the correct 'last part' for this "
                             "movie.\r\n"
                             "Part 4 -- 399000 missing bytes\r\n\r\n"
                             "These parts of clip.mpg are the wrong size."));
    EXPECT_EQ(o.cancelled, 1);
    EXPECT_FALSE(job.folder.exists(Clip));
    EXPECT_TRUE(job.host.captions(Line::Part)
                    .contains(QStringLiteral("Checking file size for part 1001 - 100% complete")));
}

TEST(CombineDiscovery, WithoutInfoFileTheLastPieceCountsAsShort)
{
    CombineJob job;
    job.settings.HighPart = 3;
    writePieceSet(job.folder, layout(2500, 1000, false));
    job.host.inputs.push_back(QStringLiteral("1000 bytes"));
    job.host.reportAnswers.push_back(ReportAnswer::Combine);
    job.run({QStringLiteral("clip.mpg.001")});
    ASSERT_EQ(job.host.reports.size(), 1u);
    EXPECT_EQ(job.host.reports[0].message,
              QStringLiteral("Corrupted Parts:\r\n\r\nPart 3 -- 500 missing bytes\r\n\r\n"
                             "This part of clip.mpg is the wrong size."));
    EXPECT_EQ(job.folder.size(Clip), 2500);
}

TEST(CombineDiscovery, PieceSizePromptCancelledOrNotANumberSkipsTheCheck)
{
    for (const std::optional<QString>& answer :
         {std::optional<QString>(), std::optional<QString>(QStringLiteral("abc"))}) {
        CombineJob job;
        job.settings.HighPart = 3;
        const QByteArray data = writePieceSet(job.folder, layout(2500, 1000, false));
        job.host.inputs.push_back(answer);
        EXPECT_EQ(job.run({QStringLiteral("clip.mpg.001")}).combined, 1);
        EXPECT_TRUE(job.host.reports.empty());
        EXPECT_EQ(job.folder.read(Clip), data);
    }
}

// Two sets whose piece 2 is missing; the reports answered in turn.
struct TwoSets : CombineJob {
    TwoSets()
    {
        for (const char* name : {"a.bin", "b.bin"}) {
            PieceSetLayout s = layout(3000, 1000);
            s.name = QString::fromLatin1(name);
            writePieceSet(folder, s);
            QFile::remove(folder.path(s.name + QStringLiteral(".002")));
        }
    }
    CombineOutcome run2()
    {
        return run({QStringLiteral("a.bin.000"), QStringLiteral("b.bin.000")});
    }
};

TEST(CombineDiscovery, SkipGoesOnWithTheNextSetCancelLeavesItUntouched)
{
    TwoSets skip;
    skip.host.reportAnswers = {ReportAnswer::Skip, ReportAnswer::Combine};
    CombineOutcome o = skip.run2();
    ASSERT_EQ(skip.host.reports.size(), 2u);
    EXPECT_EQ(skip.host.reports[0].set, 1);
    EXPECT_EQ(skip.host.reports[1].set, 2);
    EXPECT_EQ(skip.host.reports[1].setCount, 2);
    EXPECT_EQ(o.skipped, 1);
    EXPECT_EQ(o.combined, 1);
    EXPECT_FALSE(skip.folder.exists(QStringLiteral("a.bin")));
    EXPECT_EQ(skip.folder.size(QStringLiteral("b.bin")), 2000);
    EXPECT_EQ(skip.host.captions(Line::Total).last(),
              QStringLiteral("100% complete (2 of 2 file sets combined)"));

    TwoSets cancel;
    cancel.host.reportAnswers = {ReportAnswer::Cancel};
    o = cancel.run2();
    EXPECT_EQ(cancel.host.reports.size(), 1u);
    EXPECT_EQ(o.cancelled, 2);
    EXPECT_FALSE(cancel.folder.exists(QStringLiteral("a.bin")));
    EXPECT_FALSE(cancel.folder.exists(QStringLiteral("b.bin")));
    EXPECT_FALSE(o.allCombined());
}

TEST(CombineDiscovery, APieceEntryAfterAnInfoEntryIsReadAsAPieceSet)
{
    CombineJob job;
    job.settings.HighPart = 3;
    const QByteArray a = writePieceSet(job.folder, layout(3000, 1000));
    PieceSetLayout b = layout(3000, 1000, false);
    b.name = QStringLiteral("b.bin");
    b.seed = 2;
    const QByteArray bData = writePieceSet(job.folder, b);
    job.host.inputs.push_back(QStringLiteral("1000"));
    const CombineOutcome o = job.run({QStringLiteral("clip.mpg.000"), QStringLiteral("b.bin.001")});
    EXPECT_EQ(o.combined, 2);
    EXPECT_EQ(job.host.prompts, QStringList{prompt(QStringLiteral("b.bin"))});
    EXPECT_TRUE(job.host.messages.isEmpty());
    EXPECT_EQ(job.folder.read(Clip), a);
    EXPECT_EQ(job.folder.read(QStringLiteral("b.bin")), bData);
}

TEST(CombineDiscovery, DamagedInfoFileAbortRetryIgnore)
{
    const QString damaged = QStringLiteral(
        "\r\n\r\nThis .000 file is probably messed up.\r\n"
        "Click the Retry button to try to read the file again.\r\n"
        "Click the Ignore button if you want to combine files anyway.\r\n"
        "Click the Abort button to skip this file set.");
    CombineJob abort;
    writePieceSet(abort.folder, layout(3000, 1000, false));
    abort.folder.write(QStringLiteral("clip.mpg.000"), "\xff");
    abort.host.answers = {Answer::Retry, Answer::Abort};
    const CombineOutcome o = abort.run({QStringLiteral("clip.mpg.000")});
    EXPECT_EQ(abort.host.messages,
              QStringList(2, abort.folder.path(QStringLiteral("clip.mpg.000")) + damaged));
    EXPECT_EQ(o.skipped, 1);
    EXPECT_FALSE(abort.folder.exists(Clip));

    // More pieces than can be named is as damaged as a short file.
    CombineJob huge;
    writeInfo(huge.folder, QStringLiteral("clip.mpg.000"), 1000, 19683, 1000);
    huge.host.answers = {Answer::Abort};
    EXPECT_EQ(huge.run({QStringLiteral("clip.mpg.000")}).skipped, 1);
    EXPECT_EQ(huge.host.messages.size(), 1);
}

TEST(CombineDiscovery, IgnoredInfoFileIsKeptWhenThePiecesAreDeleted)
{
    CombineJob job;
    job.settings.HighPart = 3;
    job.settings.CombineDelete = true;
    PieceSetLayout s = layout(3000, 1000, false);
    s.batch = true;
    const QByteArray data = writePieceSet(job.folder, s);
    job.folder.write(QStringLiteral("clip.mpg.000"), "\xff");
    job.host.answers = {Answer::Ignore};
    job.host.inputs.push_back(std::nullopt);
    EXPECT_EQ(job.run({QStringLiteral("clip.mpg.000")}).combined, 1);
    EXPECT_EQ(job.folder.read(Clip), data);
    EXPECT_EQ(job.folder.names(),
              (QStringList{QStringLiteral("clip.mpg"), QStringLiteral("clip.mpg.000")}));
    EXPECT_EQ(job.host.statuses, (QStringList{QStringLiteral("Deleting combined parts..."),
                                              QStringLiteral("Processed clip.mpg")}));
}

TEST(CombineDiscovery, SizesBeyondFourGigabytes)
{
    // Sparse pieces: 3 GiB and 2 GiB + 1 byte of a 5 GiB + 1 byte file. The
    // existing output is kept (No, then no name), so nothing is copied.
    for (const qint64 lastSize : {(qint64(2) << 30) + 1, qint64(2) << 30}) {
        CombineJob job;
        const qint64 piece = qint64(3) << 30;
        for (const auto& [name, size] : {std::pair{QStringLiteral("big.001"), piece},
                                         std::pair{QStringLiteral("big.002"), lastSize}}) {
            QFile f(job.folder.path(name));
            ASSERT_TRUE(f.open(QIODevice::WriteOnly));
            ASSERT_TRUE(f.resize(size));
        }
        writeInfo(job.folder, QStringLiteral("big.000"), quint64(piece + (qint64(2) << 30) + 1), 2,
                  quint64(piece));
        job.folder.write(QStringLiteral("big"), "keep");
        job.host.answers = {Answer::No};
        job.host.inputs.push_back(QString());
        if (lastSize != (qint64(2) << 30) + 1)
            job.host.reportAnswers.push_back(ReportAnswer::Combine);
        const CombineOutcome o = job.run({QStringLiteral("big.000")});
        EXPECT_EQ(o.skipped, 1);
        EXPECT_EQ(job.folder.read(QStringLiteral("big")), QByteArray("keep"));
        if (lastSize == (qint64(2) << 30) + 1) {
            EXPECT_TRUE(job.host.reports.empty());
        } else {
            ASSERT_EQ(job.host.reports.size(), 1u);
            EXPECT_TRUE(job.host.reports[0].message.contains(
                QStringLiteral("Part 2 -- 1073741824 missing bytes")));
        }
    }
}

TEST(CombineDiscovery, TheBatchFileIsNeverTakenForPiece1505)
{
    // base.bat is the letter name of piece 1505: a high HighPart must not pull
    // the batch file into a set of five pieces, with or without an info file.
    for (const bool info : {true, false}) {
        CombineJob job;
        job.settings.HighPart = 19682;
        job.settings.MissingParts = 2;
        job.settings.PSizeCheck = false;
        PieceSetLayout s = layout(5000, 1000, info);
        s.batch = true;
        const QByteArray data = writePieceSet(job.folder, s);
        const CombineOutcome o = job.run({info ? "clip.mpg.000" : "clip.mpg.001"}, job.folder.mkdir("out"));
        EXPECT_EQ(o.combined, 1) << info;
        EXPECT_EQ(job.folder.read("out/clip.mpg"), data) << info;
        EXPECT_TRUE(job.host.reports.empty()) << info;
    }
}

TEST(CombineDiscovery, ALetterSetOfAtLeast1505PiecesHasItsPieceNamedBat)
{
    CombineJob job;
    job.settings.PSizeCheck = false;
    const QByteArray data = writePieceSet(job.folder, layout(1506 * 10, 10));
    ASSERT_TRUE(job.folder.exists("clip.mpg.bat"));
    EXPECT_EQ(job.run({"clip.mpg.000"}, job.folder.mkdir("out")).combined, 1);
    EXPECT_EQ(job.folder.read("out/clip.mpg"), data);
}

}  // namespace
}  // namespace tsl::test
