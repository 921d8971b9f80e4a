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

TEST(AccessKeys, AreUniqueOnEveryPanelPageAndDialog)
{
    WindowFixture w;
    ASSERT_TRUE(w.start({}));
    for (int panel = 0; panel < 3; ++panel) {
        w.form->selectPanel(panel);
        EXPECT_EQ(sharedAccessKeys(w.form.get()), QStringList()) << "panel " << panel;
        // The tabs, Options, About, Close and the panel's own controls.
        EXPECT_GE(accessKeys(w.form.get()).size(), 9) << "panel " << panel;
    }
    for (int page = 0; page < 4; ++page) {
        frmOpt dialog(w.settings, w.store, w.form->host(), page, w.form.get());
        dialog.show();
        EXPECT_EQ(sharedAccessKeys(&dialog), QStringList()) << "page " << page;
    }
    PartsReport severalGaps = sampleReport(ReportMode::Missing);
    severalGaps.message = missingPartsMessage("clip.mpg", 2, "2, 5");
    for (const PartsReport& report :
         {sampleReport(ReportMode::Missing), severalGaps, sampleReport(ReportMode::Extra),
          sampleReport(ReportMode::Corrupt)}) {
        frmMsg dialog(report);
        dialog.show();
        EXPECT_EQ(sharedAccessKeys(&dialog), QStringList()) << report.message.toStdString();
        EXPECT_EQ(accessKeys(&dialog).size(), 6) << report.message.toStdString();
    }
    frmAbout about;
    about.show();
    EXPECT_EQ(accessKeys(&about).keys(), QStringList{"Alt+O"});
}
