// The tooltips on a widget tree named as the main window names its controls:
// a few rows of the table, the three mode settings, controls of no mode.
#include "core/translations.h"
#include "mainwindow/gui_tooltips.h"

#include <QPushButton>
#include <QTabBar>
#include <QTabWidget>
#include <gtest/gtest.h>

using namespace tsl;

TEST(Tooltips, EachModeSettingShowsOrClearsItsPanelAndTab)
{
    const struct {
        const char* object;
        QString tip;  // with its mode's setting on (empty: none)
        int page;     // 0 Combine, 1 Split, 2 Append
    } controls[] = {
        {"cmdBrowse_1", "Browse for directory...", 0},
        {"txtFile_0", "", 0},  // a control of the mode without a tip: cleared
        {"cmdSplit", "Split files.", 1},
        {"cmdUp_1", "Click to increase the font size in the file lists.", 2},
    };
    const QString tabTips[] = {
        "Combine files - this is specifically for sequentially-numbered parts.",
        "Split files into sequentially-numbered pieces.",
        "Concatenate files or append files to the end of another file.",
    };
    for (const int on : {0b111, 0b101, 0b010, 0b000}) {
        SCOPED_TRACE(on);
        // A window-like tree whose controls hold a stale tip, one level
        // deeper than the pages; controls of no mode keep their own tips.
        QWidget root;
        auto* tabs = new QTabWidget(&root);
        tabs->setObjectName("tbsSplit");
        QWidget* pages[3];
        for (const char* caption : {"Co&mbine", "&Split", "A&ppend"})
            tabs->addTab(pages[tabs->count()] = new QWidget, caption);
        for (const auto& c : controls)
            (new QPushButton(new QWidget(pages[c.page])))->setObjectName(c.object);
        for (const char* name : {"txtDir_0", "cmdMystery"})
            (new QPushButton(&root))->setObjectName(name);
        for (QWidget* w : root.findChildren<QPushButton*>())
            w->setToolTip("stale");
        Settings s;
        s.ShowTipsC = on & 1;
        s.ShowTipsS = on & 2;
        s.ShowTipsA = on & 4;
        SetTTs(&root, s);
        for (const auto& c : controls)
            EXPECT_EQ(root.findChild<QWidget*>(c.object)->toolTip(),
                      on & (1 << c.page) ? c.tip : QString())
                << c.object;
        for (int i = 0; i < 3; ++i)
            EXPECT_EQ(tabs->tabToolTip(i), on & (1 << i) ? tabTips[i] : QString()) << i;
        for (const char* name : {"txtDir_0", "cmdMystery"})
            EXPECT_EQ(root.findChild<QWidget*>(name)->toolTip(), "stale") << name;
    }
}

// Names ignore case, a single control has index -1; the tips follow the
// language installed now, not the one of their first use, and go back to
// English when the translation is removed.
TEST(Tooltips, NamesIgnoreCaseAndTipsFollowTheLanguageInstalledNow)
{
    EXPECT_EQ(GetTT("CMDABOUT", 0), "Display About dialog...");
    EXPECT_EQ(GetTT("cmdSplit", 0), "");
    EXPECT_EQ(GetTT("", -1), "");
    SetTTs(nullptr, Settings{});
    // A bare tab bar instead of a widget, one of its tabs of no mode.
    QWidget root;
    auto* bar = new QTabBar(&root);
    bar->setObjectName("tbsSplit");
    bar->addTab("&Split");
    bar->addTab("Other");
    bar->setTabToolTip(1, "other");
    SetTTs(&root, Settings{});
    EXPECT_EQ(bar->tabToolTip(0), "Split files into sequentially-numbered pieces.");
    EXPECT_EQ(bar->tabToolTip(1), "other");
    {
        const Translations german({"de"});
        ASSERT_EQ(german.language(), "de");
        EXPECT_EQ(GetTT("cmdAbout", 0), "Info-Dialog anzeigen...");
        EXPECT_EQ(LoadTTs().front().Tip, "Info-Dialog anzeigen...");
        bar->setTabText(0, "&Aufteilen");
        SetTTs(&root, Settings());
        EXPECT_EQ(bar->tabToolTip(0), "Dateien in fortlaufend nummerierte Teile aufteilen.");
    }
    EXPECT_EQ(GetTT("cmdAbout", 0), "Display About dialog...");
    EXPECT_EQ(LoadTTs().front().Tip, "Display About dialog...");
}
