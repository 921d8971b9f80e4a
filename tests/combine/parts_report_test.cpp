// The rules of the parts report under its dialog and its terminal menu: the
// list and the file it is saved to, and the gap button's caption.
#include "combine/parts_report.h"
#include "core/texts.h"
#include "support/parts_reports.h"
#include "support/temp_files.h"

#include <QFile>
#include <gtest/gtest.h>

using namespace tsl;
using namespace tsl::test;

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
