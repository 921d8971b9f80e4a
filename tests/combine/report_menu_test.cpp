// The parts report as tsl-cli puts it to a terminal: the menu, the typed
// answers, Save List, and the answers taken without asking.
#include "combine/report_menu.h"
#include "core/texts.h"
#include "support/temp_files.h"

#include <deque>
#include <gtest/gtest.h>

using namespace tsl;
using tsl::test::TempFolder;

namespace {

// A terminal that types the queued lines and records what it showed.
struct TypedConsole {
    std::deque<QString> lines;  // typed in order; end of input after the last
    QStringList printed;
    QStringList prompts;

    ReportConsole console()
    {
        return {[this](const QString& line) { printed << line; },
                [this](const QString& prompt) -> std::optional<QString> {
                    prompts << prompt;
                    if (lines.empty())
                        return std::nullopt;
                    QString line = lines.front();
                    lines.pop_front();
                    return line;
                }};
    }
};

PartsReport missingReport(int set, int setCount, const QString& outDir = "/nonexistent/")
{
    PartsReport r;
    r.mode = ReportMode::Missing;
    r.set = set;
    r.setCount = setCount;
    r.base = "clip.mpg";
    r.outDir = outDir;
    r.message = "clip.mpg is missing the following part:" + CrLf2 + "4" + CrLf2
                + "Do you want to combine the existing parts?";
    return r;
}

PartsReport extraReport(const QString& outDir)
{
    PartsReport r = missingReport(1, 1, outDir);
    r.mode = ReportMode::Extra;
    r.message = "The following extra parts to clip.mpg were found:" + CrLf2 + "5, 6" + CrLf2
                + "Do you want to combine these also?";
    return r;
}

}  // namespace

TEST(ReportMenu, OffersTheDialogsButtonsWithTheirAccessKeys)
{
    TypedConsole t;
    t.lines = {"g"};
    EXPECT_EQ(runReportConsole(missingReport(1, 2), std::nullopt, true, t.console()),
              ReportAnswer::Exclude);
    ASSERT_EQ(t.prompts.size(), 1);
    EXPECT_EQ(t.prompts[0], "[C]ombine Existing Parts / Combine to [G]ap / [S]kip to Next File "
                            "Set / C[a]ncel / Sa[v]e List: ");
    const PartsReport r = missingReport(1, 2);
    EXPECT_EQ(t.printed,
              QStringList({"Missing Parts...", r.message, "=> Exclude (Combine to Gap)"}));
}

TEST(ReportMenu, LastSetHasNoSkip)
{
    TypedConsole t;
    t.lines = {"s", "skip", "a"};
    EXPECT_EQ(runReportConsole(missingReport(2, 2), std::nullopt, true, t.console()),
              ReportAnswer::Cancel);
    EXPECT_EQ(t.prompts.size(), 3);
    EXPECT_EQ(t.prompts[0],
              "[C]ombine Existing Parts / Combine to [G]ap / C[a]ncel / Sa[v]e List: ");
    EXPECT_EQ(t.printed.last(), "=> Cancel (Cancel)");
}

TEST(ReportMenu, AcceptsKeysCaptionsAndAnswerWords)
{
    const std::pair<QString, ReportAnswer> typed[] = {
        {"C", ReportAnswer::Combine},
        {" x ", ReportAnswer::Exclude},
        {"include extra parts", ReportAnswer::Combine},
        {"Exclude", ReportAnswer::Exclude},
        {"skip", ReportAnswer::Skip},
        {"CANCEL", ReportAnswer::Cancel},
    };
    for (const auto& [line, answer] : typed) {
        TypedConsole t;
        t.lines = {"", "nonsense", line};
        PartsReport r = extraReport("/nonexistent/");
        r.setCount = 3;
        EXPECT_EQ(runReportConsole(r, std::nullopt, true, t.console()), answer)
            << line.toStdString();
        EXPECT_EQ(t.prompts.size(), 3);
    }
}

TEST(ReportMenu, SaveListWritesTheDialogsFileAndStaysInTheMenu)
{
    TempFolder tmp;
    TypedConsole t;
    t.lines = {"v", "c"};
    EXPECT_EQ(runReportConsole(extraReport(tmp.dir()), std::nullopt, true, t.console()),
              ReportAnswer::Combine);
    EXPECT_EQ(tmp.read("clip - extra.txt"), QByteArray("Extra parts of clip.mpg:\r\n\r\n5, 6\r\n"));
    EXPECT_EQ(t.prompts.size(), 2);
    EXPECT_TRUE(t.printed.contains("Saved the list to " + tmp.dir() + "clip - extra.txt"));
    EXPECT_EQ(t.printed.last(), "=> Combine (Include Extra Parts)");
}

TEST(ReportMenu, SaveFailureIsSaidAndTheMenuStays)
{
    TempFolder tmp;
    TypedConsole t;
    t.lines = {"save", "x"};
    const QString dir = tmp.path("gone") + "/";
    EXPECT_EQ(runReportConsole(extraReport(dir), std::nullopt, true, t.console()),
              ReportAnswer::Exclude);
    EXPECT_TRUE(t.printed.contains("The list could not be saved to\r\n" + dir
                                   + "clip - extra.txt\r\n\r\nPath not found (error 76)"));
    EXPECT_FALSE(tmp.exists("gone"));
}

TEST(ReportMenu, EndOfInputCancelsAsAClosedDialog)
{
    TypedConsole t;
    EXPECT_EQ(runReportConsole(missingReport(1, 2), std::nullopt, true, t.console()),
              ReportAnswer::Cancel);
    EXPECT_EQ(t.printed.last(), "=> Cancel (end of input)");
}

TEST(ReportMenu, WithoutATerminalItCancelsAndStillShowsTheMessage)
{
    TypedConsole t;
    const PartsReport r = missingReport(1, 2);
    EXPECT_EQ(runReportConsole(r, std::nullopt, false, t.console()), ReportAnswer::Cancel);
    EXPECT_TRUE(t.prompts.isEmpty());
    EXPECT_EQ(t.printed,
              QStringList({"Missing Parts...", r.message, "=> Cancel (no terminal to ask)"}));
}

TEST(ReportMenu, AGivenAnswerIsTakenWithoutAsking)
{
    TypedConsole t;
    const PartsReport r = missingReport(1, 2);
    EXPECT_EQ(runReportConsole(r, ReportAnswer::Skip, true, t.console()), ReportAnswer::Skip);
    EXPECT_TRUE(t.prompts.isEmpty());
    EXPECT_EQ(t.printed, QStringList({"Missing Parts...", r.message, "=> Skip (--report-answer)"}));

    // The last set offers no Skip: it is the dialog's Cancel.
    TypedConsole last;
    EXPECT_EQ(runReportConsole(missingReport(2, 2), ReportAnswer::Skip, false, last.console()),
              ReportAnswer::Cancel);
    EXPECT_EQ(last.printed.last(), "=> Cancel (--report-answer skip: no next set to skip to)");
}

TEST(ReportMenu, MenuWords)
{
    EXPECT_EQ(menuWord("In&clude Corrupt Parts"), "In[c]lude Corrupt Parts");
    EXPECT_EQ(menuWord("Combine to First &Gap"), "Combine to First [G]ap");
    EXPECT_EQ(menuWord("Tom && &Jerry"), "Tom & [J]erry");
}
