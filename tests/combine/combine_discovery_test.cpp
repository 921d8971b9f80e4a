// Combine, first half: finding the pieces of a set, the reports about
// missing, extra and wrong-size pieces, and what their answers combine.
#include "support/engine_job.h"

#include <QFile>
#include <gtest/gtest.h>

namespace tsl::test {
namespace {

const QString Clip = QStringLiteral("clip.mpg");

QString prompt(const QString& base)
{
    return "Enter the part size (in bytes) for the\r\nsegments of " + base
        + ". Click the Cancel button\r\nto skip the part size check.";
}

QString missing(const QString& list, bool one = false)
{
    return "Missing: clip.mpg is missing the following part" + QString(one ? "" : "s") + ":\r\n\r\n"
        + list + "\r\n\r\nDo you want to combine the existing parts?";
}

QString corrupt(const QString& list, bool one = false)
{
    return "Corrupt: Corrupted Parts:\r\n\r\n" + list + "\r\n\r\n"
        + (one ? "This part of clip.mpg is" : "These parts of clip.mpg are") + " the wrong size.";
}

// Named by its info file and two of its pieces, the set is still one.
TEST(CombineDiscovery, CompleteSetAsksNothingAndReportsEveryStep)
{
    CombineJob job;
    const QByteArray data = job.pieces({.size = 1000000, .pieceSize = 400000});
    const CombineOutcome o = job.combine({"clip.mpg.000", "clip.mpg.001", "clip.mpg.002"});
    EXPECT_EQ(o.sets, 1);
    EXPECT_EQ(o.combined, 1);
    EXPECT_TRUE(o.allCombined());
    EXPECT_TRUE(job.host.messages.isEmpty());
    EXPECT_TRUE(job.host.prompts.isEmpty());
    EXPECT_EQ(job.folder.read(Clip), data);
    EXPECT_EQ(job.host.statuses, QStringList{"Processed clip.mpg"});
    const QStringList part = job.host.captions(Line::Part);
    for (const char* caption :
         {"Searching for part 1 - 33% complete", "Searching for part 3 - 100% complete",
          "Searching for extra part 4 - 0% complete",
          "Searching for extra part 1000 - 100% complete",
          "Checking file size for part 3 - 100% complete",
          "33% complete (1 of 3 parts read - clip.mpg)",
          "100% complete (3 of 3 parts read - clip.mpg)"})
        EXPECT_TRUE(part.contains(caption)) << caption;
    EXPECT_FALSE(part.contains("Checking file size for part 4 - 0% complete"));
    const QStringList total = job.host.captions(Line::Total);
    EXPECT_EQ(total.first(), "33% complete");
    EXPECT_EQ(total.last(), "100% complete (1 of 1 file set combined)");
}

TEST(CombineDiscovery, WithoutInfoFileHighPart1000ListsTheLetterNamesOfTheMissingRun)
{
    CombineJob job;
    const QByteArray data = job.pieces({.size = 5000, .pieceSize = 1000, .info = false});
    job.host.inputs = {"1000"};
    job.host.reportAnswers = {ReportAnswer::Combine};
    EXPECT_EQ(job.combine({"clip.mpg.001"}).combined, 1);
    EXPECT_EQ(job.host.prompts, QStringList{prompt(Clip)});
    EXPECT_EQ(job.reported(), QStringList{missing("6 (00f) - 1000 (aja)")});
    EXPECT_EQ(job.host.reports[0].outDir, job.folder.dir());
    EXPECT_EQ(job.folder.read(Clip), data);
}

TEST(CombineDiscovery, TheFirstPieceDecidesTheSchemeOfTheRest)
{
    // Without an info file, HighPart 1000 calls for letter names; piece 1 is
    // found under its letter name, so piece 2 is not taken under its digit one.
    CombineJob job;
    job.settings.MissingParts = 2;
    job.settings.PSizePrompt = false;
    job.pieces({.size = 2000, .pieceSize = 1000, .info = false});
    job.folder.write("clip.mpg.00a", "LETTER");
    job.combine({"clip.mpg.001"});
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
        const QByteArray data = job.pieces({.size = 3000, .pieceSize = 1000, .info = info});
        job.folder.write("clip.mpg.aac", "audio");
        job.folder.write("clip.mpg.srt", "subtitles");
        EXPECT_EQ(job.combine({"clip.mpg.001"}).combined, 1);
        EXPECT_EQ(job.folder.read(Clip), data) << info;
        EXPECT_EQ(job.folder.read("clip.mpg.aac"), "audio");
        EXPECT_EQ(job.folder.read("clip.mpg.srt"), "subtitles");
    }
}

TEST(CombineDiscovery, ASetWithNothingToCopyNeverReplacesAFile)
{
    CombineJob job;
    job.settings.MissingParts = 2;
    job.settings.PSizePrompt = false;
    job.folder.write(Clip, "joined earlier");
    EXPECT_EQ(job.combine({"clip.mpg.001"}).skipped, 1);
    EXPECT_EQ(job.folder.read(Clip), "joined earlier");
    EXPECT_TRUE(job.host.messages.isEmpty());
}

TEST(CombineDiscovery, MissingPartsSettingSkipsOrCombinesWithoutAsking)
{
    // 0 skips a set with gaps only: a complete set is combined all the same.
    for (const auto& [setting, info] : {std::pair{0, false}, {2, false}, {0, true}}) {
        CombineJob job;
        job.settings.MissingParts = qint16(setting);
        job.settings.PSizePrompt = false;
        const QByteArray data = job.pieces({.size = 5000, .pieceSize = 1000, .info = info});
        const bool combines = setting == 2 || info;
        const CombineOutcome o = job.combine({info ? "clip.mpg.000" : "clip.mpg.001"});
        EXPECT_TRUE(job.host.reports.empty());
        EXPECT_EQ(o.combined, combines ? 1 : 0);
        EXPECT_EQ(o.skipped, combines ? 0 : 1);
        EXPECT_EQ(job.folder.read(Clip), combines ? data : QByteArray());
    }
}

TEST(CombineDiscovery, ExtraPiecesAskedIncludedOrNotSearched)
{
    const struct {
        qint16 extraParts;
        bool search;
        std::optional<ReportAnswer> answer;
        bool included;
    } cases[] = {
        {0, true, ReportAnswer::Exclude, false},
        {0, true, ReportAnswer::Combine, true},
        {1, true, std::nullopt, true},  // always included, no question
        {1, false, std::nullopt, false},
    };
    for (const auto& c : cases) {
        CombineJob job;
        job.settings.ExtraParts = c.extraParts;
        job.settings.SearchExtra = c.search;
        job.settings.PSizeCheck = false;
        const QByteArray data = job.pieces({.size = 4000, .pieceSize = 1000});
        job.folder.write("clip.mpg.005", "five");
        job.folder.write("clip.mpg.006", "six");
        if (c.answer)
            job.host.reportAnswers = {*c.answer};
        job.combine({"clip.mpg.000"});
        EXPECT_EQ(job.reported(),
                  c.answer ? QStringList{"Extra: The following extra parts to clip.mpg were "
                                         "found:\r\n\r\n5, 6\r\n\r\n"
                                         "Do you want to combine these also?"}
                           : QStringList());
        EXPECT_EQ(job.folder.read(Clip), c.included ? data + "five" + "six" : data);
    }
}

TEST(CombineDiscovery, UnderscoreNamesFoundOnlyWithUnderPeriod)
{
    for (const bool underPeriod : {true, false}) {
        CombineJob job;
        job.settings.UnderPeriod = underPeriod;
        const QByteArray data =
            job.pieces({.size = 4000, .pieceSize = 1000, .pieceStem = "clip_mpg"});
        if (!underPeriod)
            job.host.reportAnswers = {ReportAnswer::Cancel};
        EXPECT_EQ(job.combine({"clip.mpg.000"}).untouched, underPeriod ? 0 : 1);
        EXPECT_EQ(job.reported(), underPeriod ? QStringList() : QStringList{missing("1 - 4")});
        EXPECT_EQ(job.folder.read(Clip), underPeriod ? data : QByteArray());
    }
}

TEST(CombineDiscovery, GapButtonCombinesToTheGapCombineTakesEveryPresentPiece)
{
    // The gap leaves the extra piece out too, though extras are always included.
    for (const ReportAnswer answer : {ReportAnswer::Exclude, ReportAnswer::Combine}) {
        CombineJob job;
        job.settings.PSizeCheck = false;
        const QByteArray data = job.pieces({.size = 6000, .pieceSize = 1000});
        QFile::remove(job.folder.path("clip.mpg.004"));
        job.folder.write("clip.mpg.007", "extra");
        job.host.reportAnswers = {answer};
        job.combine({"clip.mpg.000"});
        EXPECT_EQ(job.reported(), QStringList{missing("4", true)});
        EXPECT_EQ(job.folder.read(Clip),
                  answer == ReportAnswer::Exclude ? data.left(3000)
                                                  : data.left(3000) + data.mid(4000) + "extra");
    }
}

TEST(CombineDiscovery, ShortLastPieceIsReportedAndCanBeExcluded)
{
    for (const ReportAnswer answer : {ReportAnswer::Exclude, ReportAnswer::Combine}) {
        CombineJob job;
        job.settings.CombineDelete = true;
        const QByteArray data = job.pieces({.size = 1000000, .pieceSize = 400000});
        QFile::resize(job.folder.path("clip.mpg.003"), 199000);
        job.host.reportAnswers = {answer};
        job.combine({"clip.mpg.000"});
        EXPECT_EQ(job.reported(), QStringList{corrupt("Part 3 -- 201000 missing bytes", true)});
        const bool excluded = answer == ReportAnswer::Exclude;
        EXPECT_EQ(job.folder.read(Clip), data.left(excluded ? 800000 : 999000));
        // Either way the file is not the one the info file records: every
        // piece stays, with the info file.
        EXPECT_TRUE(job.folder.exists("clip.mpg.003"));
        EXPECT_TRUE(job.folder.exists("clip.mpg.001"));
        EXPECT_TRUE(job.folder.exists("clip.mpg.000"));
    }
}

TEST(CombineDiscovery, ACorrectLastPieceIsQuestionedWhenAnExtraPieceFollows)
{
    CombineJob job;
    job.pieces({.size = 1000000, .pieceSize = 400000});
    job.folder.write("clip.mpg.004", QByteArray(1000, 'x'));
    job.host.reportAnswers = {ReportAnswer::Cancel};
    EXPECT_EQ(job.combine({"clip.mpg.000"}).untouched, 1);
    EXPECT_EQ(job.reported(),
              QStringList{corrupt("Part 3 -- This might not be the correct 'last part' for this "
                                  "movie.\r\nPart 4 -- 399000 missing bytes")});
    EXPECT_FALSE(job.folder.exists(Clip));
    EXPECT_TRUE(
        job.host.captions(Line::Part).contains("Checking file size for part 1001 - 100% complete"));
}

TEST(CombineDiscovery, WithoutInfoFileThePromptedSizeChecksTheLastPieceToo)
{
    // Cancelled or not a number, the prompt skips the check.
    for (const std::optional<QString>& typed :
         {std::optional<QString>("1000 bytes"), std::optional<QString>(),
          std::optional<QString>("abc")}) {
        CombineJob job;
        job.settings.HighPart = 3;
        const QByteArray data = job.pieces({.size = 2500, .pieceSize = 1000, .info = false});
        job.host.inputs = {typed};
        const bool checked = typed == "1000 bytes";
        if (checked)
            job.host.reportAnswers = {ReportAnswer::Combine};
        EXPECT_EQ(job.combine({"clip.mpg.001"}).combined, 1);
        const QStringList report{corrupt("Part 3 -- 500 missing bytes", true)};
        EXPECT_EQ(job.reported(), checked ? report : QStringList());
        EXPECT_EQ(job.folder.read(Clip), data);
    }
}

TEST(CombineDiscovery, SkipGoesOnWithTheNextSetCancelLeavesItUntouched)
{
    // Two sets whose piece 2 is missing; the reports answered in turn.
    for (const ReportAnswer first : {ReportAnswer::Skip, ReportAnswer::Cancel}) {
        CombineJob job;
        for (const char* name : {"a.bin", "b.bin"}) {
            job.pieces({.name = name, .size = 3000, .pieceSize = 1000});
            QFile::remove(job.folder.path(name + QString(".002")));
        }
        job.host.reportAnswers = {first, ReportAnswer::Combine};
        const CombineOutcome o = job.combine({"a.bin.000", "b.bin.000"});
        EXPECT_FALSE(job.folder.exists("a.bin"));
        EXPECT_FALSE(o.allCombined());
        if (first == ReportAnswer::Skip) {
            ASSERT_EQ(job.host.reports.size(), 2u);
            EXPECT_EQ(job.host.reports[0].set, 1);
            EXPECT_EQ(job.host.reports[1].set, 2);
            EXPECT_EQ(job.host.reports[1].setCount, 2);
            EXPECT_EQ(o.skipped, 1);
            // b is joined without its piece 2, as answered: written, not done.
            EXPECT_EQ(o.combined, 0);
            EXPECT_EQ(o.failed, 1);
            EXPECT_EQ(job.folder.size("b.bin"), 2000);
            EXPECT_EQ(job.host.captions(Line::Total).last(),
                      "0% complete (0 of 2 file sets combined, 1 skipped, 1 failed)");
        } else {
            EXPECT_EQ(job.host.reports.size(), 1u);
            EXPECT_EQ(o.untouched, 2);
            EXPECT_FALSE(job.folder.exists("b.bin"));
        }
    }
}

TEST(CombineDiscovery, APieceEntryAfterAnInfoEntryIsReadAsAPieceSet)
{
    CombineJob job;
    job.settings.HighPart = 3;
    const QByteArray a = job.pieces({.size = 3000, .pieceSize = 1000});
    const QByteArray b =
        job.pieces({.name = "b.bin", .size = 3000, .pieceSize = 1000, .seed = 2, .info = false});
    job.host.inputs = {"1000"};
    EXPECT_EQ(job.combine({"clip.mpg.000", "b.bin.001"}).combined, 2);
    EXPECT_EQ(job.host.prompts, QStringList{prompt("b.bin")});
    EXPECT_TRUE(job.host.messages.isEmpty());
    EXPECT_EQ(job.folder.read(Clip), a);
    EXPECT_EQ(job.folder.read("b.bin"), b);
}

// The question and Retry are the info file reader's (info_file_test.cpp).
TEST(CombineDiscovery, DamagedInfoFileAbortSkipsTheSetIgnoreCombinesAndKeepsIt)
{
    for (const Answer answer : {Answer::Abort, Answer::Ignore}) {
        CombineJob job;
        job.settings.HighPart = 3;
        job.settings.CombineDelete = true;
        const QByteArray data =
            job.pieces({.size = 3000, .pieceSize = 1000, .info = false, .batch = true});
        job.folder.write("clip.mpg.000", "\xff");
        const QStringList before = job.folder.names();
        job.host.answers = {answer};
        job.host.inputs = {std::nullopt};
        const CombineOutcome o = job.combine({"clip.mpg.000"});
        EXPECT_EQ(job.host.messages.size(), 1);
        if (answer == Answer::Abort) {
            EXPECT_EQ(o.skipped, 1);
            EXPECT_EQ(job.folder.names(), before);
            continue;
        }
        EXPECT_EQ(o.combined, 1);
        EXPECT_EQ(job.folder.read(Clip), data);
        EXPECT_EQ(job.folder.names(), QStringList({"clip.mpg", "clip.mpg.000"}));
        EXPECT_EQ(job.host.statuses,
                  QStringList({"Deleting combined parts...", "Processed clip.mpg"}));
    }

    // More pieces than can be named is as damaged as a short file.
    CombineJob huge;
    writeInfo(huge.folder, "clip.mpg.000", 1000, 19683, 1000);
    huge.host.answers = {Answer::Abort};
    EXPECT_EQ(huge.combine({"clip.mpg.000"}).skipped, 1);
    EXPECT_EQ(huge.host.messages.size(), 1);
}

TEST(CombineDiscovery, SizesBeyondFourGigabytes)
{
    // Sparse pieces: 3 GiB and 2 GiB + 1 byte of a 5 GiB + 1 byte file. The
    // existing output is kept (No, then no name), so nothing is copied.
    const qint64 piece = qint64(3) << 30, rest = (qint64(2) << 30) + 1;
    for (const qint64 lastSize : {rest, rest - 1}) {
        CombineJob job;
        QFile::resize(job.folder.write("big.001", {}), piece);
        QFile::resize(job.folder.write("big.002", {}), lastSize);
        writeInfo(job.folder, "big.000", quint64(piece + rest), 2, quint64(piece));
        job.folder.write("big", "keep");
        job.host.answers = {Answer::No};
        job.host.inputs = {QString()};
        if (lastSize != rest)
            job.host.reportAnswers = {ReportAnswer::Combine};
        EXPECT_EQ(job.combine({"big.000"}).skipped, 1);
        EXPECT_EQ(job.folder.read("big"), QByteArray("keep"));
        ASSERT_EQ(job.host.reports.size(), lastSize == rest ? 0u : 1u);
        if (lastSize != rest) {
            EXPECT_TRUE(job.host.reports[0].message.contains("Part 2 -- 1073741824 missing bytes"));
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
        const QByteArray data =
            job.pieces({.size = 5000, .pieceSize = 1000, .info = info, .batch = true});
        const CombineOutcome o =
            job.combine({info ? "clip.mpg.000" : "clip.mpg.001"}, job.folder.mkdir("out"));
        EXPECT_EQ(o.combined, 1) << info;
        EXPECT_EQ(job.folder.read("out/clip.mpg"), data) << info;
        EXPECT_TRUE(job.host.reports.empty()) << info;
    }

    // A letter set of at least 1505 pieces has its piece named bat.
    CombineJob job;
    job.settings.PSizeCheck = false;
    const QByteArray data = job.pieces({.size = 1506 * 10, .pieceSize = 10});
    ASSERT_TRUE(job.folder.exists("clip.mpg.bat"));
    EXPECT_EQ(job.combine({"clip.mpg.000"}, job.folder.mkdir("out")).combined, 1);
    EXPECT_EQ(job.folder.read("out/clip.mpg"), data);
}

}  // namespace
}  // namespace tsl::test
