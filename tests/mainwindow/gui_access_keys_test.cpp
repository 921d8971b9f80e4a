// Every access key is unique on what is on screen at once, and each screen
// offers the keys it should: each panel of the window with its tab strip,
// each page of the options dialog with its tabs and buttons, the parts report
// in each of its forms, the about box.
#include "about/frmAbout.h"
#include "combine/frmMsg.h"
#include "mainwindow/gui_qt_host.h"
#include "mainwindow/gui_window_fixture.h"
#include "settings/frmOpt.h"
#include "support/access_keys.h"
#include "support/parts_reports.h"

#include <QTabWidget>
#include <functional>
#include <gtest/gtest.h>

using namespace tsl;
using namespace tsl::test;

TEST(AccessKeys, AreUniqueOnEveryPanelPageAndDialog)
{
    WindowFixture w;
    ASSERT_TRUE(w.start({}));
    PartsReport severalGaps = sampleReport(ReportMode::Missing);
    severalGaps.message = missingPartsMessage("clip.mpg", 2, "2, 5");
    const auto panel = [&w](int n) {
        w.form->selectPanel(n);
        return std::unique_ptr<QWidget>();
    };
    const auto options = [&w](int page) {
        return std::unique_ptr<QWidget>(
            new frmOpt(w.settings, w.store, w.form->host(), page, w.form.get()));
    };
    const auto report = [](const PartsReport& r) { return std::make_unique<frmMsg>(r); };
    const std::pair<std::function<std::unique_ptr<QWidget>()>, const char*> screens[] = {
        {[&] { return panel(0); }, "A B C L M O P R S"},
        {[&] { return panel(1); }, "A B L M O P R S T"},
        {[&] { return panel(2); }, "A B D F L M O P R S"},
        {[&] { return options(0); }, "0 A B C D E F H I K L M N O P R S T V W X Y"},
        {[&] { return options(1); }, "0 2 8 A B C D E F G H I K L M N O P R S T U V W X Y Z"},
        {[&] { return options(2); }, "A C D E H I L M O P R S T V W Y Z"},
        {[&] { return options(3); }, "B C D E I L M N O P R S W Y"},
        {[&] { return report(sampleReport(ReportMode::Missing)); }, "A C G L S V"},
        {[&] { return report(severalGaps); }, "A C G L S V"},
        {[&] { return report(sampleReport(ReportMode::Extra)); }, "A C L S V X"},
        {[&] { return report(sampleReport(ReportMode::Corrupt)); }, "A C L S V X"},
        {[] { return std::make_unique<frmAbout>(); }, "O"},
    };
    for (const auto& [open, expected] : screens) {
        SCOPED_TRACE(expected);
        const std::unique_ptr<QWidget> dialog = open();
        QWidget* screen = dialog ? dialog.get() : w.form.get();
        screen->show();
        EXPECT_EQ(sharedAccessKeys(screen), QStringList());
        QStringList keys = accessKeys(screen).keys();
        keys.sort();
        EXPECT_EQ(keys.join(' ').remove("Alt+"), expected);
    }
}
