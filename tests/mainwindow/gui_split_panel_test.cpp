// The Split panel: a file chosen or dropped, with its extract range (the clamping and
// the check themselves: ExtractRange), the scroll bars coupled to the range
// fields, a bad range refused before anything is written, and the job's
// question answered while the panel and Ctrl+Tab are off.
#include "mainwindow/extract_range.h"
#include "mainwindow/gui_window_fixture.h"

#include <QGroupBox>
#include <QTabBar>
#include <QTest>
#include <gtest/gtest.h>

using namespace tsl;
using namespace tsl::test;

namespace {

void type(WindowFixture& w, const char* field, const QString& text)
{
    auto* edit = w.find<QLineEdit>(field);
    edit->selectAll();
    QTest::keyClicks(edit, text);
}

}  // namespace

TEST(WindowSplit, ADroppedFilesRangeIsSplitAfterTheQuestionWithThePanelOffMeanwhile)
{
    WindowFixture w;
    const QByteArray movie = patternBytes(5120000, 1);
    w.t.write("movie.avi", movie);
    w.t.write("movie.avi.002", "old");  // the split stops at a question
    w.stored("SplitDelete=-1\n");
    ASSERT_TRUE(w.start({}));
    w.form->selectPanel(1);
    choose(nullptr, w.t.dir(), {"movie.avi"});
    w.button("cmdBrowse_2")->click();
    EXPECT_EQ(w.status(), "10 pieces -- 512000 bytes each");
    w.find<QLineEdit>("txtEnd")->setText("4");
    dropFiles(w, 1, {w.t.path("movie.avi")});  // dropped again: a fresh range
    EXPECT_EQ(w.form->selection().SplitFiles, QStringList{"movie.avi"});
    EXPECT_EQ(w.text("txtEnd"), "0");
    auto* vsbStart = w.find<QScrollBar>("vsbStart");
    type(w, "txtEnd", "12");
    EXPECT_EQ(w.text("txtEnd"), "10");
    EXPECT_EQ(w.find<QScrollBar>("vsbEnd")->value(), 0);
    type(w, "txtStart", "3");
    EXPECT_EQ(vsbStart->value(), 7);
    vsbStart->triggerAction(QAbstractSlider::SliderSingleStepAdd);  // the down arrow
    EXPECT_EQ(w.text("txtStart"), "2");

    const auto panelEnabled = [&w] {
        return w.button("cmdSplit")->isEnabled() && w.button("cmdAbout_1")->isEnabled()
            && w.button("cmdBrowse_2")->isEnabled() && w.find<QGroupBox>("fmeExt")->isEnabled()
            && w.find<QTabWidget>("tbsSplit")->tabBar()->isEnabled();
    };

    // A range that is no whole numbers is refused before anything is written.
    w.find<QLineEdit>("txtStart")->setText("0.4");
    w.find<QLineEdit>("txtEnd")->setText("3");
    ASSERT_TRUE(QTest::qWaitFor(panelEnabled, 5000));
    QString refused;
    answerBox(&refused, QMessageBox::Ok);
    w.button("cmdSplit")->click();
    EXPECT_EQ(refused, checkExtractRange("0.4", "3", 10, "movie.avi").message);
    EXPECT_FALSE(refused.isEmpty());
    EXPECT_FALSE(w.form->jobRunning());
    EXPECT_EQ(w.t.read("movie.avi"), movie);  // SplitDelete does not touch it
    EXPECT_EQ(w.t.read("movie.avi.002"), "old");
    EXPECT_FALSE(w.t.exists("movie.avi.001"));
    type(w, "txtStart", "2");
    type(w, "txtEnd", "3");

    ASSERT_TRUE(QTest::qWaitFor(panelEnabled, 5000));
    bool enabledDuringJob = true;
    int panelAfterCtrlTab = -1;
    QString question;
    whenModal<QMessageBox>([&](QMessageBox* box) {
        enabledDuringJob = panelEnabled() || w.button("cmdClose_1")->isEnabled();
        QTest::keyClick(w.form.get(), Qt::Key_Tab, Qt::ControlModifier);
        panelAfterCtrlTab = w.panel();
        question = box->text();
        EXPECT_EQ(box->icon(), QMessageBox::Question);
        EXPECT_EQ(box->defaultButton(), box->button(QMessageBox::Yes));
        box->button(QMessageBox::Yes)->click();
    });
    w.button("cmdSplit")->click();
    ASSERT_TRUE(w.waitForJob());
    EXPECT_EQ(question, "Do you want to overwrite the existing split files for movie.avi?");
    EXPECT_FALSE(enabledDuringJob);
    EXPECT_EQ(panelAfterCtrlTab, 1);
    EXPECT_TRUE(panelEnabled());
    EXPECT_FALSE(w.t.exists("movie.avi.001"));
    EXPECT_EQ(w.t.read("movie.avi.002") + w.t.read("movie.avi.003"), movie.mid(512000, 1024000));
    EXPECT_FALSE(w.t.exists("movie.avi.004"));
    EXPECT_EQ(w.store.ReadReg("SplitDir", "", false, "Split"), w.t.dir());
}
