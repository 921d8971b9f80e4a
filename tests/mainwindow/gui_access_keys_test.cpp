// Every access key is unique on what is on screen at once: each panel of the
// window with its tab strip, each page of the options dialog with its tabs
// and buttons, the parts report in each of its forms, the about box.
#include "about/frmAbout.h"
#include "combine/frmMsg.h"
#include "mainwindow/gui_qt_host.h"
#include "mainwindow/gui_window_fixture.h"
#include "settings/frmOpt.h"
#include "support/access_keys.h"
#include "support/parts_reports.h"

#include <QTabWidget>
#include <gtest/gtest.h>

using namespace tsl;
using namespace tsl::test;

namespace {

// The keys shown, sorted, e.g. "Alt+A Alt+B ...".
QString keysOf(QWidget* window)
{
    QStringList keys = accessKeys(window).keys();
    keys.sort();
    return keys.join(' ');
}

}  // namespace

TEST(AccessKeys, EachPanelOfTheWindowWithItsTabs)
{
    WindowFixture w;
    ASSERT_TRUE(w.start({}));
    const char* expected[] = {
        "Alt+A Alt+B Alt+C Alt+L Alt+M Alt+O Alt+P Alt+R Alt+S",
        "Alt+A Alt+B Alt+L Alt+M Alt+O Alt+P Alt+R Alt+S Alt+T",
        "Alt+A Alt+B Alt+D Alt+F Alt+L Alt+M Alt+O Alt+P Alt+R Alt+S",
    };
    for (int panel = 0; panel < 3; ++panel) {
        SCOPED_TRACE(panel);
        w.form->selectPanel(panel);
        EXPECT_EQ(sharedAccessKeys(w.form.get()), QStringList());
        EXPECT_EQ(keysOf(w.form.get()), expected[panel]);
    }
}

TEST(AccessKeys, EachPageOfTheOptionsDialog)
{
    WindowFixture w;
    ASSERT_TRUE(w.start({}));
    const char* expected[] = {
        // Combine
        "Alt+0 Alt+A Alt+B Alt+C Alt+D Alt+E Alt+F Alt+H Alt+I Alt+K Alt+L Alt+M Alt+N Alt+O "
        "Alt+P Alt+R Alt+S Alt+T Alt+V Alt+W Alt+X Alt+Y",
        // Split
        "Alt+0 Alt+2 Alt+8 Alt+A Alt+B Alt+C Alt+D Alt+E Alt+F Alt+G Alt+H Alt+I Alt+K Alt+L Alt+M Alt+N "
        "Alt+O Alt+P Alt+R Alt+S Alt+T Alt+U Alt+V Alt+W Alt+X Alt+Y Alt+Z",
        // Append / Misc
        "Alt+A Alt+C Alt+D Alt+E Alt+H Alt+I Alt+L Alt+M Alt+O Alt+P Alt+R Alt+S Alt+T Alt+V "
        "Alt+W Alt+Y Alt+Z",
        // Directories
        "Alt+B Alt+C Alt+D Alt+E Alt+I Alt+L Alt+M Alt+N Alt+O Alt+P Alt+R Alt+S Alt+W Alt+Y",
    };
    for (int page = 0; page < 4; ++page) {
        SCOPED_TRACE(page);
        frmOpt dialog(w.settings, w.store, w.form->host(), page, w.form.get());
        dialog.show();
        EXPECT_EQ(sharedAccessKeys(&dialog), QStringList());
        EXPECT_EQ(keysOf(&dialog), expected[page]);
    }
}

TEST(AccessKeys, ThePartsReportInEachForm)
{
    PartsReport severalGaps = sampleReport(ReportMode::Missing);
    severalGaps.message = missingPartsMessage("clip.mpg", 2, "2, 5");
    const struct {
        PartsReport report;
        const char* keys;
    } cases[] = {
        {sampleReport(ReportMode::Missing), "Alt+A Alt+C Alt+G Alt+L Alt+S Alt+V"},
        {severalGaps, "Alt+A Alt+C Alt+G Alt+L Alt+S Alt+V"},
        {sampleReport(ReportMode::Extra), "Alt+A Alt+C Alt+L Alt+S Alt+V Alt+X"},
        {sampleReport(ReportMode::Corrupt), "Alt+A Alt+C Alt+L Alt+S Alt+V Alt+X"},
    };
    for (const auto& c : cases) {
        frmMsg dialog(c.report);
        dialog.show();
        EXPECT_EQ(sharedAccessKeys(&dialog), QStringList()) << c.keys;
        EXPECT_EQ(keysOf(&dialog), c.keys);
    }
}

TEST(AccessKeys, TheAboutBox)
{
    frmAbout about;
    about.show();
    EXPECT_EQ(sharedAccessKeys(&about), QStringList());
    EXPECT_EQ(keysOf(&about), "Alt+O");
}
