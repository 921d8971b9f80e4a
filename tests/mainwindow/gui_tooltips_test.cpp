// The tooltips on a widget tree named as the main window names its controls:
// every text, the three mode settings, controls of no mode and unknown ones.
#include "core/translations.h"
#include "mainwindow/gui_tooltips.h"

#include <QPushButton>
#include <QTabBar>
#include <QTabWidget>
#include <QWidget>
#include <gtest/gtest.h>

using namespace tsl;

namespace {

const QString About = "Display About dialog...";
const QString Options = "Set program options...";
const QString Close = "Close program.";
const QString Files = "Browse for file(s)...";
const QString Folder = "Browse for directory...";
const QString Normal = "Leave these values at 0 if you want to split a file the \"normal\" way.";

// Object name and the tip it shows with every setting on (empty: none).
struct Expected {
    const char* object;
    QString tip;
    char mode;  // 'C', 'S', 'A'; ' ' for a control of no mode
};

const Expected kControls[] = {
    {"cmdAbout_0", About, 'C'},
    {"cmdOpt_0", Options, 'C'},
    {"cmdClose_0", Close, 'C'},
    {"cmdCombine", "Combine files.", 'C'},
    {"cmdBrowse_0", Files, 'C'},
    {"cmdBrowse_1", Folder, 'C'},
    {"txtFile_0", "", 'C'},
    {"pbrTotal_0", "", 'C'},
    {"lblLabel_1", "", 'C'},
    {"cmdBrowse_2", Files, 'S'},
    {"cmdBrowse_3", Folder, 'S'},
    {"cmdSplit", "Split files.", 'S'},
    {"cmdClose_1", Close, 'S'},
    {"cmdOpt_1", Options, 'S'},
    {"cmdAbout_1", About, 'S'},
    {"txtStart", Normal, 'S'},
    {"txtEnd", Normal, 'S'},
    {"txtDir_1", "", 'S'},
    {"fmeExt", "", 'S'},
    {"lblLabel_6", "", 'S'},
    {"lblSplitBy",
     "Set on the Split page of the options: pieces of one part size, or a number of pieces, for "
     "which every file gets its own part size (its length divided by that number, rounded up).",
     'S'},
    {"cmdUp_1", "Click to increase the font size in the file lists.", 'A'},
    {"cmdDown_1", "Click to decrease the font size in the file lists.", 'A'},
    {"cmdDown_0", "Click to move the selected file down in the append order.", 'A'},
    {"cmdRem_0", "Click to remove all files from list.", 'A'},
    {"cmdRem_1", "Click to remove selected file(s) from list.", 'A'},
    {"cmdAdd_1", "Click to move selected file(s) to list.", 'A'},
    {"cmdAdd_0", "Click to move all files to list.", 'A'},
    {"cmdUp_0", "Click to move the selected file up in the append order.", 'A'},
    {"lstFrom", "Click the buttons to the right (or drag) to move files to the other box.", 'A'},
    {"txtDir_2", "Click the Browse button to choose a directory.", 'A'},
    {"cmdBrowse_5", Folder, 'A'},
    {"cmdAppend", "Append files.", 'A'},
    {"txtFile_2",
     "Either a) enter or browse for an existing file; or, b) enter a nonexistent "
     "filename to use for the resulting file.",
     'A'},
    {"cmdBrowse_4", Files, 'A'},
    {"cmdClose_2", Close, 'A'},
    {"cmdOpt_2", Options, 'A'},
    {"cmdAbout_2", About, 'A'},
    {"lblFileDir", "Double-click to change the \"Save In\" directory.", 'A'},
    {"lblFrom", "Double-click to refresh the list of files.", 'A'},
    {"lstTo", "", 'A'},
};

const Expected kTabs[] = {
    {"Co&mbine", "Combine files - this is specifically for sequentially-numbered parts.", 'C'},
    {"&Split", "Split files into sequentially-numbered pieces.", 'S'},
    {"A&ppend", "Concatenate files or append files to the end of another file.", 'A'},
};

// A window-like tree: the controls spread over three pages of tbsSplit, plus
// controls no mode owns, all holding a stale tip before SetTTs runs.
struct Window {
    QWidget root;
    QTabWidget* tabs = new QTabWidget(&root);
    QWidget* untagged[2] = {new QWidget(&root), new QPushButton(&root)};

    Window()
    {
        tabs->setObjectName("tbsSplit");
        QWidget* pages[3];
        for (int i = 0; i < 3; ++i) {
            pages[i] = new QWidget;
            tabs->addTab(pages[i], kTabs[i].object);
        }
        for (const Expected& e : kControls) {
            QWidget* page = pages[e.mode == 'C' ? 0 : e.mode == 'S' ? 1 : 2];
            auto* w = new QPushButton(new QWidget(page));  // nested one level deeper
            w->setObjectName(e.object);
            w->setToolTip("stale");
        }
        untagged[0]->setObjectName("txtDir_0");
        untagged[1]->setObjectName("cmdMystery");
        for (QWidget* w : untagged)
            w->setToolTip("own tip");
    }
    QString tip(const char* object) const { return root.findChild<QWidget*>(object)->toolTip(); }
};

}  // namespace

TEST(Tooltips, EachModeSettingShowsOrClearsItsPanelAndTab)
{
    const struct {
        bool c, s, a;
    } settings[] = {{true, true, true},
                    {true, false, true},
                    {false, true, false},
                    {false, false, false}};
    for (const auto& on : settings) {
        SCOPED_TRACE(testing::Message() << "C " << on.c << " S " << on.s << " A " << on.a);
        Window window;
        Settings s;
        s.ShowTipsC = on.c;
        s.ShowTipsS = on.s;
        s.ShowTipsA = on.a;
        SetTTs(&window.root, s);
        const auto isOn = [&](char mode) { return mode == 'C' ? on.c : mode == 'S' ? on.s : on.a; };
        for (const Expected& e : kControls)
            EXPECT_EQ(window.tip(e.object), isOn(e.mode) ? e.tip : QString()) << e.object;
        for (int i = 0; i < 3; ++i)
            EXPECT_EQ(window.tabs->tabToolTip(i), isOn(kTabs[i].mode) ? kTabs[i].tip : QString())
                << kTabs[i].object;
        EXPECT_EQ(window.tip("txtDir_0"), "own tip");
        EXPECT_EQ(window.tip("cmdMystery"), "own tip");
    }
}

TEST(Tooltips, TheTableHasItsThirtySevenRecordsAndNamesIgnoreCase)
{
    EXPECT_EQ(LoadTTs().size(), 37u);
    EXPECT_EQ(LoadTTs().front().Name, "cmdAbout");
    EXPECT_EQ(LoadTTs().back().Name, "lblSplitBy");
    EXPECT_EQ(GetTT("CMDABOUT", 0), About);
    EXPECT_EQ(GetTT("cmdBrowse", 1), Folder);
    EXPECT_EQ(GetTT("txtDir", 0), "");
    EXPECT_EQ(GetTT("cmdSplit", 0), "");  // a single control has index -1
    EXPECT_EQ(GetTT("", -1), "");

    // A window without some controls, and a bare tab bar instead of a widget.
    QWidget root;
    auto* bar = new QTabBar(&root);
    bar->setObjectName("tbsSplit");
    bar->addTab("&Split");
    bar->addTab("Other");
    bar->setTabToolTip(1, "other");
    Settings s;
    SetTTs(&root, s);
    EXPECT_EQ(bar->tabToolTip(0), "Split files into sequentially-numbered pieces.");
    EXPECT_EQ(bar->tabToolTip(1), "other");
    SetTTs(nullptr, s);
}

// The tips follow the language installed now, not the one of their first use,
// and go back to English when the translation is removed.
TEST(Tooltips, FollowTheLanguageInstalledNow)
{
    EXPECT_EQ(GetTT("cmdAbout", 0), About);
    QWidget root;
    auto* bar = new QTabBar(&root);
    bar->setObjectName("tbsSplit");
    {
        const Translations german({"de"});
        ASSERT_EQ(german.language(), "de");
        EXPECT_EQ(GetTT("cmdAbout", 0), "Info-Dialog anzeigen...");
        EXPECT_EQ(LoadTTs().front().Tip, "Info-Dialog anzeigen...");
        bar->addTab("&Aufteilen");
        SetTTs(&root, Settings());
        EXPECT_EQ(bar->tabToolTip(0), "Dateien in fortlaufend nummerierte Teile aufteilen.");
    }
    EXPECT_EQ(GetTT("cmdAbout", 0), About);
    EXPECT_EQ(LoadTTs().front().Tip, About);
}
