// The tooltips on a widget tree named as the main window names its controls:
// a few rows of the table, the three mode settings, controls of no mode.
#include "mainwindow/gui_tooltips.h"

#include <QPushButton>
#include <QTabBar>
#include <QTabWidget>
#include <QWidget>
#include <gtest/gtest.h>

using namespace tsl;

namespace {

// Object name, the tip it shows with its mode's setting on (empty: none), its page.
struct Expected {
    const char* object;
    QString tip;
    int page;  // 0 Combine, 1 Split, 2 Append
};

const Expected kControls[] = {
    {"cmdAbout_0", "Display About dialog...", 0},
    {"cmdBrowse_1", "Browse for directory...", 0},
    {"txtFile_0", "", 0},  // a control of the mode without a tip: cleared
    {"txtEnd", "Leave these values at 0 if you want to split a file the \"normal\" way.", 1},
    {"cmdSplit", "Split files.", 1},
    {"lblFileDir", "Double-click to change the \"Save In\" directory.", 2},
    {"cmdUp_1", "Click to increase the font size in the file lists.", 2},
};

const QString kTabTips[] = {
    "Combine files - this is specifically for sequentially-numbered parts.",
    "Split files into sequentially-numbered pieces.",
    "Concatenate files or append files to the end of another file.",
};

// A window-like tree whose controls hold a stale tip before SetTTs runs.
struct Window {
    QWidget root;
    QTabWidget* tabs = new QTabWidget(&root);

    Window()
    {
        tabs->setObjectName("tbsSplit");
        QWidget* pages[3];
        const char* captions[] = {"Co&mbine", "&Split", "A&ppend"};
        for (int i = 0; i < 3; ++i)
            tabs->addTab(pages[i] = new QWidget, captions[i]);
        for (const Expected& e : kControls) {
            auto* w = new QPushButton(new QWidget(pages[e.page]));  // nested one level deeper
            w->setObjectName(e.object);
            w->setToolTip("stale");
        }
        // Controls of no mode keep their own tips.
        for (const char* name : {"txtDir_0", "cmdMystery"}) {
            auto* w = new QPushButton(&root);
            w->setObjectName(name);
            w->setToolTip("own tip");
        }
    }
    QString tip(const char* object) const { return root.findChild<QWidget*>(object)->toolTip(); }
};

}  // namespace

TEST(Tooltips, EachModeSettingShowsOrClearsItsPanelAndTab)
{
    for (const int on : {0b111, 0b101, 0b010, 0b000}) {
        SCOPED_TRACE(on);
        Window window;
        Settings s;
        s.ShowTipsC = on & 1;
        s.ShowTipsS = on & 2;
        s.ShowTipsA = on & 4;
        SetTTs(&window.root, s);
        for (const Expected& e : kControls)
            EXPECT_EQ(window.tip(e.object), on & (1 << e.page) ? e.tip : QString()) << e.object;
        for (int i = 0; i < 3; ++i)
            EXPECT_EQ(window.tabs->tabToolTip(i), on & (1 << i) ? kTabTips[i] : QString()) << i;
        EXPECT_EQ(window.tip("txtDir_0"), "own tip");
        EXPECT_EQ(window.tip("cmdMystery"), "own tip");
    }
}

TEST(Tooltips, TheTableHasItsThirtySevenRecordsAndNamesIgnoreCase)
{
    EXPECT_EQ(LoadTTs().size(), 37u);
    EXPECT_EQ(GetTT("CMDABOUT", 0), "Display About dialog...");
    EXPECT_EQ(GetTT("cmdSplit", 0), "");  // a single control has index -1
    EXPECT_EQ(GetTT("", -1), "");

    // A bare tab bar instead of a widget, one of its tabs of no mode.
    QWidget root;
    auto* bar = new QTabBar(&root);
    bar->setObjectName("tbsSplit");
    bar->addTab("&Split");
    bar->addTab("Other");
    bar->setTabToolTip(1, "other");
    SetTTs(&root, Settings{});
    EXPECT_EQ(bar->tabToolTip(0), kTabTips[1]);
    EXPECT_EQ(bar->tabToolTip(1), "other");
    SetTTs(nullptr, Settings{});
}
