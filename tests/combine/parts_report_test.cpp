// The rules of the parts report under its dialog and its terminal menu: the
// hand-over text, the answer markers, the list and the file it is saved to,
// and the gap button's caption.
#include "combine/parts_report.h"
#include "core/texts.h"
#include "support/parts_reports.h"
#include "support/temp_files.h"

#include <QFile>
#include <gtest/gtest.h>

using namespace tsl;
using namespace tsl::test;

TEST(PartsReportHandOver, FixedColumnsThatReadBack)
{
    EXPECT_EQ(handOverText(ReportMode::Missing, 3, "msg"), "Missing  3      msg");
    EXPECT_EQ(handOverText(ReportMode::Extra, 12, "x"), "Extra    12     x");
    EXPECT_EQ(handOverText(ReportMode::Corrupt, 1234567, ""), "Corrupt  1234567");
    // A message that itself starts with blanks and digits keeps them.
    for (ReportMode mode : {ReportMode::Missing, ReportMode::Extra, ReportMode::Corrupt}) {
        const auto h = parseHandOver(handOverText(mode, 42, "  7 x" + CrLf2 + "y"));
        ASSERT_TRUE(h.has_value());
        EXPECT_EQ(h->mode, mode);
        EXPECT_EQ(h->set, 42);
        EXPECT_EQ(h->message, "  7 x" + CrLf2 + "y");
    }
    for (const char* text :
         {"Missing", "Lost     1      msg", "missing  1      msg", "Missing  x      msg"})
        EXPECT_FALSE(parseHandOver(text).has_value()) << text;
}

TEST(PartsReportAnswers, MarkersReadBack)
{
    EXPECT_EQ(answerMarker(ReportAnswer::Combine), "~~~~~Combine~~~~~");
    EXPECT_EQ(answerMarker(ReportAnswer::Exclude), "~~~~~Exclude~~~~~");
    EXPECT_EQ(answerMarker(ReportAnswer::Skip), "~~~~~Skip~~~~~");
    EXPECT_EQ(answerMarker(ReportAnswer::Cancel), "~~~~~Cancel~~~~~");
    for (ReportAnswer a :
         {ReportAnswer::Combine, ReportAnswer::Exclude, ReportAnswer::Skip, ReportAnswer::Cancel})
        EXPECT_EQ(answerFromMarker(answerMarker(a)), a);
    EXPECT_FALSE(answerFromMarker("~~~~Combine~~~~").has_value());
    EXPECT_FALSE(answerFromMarker("Combine").has_value());
}

TEST(PartsReportList, IsTheTextBetweenTheFirstTwoBlankLines)
{
    const std::pair<QString, QString> cases[] = {
        {missingPartsMessage("clip.mpg", 8, "2 - 5, 9, 12, 13"), "2 - 5, 9, 12, 13"},
        {missingPartsMessage("clip.mpg", 995, "6 (00f) - 1000 (aja)"), "6 (00f) - 1000 (aja)"},
        {sampleReport(ReportMode::Extra).message, "5, 6"},
        // The wrong-size entries, one per line, without the last entry's line break.
        {sampleReport(ReportMode::Corrupt).message,
         "Part 2 -- 10 missing bytes" + CrLf + "Part 3 -- 7 extra bytes"},
        {"Head:" + CrLf2 + "1, 2", "1, 2"},
        {"no blank line" + CrLf + "at all", "no blank line" + CrLf + "at all"},
    };
    for (const auto& [message, list] : cases)
        EXPECT_EQ(reportList(message), list);
}

TEST(PartsReportFile, NamedAfterOutputDirBaseAndModeWithLineFeedsReplacingOldContent)
{
    PartsReport r = sampleReport(ReportMode::Missing, 1, 1, "/out");
    r.base = "a.b.c";
    EXPECT_EQ(listFilePath(r), "/out/a.b - missing.txt");
    r = sampleReport(ReportMode::Corrupt, 1, 1, "/d/");
    r.base = "clip";
    EXPECT_EQ(listFilePath(r), "/d/clip - corrupt.txt");

    TempFolder tmp;
    tmp.write("clip - extra.txt", QByteArray(500, 'z'));
    ASSERT_FALSE(saveList(sampleReport(ReportMode::Extra, 1, 1, tmp.dir())).failed());
    EXPECT_EQ(tmp.read("clip - extra.txt"), QByteArray("Extra parts of clip.mpg:\n\n5, 6\n"));
    ASSERT_FALSE(saveList(sampleReport(ReportMode::Corrupt, 1, 1, tmp.dir())).failed());
    EXPECT_EQ(tmp.read("clip - corrupt.txt"),
              QByteArray("Corrupt parts of clip.mpg:\n\nPart 2 -- 10 missing bytes\n"
                         "Part 3 -- 7 extra bytes\n"));
    EXPECT_EQ(tmp.names(), (QStringList{"clip - corrupt.txt", "clip - extra.txt"}));
}

TEST(PartsReportFile, SaveFailuresAreReportedAndTouchNothing)
{
    TempFolder tmp;
    const RunError noDir = saveList(sampleReport(ReportMode::Missing, 1, 1, tmp.path("gone/")));
    EXPECT_EQ(noDir.number, err::PathNotFound);
    EXPECT_FALSE(tmp.exists("gone"));

    // A read-only list file stays as it is, for root too.
    const QString path = tmp.write("clip - missing.txt", "keep");
    QFile::setPermissions(path, QFileDevice::ReadOwner | QFileDevice::ReadGroup);
    const RunError readOnly = saveList(sampleReport(ReportMode::Missing, 1, 1, tmp.dir()));
    EXPECT_EQ(readOnly.number, err::PathFileAccess);
    EXPECT_EQ(tmp.read("clip - missing.txt"), QByteArray("keep"));
    EXPECT_EQ(saveFailedText(path, readOnly),
              "The list could not be saved to\r\n" + path
                  + "\r\n\r\nPath/File access error (error 75)");
}

TEST(PartsReportCaptions, GapButtonCaptionFollowsTheFirstComma)
{
    const struct {
        const char* base;
        const char* list;
        const char* caption;
    } cases[] = {
        {"clip.mpg", "4", "Combine to &Gap"},
        {"clip.mpg", "2, 5", "Combine to First &Gap"},
        {"clip.mpg", "2 - 5", "Combine to &Gap"},
        {"clip.mpg", "6 (00f) - 1000 (aja)", "Combine to &Gap"},
        // Only the first comma counts: one in the name comes before the list.
        {"a,b.mpg", "2, 5", "Combine to &Gap"},
    };
    for (const auto& c : cases) {
        const QString message = missingPartsMessage(c.base, 2, c.list);
        EXPECT_EQ(reportCaptions(ReportMode::Missing, message).exclude, c.caption) << c.list;
    }
}
