// The parts report as tsl-cli puts it to a terminal: the menu, the typed
// answers, Save List, and the answers taken without asking.
#include "cli/report_menu.h"
#include "support/parts_reports.h"
#include "support/temp_files.h"

#include <deque>
#include <gtest/gtest.h>

using namespace tsl;
using namespace tsl::test;

namespace {

// A terminal that types the queued lines and records what it showed.
struct TypedConsole {
    std::deque<QString> lines;  // typed in order; end of input after the last
    QStringList printed = {};
    QStringList prompts = {};

    ReportAnswer run(const PartsReport& r, std::optional<ReportAnswer> given = std::nullopt,
                     bool terminal = true)
    {
        const ReportConsole console{[this](const QString& line) { printed << line; },
                                    [this](const QString& prompt) -> std::optional<QString> {
                                        prompts << prompt;
                                        if (lines.empty())
                                            return std::nullopt;
                                        QString line = lines.front();
                                        lines.pop_front();
                                        return line;
                                    }};
        return runReportConsole(r, given, terminal, console);
    }
};

}  // namespace

// The dialog's buttons with their access keys; the last set has no Skip.
TEST(ReportMenu, OffersTheDialogsButtonsWithTheirAccessKeys)
{
    TypedConsole t{{"g"}};
    const PartsReport r = sampleReport(ReportMode::Missing, 1, 2);
    EXPECT_EQ(t.run(r), ReportAnswer::Exclude);
    EXPECT_EQ(t.prompts,
              QStringList{"[C]ombine Existing Parts / Combine to [G]ap / [S]kip to Next "
                          "File Set / C[a]ncel / Sa[v]e List: "});
    EXPECT_EQ(t.printed,
              QStringList({"Missing Parts...", r.message, "=> Exclude (Combine to Gap)"}));

    TypedConsole last{{"s", "skip", "a"}};
    EXPECT_EQ(last.run(sampleReport(ReportMode::Missing, 2, 2)), ReportAnswer::Cancel);
    EXPECT_EQ(last.prompts.size(), 3);
    EXPECT_EQ(last.prompts[0],
              "[C]ombine Existing Parts / Combine to [G]ap / C[a]ncel / Sa[v]e List: ");
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
        TypedConsole t{{"", "nonsense", line}};
        EXPECT_EQ(t.run(sampleReport(ReportMode::Extra, 1, 3)), answer) << line.toStdString();
        EXPECT_EQ(t.prompts.size(), 3);
    }
    EXPECT_EQ(menuWord("In&clude Corrupt Parts"), "In[c]lude Corrupt Parts");
    EXPECT_EQ(menuWord("Tom && &Jerry"), "Tom & [J]erry");
}

// Save List writes the dialog's file, asks before it replaces one, says why
// it could not save, and the menu stays.
TEST(ReportMenu, SaveListAsksBeforeItReplacesAFileOrSaysWhyNotAndTheMenuStays)
{
    TempFolder tmp;
    const QString path = tmp.write("clip - extra.txt", "mine");
    const QString question = path + " exists already. Do you want to replace it?";
    TypedConsole kept{{"v", "n", "v", "", "c"}};
    EXPECT_EQ(kept.run(sampleReport(ReportMode::Extra, 1, 1, tmp.dir())), ReportAnswer::Combine);
    EXPECT_EQ(tmp.read("clip - extra.txt"), QByteArray("mine"));
    EXPECT_EQ(kept.printed.count(question), 2);
    EXPECT_EQ(kept.printed.count("The list was not saved."), 2);

    TypedConsole replaced{{"v", "y", "c"}};
    EXPECT_EQ(replaced.run(sampleReport(ReportMode::Extra, 1, 1, tmp.dir())),
              ReportAnswer::Combine);
    EXPECT_EQ(tmp.read("clip - extra.txt"), QByteArray("Extra parts of clip.mpg:\n\n5, 6\n"));
    EXPECT_TRUE(replaced.printed.contains("Saved the list to " + path));
    EXPECT_EQ(replaced.prompts.size(), 3);
    EXPECT_EQ(replaced.printed.last(), "=> Combine (Include Extra Parts)");

    TypedConsole failed{{"save", "x"}};
    const QString dir = tmp.path("gone/");
    EXPECT_EQ(failed.run(sampleReport(ReportMode::Extra, 1, 1, dir)), ReportAnswer::Exclude);
    EXPECT_TRUE(failed.printed.contains("The list could not be saved to\r\n" + dir
                                        + "clip - extra.txt\r\n\r\nPath not found (error 76)"));
    EXPECT_FALSE(tmp.exists("gone"));
}

TEST(ReportMenu, AnswersWithoutATypedChoice)
{
    const struct {
        std::optional<ReportAnswer> given;
        bool terminal;
        int set;
        ReportAnswer answer;
        const char* said;
    } cases[] = {
        // End of input cancels as a closed dialog does.
        {std::nullopt, true, 1, ReportAnswer::Cancel, "=> Cancel (end of input)"},
        {std::nullopt, false, 1, ReportAnswer::Cancel, "=> Cancel (no terminal to ask)"},
        {ReportAnswer::Skip, true, 1, ReportAnswer::Skip, "=> Skip (--report-answer)"},
        // The last set offers no Skip: it is the dialog's Cancel.
        {ReportAnswer::Skip, false, 2, ReportAnswer::Cancel,
         "=> Cancel (--report-answer skip: no next set to skip to)"},
    };
    for (const auto& c : cases) {
        TypedConsole t;
        const PartsReport r = sampleReport(ReportMode::Missing, c.set, 2);
        EXPECT_EQ(t.run(r, c.given, c.terminal), c.answer) << c.said;
        EXPECT_EQ(t.printed, QStringList({"Missing Parts...", r.message, c.said}));
        EXPECT_EQ(t.prompts.size(), c.terminal && !c.given ? 1 : 0) << c.said;
    }
}
