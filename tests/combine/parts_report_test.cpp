// The rules of the parts report: hand-over text, answer markers, captions,
// Skip, the list and the file it is saved to.
#include "combine/parts_report.h"
#include "core/texts.h"
#include "support/temp_files.h"

#include <QFile>
#include <gtest/gtest.h>

using namespace tsl;
using tsl::test::TempFolder;

namespace {

// The three messages as Combine words them.
QString missingMessage(const QString& base, const QString& list, bool one)
{
    return base + (one ? " is missing the following part:" : " is missing the following parts:")
           + CrLf2 + list + CrLf2 + "Do you want to combine the existing parts?";
}

QString extraMessage(const QString& base, const QString& list)
{
    return "The following extra parts to " + base + " were found:" + CrLf2 + list + CrLf2
           + "Do you want to combine these also?";
}

QString corruptMessage(const QString& base, const QStringList& entries)
{
    QString list;
    for (const QString& e : entries)
        list += e + CrLf;
    return "Corrupted Parts:" + CrLf2 + list + CrLf
           + (entries.size() > 1 ? "These parts of " + base + " are the wrong size."
                                 : "This part of " + base + " is the wrong size.");
}

PartsReport report(ReportMode mode, const QString& base, const QString& outDir,
                   const QString& message)
{
    PartsReport r;
    r.mode = mode;
    r.base = base;
    r.outDir = outDir;
    r.message = message;
    return r;
}

}  // namespace

TEST(PartsReportHandOver, LaysOutModeAndPositionInFixedColumns)
{
    EXPECT_EQ(handOverText(ReportMode::Missing, 3, "msg"), "Missing  3      msg");
    EXPECT_EQ(handOverText(ReportMode::Extra, 12, "x"), "Extra    12     x");
    EXPECT_EQ(handOverText(ReportMode::Corrupt, 1234567, ""), "Corrupt  1234567");
}

TEST(PartsReportHandOver, RoundTripsEveryModeAndMessage)
{
    const QString message = missingMessage("clip.mpg", "2 - 5, 9", false);
    for (ReportMode mode : {ReportMode::Missing, ReportMode::Extra, ReportMode::Corrupt}) {
        for (int set : {1, 42, 9999999}) {
            const auto h = parseHandOver(handOverText(mode, set, message));
            ASSERT_TRUE(h.has_value());
            EXPECT_EQ(h->mode, mode);
            EXPECT_EQ(h->set, set);
            EXPECT_EQ(h->message, message);
        }
    }
    // A message that itself starts with blanks and digits keeps them.
    const auto h = parseHandOver(handOverText(ReportMode::Extra, 2, "  7 pieces"));
    ASSERT_TRUE(h.has_value());
    EXPECT_EQ(h->message, "  7 pieces");
}

TEST(PartsReportHandOver, RefusesTextsThatAreNoHandOver)
{
    EXPECT_FALSE(parseHandOver("Missing").has_value());
    EXPECT_FALSE(parseHandOver("Lost     1      msg").has_value());
    EXPECT_FALSE(parseHandOver("missing  1      msg").has_value());
    EXPECT_FALSE(parseHandOver("Missing  x      msg").has_value());
}

TEST(PartsReportAnswers, MarkersAndWords)
{
    EXPECT_EQ(answerMarker(ReportAnswer::Combine), "~~~~~Combine~~~~~");
    EXPECT_EQ(answerMarker(ReportAnswer::Exclude), "~~~~~Exclude~~~~~");
    EXPECT_EQ(answerMarker(ReportAnswer::Skip), "~~~~~Skip~~~~~");
    EXPECT_EQ(answerMarker(ReportAnswer::Cancel), "~~~~~Cancel~~~~~");
    for (ReportAnswer a : {ReportAnswer::Combine, ReportAnswer::Exclude, ReportAnswer::Skip,
                           ReportAnswer::Cancel}) {
        EXPECT_EQ(answerFromMarker(answerMarker(a)), a);
        EXPECT_EQ(reportAnswerFromWord(reportAnswerWord(a).toLower()), a);
    }
    EXPECT_FALSE(answerFromMarker("~~~~Combine~~~~").has_value());
    EXPECT_FALSE(answerFromMarker("Combine").has_value());
    EXPECT_FALSE(reportAnswerFromWord("include").has_value());
}

TEST(PartsReportList, TakesTheTextBetweenTheFirstTwoBlankLines)
{
    EXPECT_EQ(reportList(missingMessage("clip.mpg", "2 - 5, 9, 12, 13", false)),
              "2 - 5, 9, 12, 13");
    EXPECT_EQ(reportList(missingMessage("clip.mpg", "6 (00f) - 1000 (aja)", false)),
              "6 (00f) - 1000 (aja)");
    EXPECT_EQ(reportList(extraMessage("clip.mpg", "5, 6")), "5, 6");
    // The wrong-size entries, one per line, without the last entry's line break.
    EXPECT_EQ(reportList(corruptMessage("clip.mpg", {"Part 2 -- 10 missing bytes",
                                                     "Part 3 -- 7 extra bytes"})),
              "Part 2 -- 10 missing bytes" + CrLf + "Part 3 -- 7 extra bytes");
    EXPECT_EQ(reportList(corruptMessage("clip.mpg", {"Part 3 -- 201000 missing bytes"})),
              "Part 3 -- 201000 missing bytes");
}

TEST(PartsReportList, MessagesWithoutTwoBlankLines)
{
    EXPECT_EQ(reportList("Head:" + CrLf2 + "1, 2"), "1, 2");
    EXPECT_EQ(reportList("no blank line" + CrLf + "at all"), "no blank line" + CrLf + "at all");
}

TEST(PartsReportList, CopiedTextHasHeadingBlankLineAndList)
{
    EXPECT_EQ(listText(ReportMode::Extra, "clip.mpg", extraMessage("clip.mpg", "5, 6")),
              "Extra parts of clip.mpg:\r\n\r\n5, 6");
    EXPECT_EQ(listText(ReportMode::Corrupt, "clip.mpg",
                       corruptMessage("clip.mpg", {"Part 1 -- 3 extra bytes",
                                                   "Part 2 -- 4 extra bytes"})),
              "Corrupt parts of clip.mpg:\r\n\r\n"
              "Part 1 -- 3 extra bytes\r\nPart 2 -- 4 extra bytes");
}

TEST(PartsReportFile, NameFollowsOutputDirBaseAndMode)
{
    EXPECT_EQ(listFilePath(report(ReportMode::Extra, "clip.mpg", "/out/", "")),
              "/out/clip - extra.txt");
    EXPECT_EQ(listFilePath(report(ReportMode::Missing, "a.b.c", "/out", "")),
              "/out/a.b - missing.txt");
    EXPECT_EQ(listFilePath(report(ReportMode::Corrupt, "clip", "/d/", "")),
              "/d/clip - corrupt.txt");
}

TEST(PartsReportFile, SavesOneLineWithItsLineBreakReplacingOldContent)
{
    TempFolder tmp;
    tmp.write("clip - extra.txt", QByteArray(500, 'z'));
    const PartsReport r =
        report(ReportMode::Extra, "clip.mpg", tmp.dir(), extraMessage("clip.mpg", "5, 6"));
    ASSERT_FALSE(saveList(r).failed());
    EXPECT_EQ(tmp.read("clip - extra.txt"), QByteArray("Extra parts of clip.mpg:\r\n\r\n5, 6\r\n"));
    EXPECT_EQ(tmp.names(), QStringList{"clip - extra.txt"});
}

TEST(PartsReportFile, SaveFailuresAreReportedAndTouchNothing)
{
    TempFolder tmp;
    const QString message = missingMessage("clip.mpg", "4", true);
    const RunError noDir =
        saveList(report(ReportMode::Missing, "clip.mpg", tmp.path("gone") + "/", message));
    EXPECT_EQ(noDir.number, err::PathNotFound);
    EXPECT_FALSE(tmp.exists("gone"));

    // A read-only list file stays as it is, for root too.
    const QString path = tmp.write("clip - missing.txt", "keep");
    QFile::setPermissions(path, QFileDevice::ReadOwner | QFileDevice::ReadGroup);
    const RunError readOnly = saveList(report(ReportMode::Missing, "clip.mpg", tmp.dir(), message));
    EXPECT_EQ(readOnly.number, err::PathFileAccess);
    EXPECT_EQ(tmp.read("clip - missing.txt"), QByteArray("keep"));
    EXPECT_EQ(saveFailedText(path, readOnly),
              "The list could not be saved to\r\n" + path
                  + "\r\n\r\nPath/File access error (error 75)");
}

TEST(PartsReportCaptions, GapButtonCaptionFollowsTheFirstComma)
{
    auto gapCaption = [](const QString& base, const QString& list) {
        return reportCaptions(ReportMode::Missing, missingMessage(base, list, false)).exclude;
    };
    EXPECT_EQ(reportCaptions(ReportMode::Missing, missingMessage("clip.mpg", "4", true)).exclude,
              "Combine to &Gap");
    EXPECT_EQ(gapCaption("clip.mpg", "2, 5"), "Combine to First &Gap");
    EXPECT_EQ(gapCaption("clip.mpg", "2 - 5"), "Combine to &Gap");
    EXPECT_EQ(gapCaption("clip.mpg", "6 (00f) - 1000 (aja)"), "Combine to &Gap");
    // Only the first comma counts: one in the name comes before the list.
    EXPECT_EQ(gapCaption("a,b.mpg", "2, 5"), "Combine to &Gap");
}

TEST(PartsReportCaptions, ByMode)
{
    const ReportCaptions missing = reportCaptions(ReportMode::Missing, "");
    EXPECT_EQ(missing.title, "Missing Parts...");
    EXPECT_EQ(missing.combine, "&Combine Existing Parts");
    EXPECT_EQ(missing.skip, "&Skip to Next File Set");
    EXPECT_EQ(missing.cancel, "C&ancel");
    EXPECT_EQ(missing.copy, "Copy &List");
    EXPECT_EQ(missing.save, "Sa&ve List");
    EXPECT_EQ(missing.copyTip, "Copy the list of missing parts to the clipboard");
    EXPECT_EQ(missing.saveTip, "Save the list of missing parts to a file");

    const ReportCaptions extra = reportCaptions(ReportMode::Extra, extraMessage("x", "5, 6"));
    EXPECT_EQ(extra.title, "Extra Parts...");
    EXPECT_EQ(extra.combine, "In&clude Extra Parts");
    EXPECT_EQ(extra.exclude, "E&xclude Extra Parts");
    EXPECT_EQ(extra.saveTip, "Save the list of extra parts to a file");

    const ReportCaptions corrupt = reportCaptions(ReportMode::Corrupt, "");
    EXPECT_EQ(corrupt.title, "Corrupt Parts...");
    EXPECT_EQ(corrupt.combine, "In&clude Corrupt Parts");
    EXPECT_EQ(corrupt.exclude, "E&xclude Corrupt Parts");
    EXPECT_EQ(corrupt.copyTip, "Copy the list of corrupt parts to the clipboard");
}

TEST(PartsReportCaptions, AccessKeysAndPlainText)
{
    EXPECT_EQ(plainCaption("C&ancel"), "Cancel");
    EXPECT_EQ(accessKey("C&ancel"), QChar('a'));
    EXPECT_EQ(accessKey("Combine to First &Gap"), QChar('g'));
    EXPECT_EQ(plainCaption("Tom && &Jerry"), "Tom & Jerry");
    EXPECT_EQ(accessKey("Tom && &Jerry"), QChar('j'));
    EXPECT_TRUE(accessKey("No key && none").isNull());
}

TEST(PartsReportSkip, OfferedOnEverySetButTheLast)
{
    EXPECT_TRUE(skipOffered(1, 3));
    EXPECT_TRUE(skipOffered(2, 3));
    EXPECT_FALSE(skipOffered(3, 3));
    EXPECT_FALSE(skipOffered(1, 1));
}
