// The Options buttons of the window: the dialog opens on the panel's page,
// Cancel leaves the store and the window as they were, OK re-applies the
// folder buttons, the tooltips and the Split summary (without reading a file
// that has gone); a stored value out of range is reported once.
#include "mainwindow/gui_window_fixture.h"
#include "mainwindow/status_text.h"
#include "settings/frmOpt.h"
#include "split/piece_size.h"

#include <QFile>
#include <QTimer>
#include <functional>
#include <gtest/gtest.h>

using namespace tsl;
using namespace tsl::test;

namespace {

// Acts on the options dialog once it is up, then presses its button `close`.
void inOptions(const std::function<void(frmOpt*)>& act, const char* close)
{
    whenModal<frmOpt>([act, close](frmOpt* dlg) {
        act(dlg);
        dlg->findChild<QPushButton*>(QString::fromLatin1(close))->click();
    });
}

void click(frmOpt* dlg, const char* name)
{
    dlg->findChild<QAbstractButton*>(QString::fromLatin1(name))->click();
}

}  // namespace

// A stored value out of range is reported once, when the window loads it:
// the reloads around the dialog say nothing more, and OK stores the value in
// use. Cancel leaves the store and the window as they were; OK re-applies the
// folder buttons, the tooltips and the Split summary, without reading a file
// that has gone.
TEST(WindowOptions, OpensOnThePanelsPageAndOkReappliesTheSettingsCancelNothing)
{
    WindowFixture w;
    w.stored("SameDir=-1\nSplitSameDir=-1\nShowTipsC=-1\nSplitSize=50\n");
    w.t.writePattern("movie.avi", 1100000);
    QString said;
    answerBox(&said, QMessageBox::Ok);
    ASSERT_TRUE(w.start({w.t.path("movie.avi")}));
    EXPECT_EQ(said,
              "Some stored settings are outside the range TSL accepts:\n\nPart size "
              "(SplitSize): 50 is outside 100 to 1099511627776; 512000 is used instead."
              "\n\nChoose Options... and OK to store the values in use.");
    ASSERT_EQ(w.status(), "3 pieces -- 512000 bytes each");
    ASSERT_FALSE(w.button("cmdCombine")->toolTip().isEmpty());
    QStringList more;  // any other message box
    QTimer watch;
    QObject::connect(&watch, &QTimer::timeout, [&more] {
        if (auto* box = qobject_cast<QMessageBox*>(QApplication::activeModalWidget())) {
            more << box->text();
            box->accept();
        }
    });
    watch.start(10);

    // Options... opens on the panel's page; Cancel stores nothing and
    // leaves the folder buttons.
    const QByteArray before = w.t.read("config/Tessel/TSL.conf");
    for (int p = 0; p < 3; ++p) {
        w.form->selectPanel(p);
        int page = -1;
        inOptions(
            [&](frmOpt* dlg) {
                page = dlg->findChild<QTabWidget*>("tbsOpt")->currentIndex();
                click(dlg, "chkCombDirSame");
                click(dlg, "chkSplitDirSame");
            },
            "cmdCancel");
        w.button(qPrintable(QString("cmdOpt_%1").arg(p)))->click();
        EXPECT_EQ(page, p);
    }
    EXPECT_EQ(w.t.read("config/Tessel/TSL.conf"), before);
    EXPECT_FALSE(w.button("cmdBrowse_1")->isEnabled());
    EXPECT_FALSE(w.button("cmdBrowse_3")->isEnabled());
    EXPECT_TRUE(w.settings.SameDir);

    const struct {
        std::function<void(frmOpt*)> act;
        QString status;  // null: countSizeRefusal's text
        int range;       // the extract range's last piece; -1: the range is off; -2: not looked at
    } steps[] = {
        {[](frmOpt*) {}, "3 pieces, 512000 bytes each.", 3},
        {[](frmOpt* dlg) {
             click(dlg, "chkCombDirSame");
             click(dlg, "chkSplitDirSame");
             click(dlg, "chkCTool");
             dlg->findChild<QLineEdit*>("txtSize")->setText("600000");
         },
         "2 pieces, 600000 bytes each.", 2},
        {[](frmOpt* dlg) {
             click(dlg, "chkPieces");
             dlg->findChild<QLineEdit*>("txtPieces")->setText("4");
         },
         "4 pieces, 275000 bytes each.", 4},
        // Too many pieces for the file: the split layer's refusal is shown.
        {[](frmOpt* dlg) { dlg->findChild<QLineEdit*>("txtPieces")->setText("12000"); }, {}, -2},
        {[&w](frmOpt* dlg) {
             dlg->findChild<QLineEdit*>("txtPieces")->setText("4");
             QFile::remove(w.t.path("movie.avi"));
         },
         "movie.avi -- file not found", -1},
    };
    for (const auto& step : steps) {
        SCOPED_TRACE(step.status.toStdString());
        inOptions(step.act, "cmdOk");
        w.button("cmdOpt_1")->click();
        if (step.range == 3) {
            EXPECT_EQ(w.store.ReadReg("SplitSize", "", false, "Split"), "512000");
        }
        const QString refused = countSizeRefusal(w.settings, "movie.avi", 1100000);
        EXPECT_EQ(w.status(), step.status.isNull() ? refused : step.status);
        EXPECT_EQ(refused.isEmpty(), !step.status.isNull());
        if (step.range > -2) {
            EXPECT_EQ(w.find<QLineEdit>("txtStart")->isEnabled(), step.range >= 0);
        }
        if (step.range >= 0) {
            EXPECT_EQ(w.find<QScrollBar>("vsbEnd")->maximum(), step.range);
        }
        EXPECT_EQ(w.text("lblSplitBy"), splitByText(w.settings));
    }
    watch.stop();
    EXPECT_EQ(more, QStringList());
    EXPECT_TRUE(w.button("cmdBrowse_1")->isEnabled());
    EXPECT_TRUE(w.button("cmdBrowse_3")->isEnabled());
    EXPECT_TRUE(w.button("cmdCombine")->toolTip().isEmpty());
    EXPECT_EQ(w.store.ReadReg("SameDir", "", false, "Combine"), "0");

    // A file chosen at start-up with a number of pieces stored.
    WindowFixture started;
    started.stored("SplitMode=1\nSplitPieces=3\n");
    ASSERT_TRUE(started.start({started.t.writePattern("clip.mpg", 1001)}));
    EXPECT_EQ(started.status(), "3 pieces -- 334 bytes each");
}
