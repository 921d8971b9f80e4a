// The Options buttons of the window: the dialog opens on the panel's page,
// Cancel leaves the store and the window as they were, OK re-applies the
// folder buttons and the Split summary (without reading a file that has gone);
// a stored value out of range is reported once.
#include "mainwindow/gui_window_fixture.h"
#include "mainwindow/status_text.h"
#include "settings/frmOpt.h"

#include <QCheckBox>
#include <QFile>
#include <QTest>
#include <QTimer>
#include <functional>
#include <gtest/gtest.h>

using namespace tsl;
using namespace tsl::test;

namespace {

const char* const OptButtons[] = {"cmdOpt_0", "cmdOpt_1", "cmdOpt_2"};

// Acts on the options dialog once it is up, then presses its button `close`.
void inOptions(const std::function<void(frmOpt*)>& act, const char* close)
{
    whenModal<frmOpt>([act, close](frmOpt* dlg) {
        act(dlg);
        dlg->findChild<QPushButton*>(QString::fromLatin1(close))->click();
    });
}

QByteArray storeBytes(const WindowFixture& w)
{
    QFile file(w.t.path("config/Tessel/TSL.conf"));
    return file.open(QIODevice::ReadOnly) ? file.readAll() : QByteArray();
}

}  // namespace

// Each panel's Options... opens the dialog on its page; Cancel leaves the
// store and the window as they were.
TEST(WindowOptions, OpensOnThePageOfThePanelAndCancelChangesNothing)
{
    WindowFixture w;
    w.stored("SameDir=-1\nSplitSameDir=-1\n");
    ASSERT_TRUE(w.start({}));
    const QByteArray before = storeBytes(w);
    for (int p = 0; p < 3; ++p) {
        w.form->selectPanel(p);
        int page = -1;
        inOptions(
            [&](frmOpt* dlg) {
                page = dlg->findChild<QTabWidget*>("tbsOpt")->currentIndex();
                dlg->findChild<QCheckBox*>("chkCombDirSame")->click();
                dlg->findChild<QCheckBox*>("chkSplitDirSame")->click();
            },
            "cmdCancel");
        w.button(OptButtons[p])->click();
        EXPECT_EQ(page, p);
    }
    EXPECT_EQ(storeBytes(w), before);
    EXPECT_FALSE(w.button("cmdBrowse_1")->isEnabled());
    EXPECT_FALSE(w.button("cmdBrowse_3")->isEnabled());
    EXPECT_TRUE(w.settings.SameDir);
}

TEST(WindowOptions, OkReappliesTheFolderButtonsAndTheTooltips)
{
    WindowFixture w;
    w.stored("SameDir=-1\nSplitSameDir=0\nShowTipsC=-1\n");
    ASSERT_TRUE(w.start({}));
    ASSERT_FALSE(w.button("cmdBrowse_1")->isEnabled());
    ASSERT_TRUE(w.button("cmdBrowse_3")->isEnabled());
    ASSERT_FALSE(w.button("cmdCombine")->toolTip().isEmpty());
    inOptions(
        [](frmOpt* dlg) {
            dlg->findChild<QCheckBox*>("chkCombDirSame")->click();
            dlg->findChild<QCheckBox*>("chkSplitDirSame")->click();
            dlg->findChild<QCheckBox*>("chkCTool")->click();
        },
        "cmdOk");
    w.button("cmdOpt_0")->click();
    EXPECT_TRUE(w.button("cmdBrowse_1")->isEnabled());
    EXPECT_FALSE(w.button("cmdBrowse_3")->isEnabled());
    EXPECT_TRUE(w.button("cmdCombine")->toolTip().isEmpty());
    EXPECT_FALSE(w.settings.SameDir);
    EXPECT_EQ(w.store.ReadReg("SameDir", "", false, "Combine"), "0");
}

TEST(WindowOptions, OkShowsTheSplitSummaryOfTheNewSizeOnlyWhileTheFileExists)
{
    for (const bool deleted : {false, true}) {
        SCOPED_TRACE(deleted ? "file deleted meanwhile" : "file still there");
        WindowFixture w;
        w.t.writePattern("movie.avi", 1100000);
        ASSERT_TRUE(w.start({w.t.path("movie.avi")}));
        ASSERT_EQ(w.status(), "3 pieces -- 512000 bytes each");
        inOptions(
            [&](frmOpt* dlg) {
                dlg->findChild<QLineEdit*>("txtSize")->setText("600000");
                if (deleted)
                    QFile::remove(w.t.path("movie.avi"));
            },
            "cmdOk");
        w.button("cmdOpt_1")->click();
        EXPECT_EQ(w.settings.SplitSize, 600000);
        // No question came up: the window is not waiting for an answer.
        EXPECT_EQ(QApplication::activeModalWidget(), nullptr);
        if (deleted) {
            EXPECT_EQ(w.status(), "movie.avi -- file not found");
            EXPECT_FALSE(w.find<QLineEdit>("txtStart")->isEnabled());
        } else {
            EXPECT_EQ(w.status(), "2 pieces, 600000 bytes each.");
            EXPECT_EQ(w.find<QScrollBar>("vsbEnd")->maximum(), 2);  // the range of the new count
        }
    }
}

TEST(WindowOptions, ANumberOfPiecesGivesTheChosenFileItsOwnSize)
{
    WindowFixture w;
    w.t.writePattern("movie.avi", 1001);
    ASSERT_TRUE(w.start({w.t.path("movie.avi")}));
    EXPECT_EQ(w.text("lblSplitBy"),
              "Each file is cut into pieces of " + thousands(512000) + " bytes.");
    EXPECT_FALSE(w.find<QLabel>("lblSplitBy")->toolTip().isEmpty());
    const std::pair<const char*, const char*> steps[] = {
        {"4", "4 pieces, 251 bytes each."},
        {"11",
         "movie.avi will not be split into 11 pieces because each would hold 91 bytes, "
         "less than the smallest part size (100 bytes)."},
    };
    for (const auto& [pieces, summary] : steps) {
        inOptions(
            [pieces = pieces](frmOpt* dlg) {
                auto* box = dlg->findChild<QCheckBox*>("chkPieces");
                if (!box->isChecked())
                    box->click();
                dlg->findChild<QLineEdit*>("txtPieces")->setText(pieces);
            },
            "cmdOk");
        w.button("cmdOpt_1")->click();
        EXPECT_EQ(w.status(), summary);
        EXPECT_EQ(w.text("lblSplitBy"),
                  QString("Each file is cut into ") + pieces
                      + " pieces of its own size: the last may be smaller, and a very small file "
                        "gives fewer pieces (never more).");
    }
    EXPECT_EQ(w.store.ReadReg("SplitMode", "", false, "Split"), "1");

    // A file chosen at start-up with a number of pieces stored.
    WindowFixture started;
    started.stored("SplitMode=1\nSplitPieces=3\n");
    started.t.writePattern("clip.mpg", 1001);
    ASSERT_TRUE(started.start({started.t.path("clip.mpg")}));
    EXPECT_EQ(started.status(), "3 pieces -- 334 bytes each");
    EXPECT_EQ(started.find<QScrollBar>("vsbEnd")->maximum(), 3);
}

TEST(WindowOptions, AStoredValueOutOfRangeIsReportedOnceWhenTheWindowLoadsIt)
{
    WindowFixture w;
    w.stored("SplitSize=50\n");
    QString said;
    answerBox(&said, QMessageBox::Ok);
    ASSERT_TRUE(w.start({}));
    EXPECT_EQ(
        said,
        "Some stored settings are outside the range TSL accepts:\n\nPart size (SplitSize): "
        "50 is outside 100 to 1099511627776; 512000 is used instead.\n\nChoose Options... and "
        "OK to store the values in use.");
    EXPECT_EQ(w.settings.SplitSize, 512000);

    // The reloads around the dialog say nothing more; OK stores the value in use.
    QStringList more;
    QTimer watch;
    QObject::connect(&watch, &QTimer::timeout, [&more] {
        if (auto* box = qobject_cast<QMessageBox*>(QApplication::activeModalWidget())) {
            more << box->text();
            box->accept();
        }
    });
    watch.start(10);
    inOptions([](frmOpt*) {}, "cmdCancel");
    w.button("cmdOpt_0")->click();
    inOptions([](frmOpt*) {}, "cmdOk");
    w.button("cmdOpt_1")->click();
    watch.stop();
    EXPECT_EQ(more, QStringList());
    EXPECT_EQ(w.store.ReadReg("SplitSize", "", false, "Split"), "512000");
}
