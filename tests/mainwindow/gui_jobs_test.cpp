// Jobs run from the window: the panel disabled while a job runs, Ctrl+Tab,
// the automatic combine of an info file named on the command line, the parts
// report answered, and closing the window during a job.
#include "core/sha256.h"
#include "mainwindow/gui_window_fixture.h"
#include "support/piece_sets.h"

#include <QGroupBox>
#include <QLabel>
#include <QPointer>
#include <QTabBar>
#include <QTest>
#include <gtest/gtest.h>

using namespace tsl;
using namespace tsl::test;

namespace {

const QString Overwrite = "Do you want to overwrite the existing split files for movie.avi?";

// A file to split whose pieces exist already, so the job stops at a question.
QByteArray movieWithPieces(const WindowFixture& w)
{
    w.t.writePattern("movie.avi", 1100000);
    w.t.write("movie.avi.001", "old");
    return w.t.read("movie.avi");
}

bool panelEnabled(const WindowFixture& w)
{
    return w.button("cmdSplit")->isEnabled() && w.button("cmdClose_1")->isEnabled()
        && w.button("cmdAbout_1")->isEnabled() && w.button("cmdBrowse_2")->isEnabled()
        && w.find<QGroupBox>("fmeExt")->isEnabled()
        && w.find<QTabWidget>("tbsSplit")->tabBar()->isEnabled();
}

}  // namespace

TEST(WindowJobs, SplitDisablesThePanelAndCtrlTabUntilItEnds)
{
    WindowFixture w;
    const QByteArray movie = movieWithPieces(w);
    ASSERT_TRUE(w.start({w.t.path("movie.avi")}));
    ASSERT_TRUE(panelEnabled(w));
    bool disabledDuringJob = false;
    int panelAfterCtrlTab = -1;
    QString question;
    whenModal<QMessageBox>([&](QMessageBox* box) {
        disabledDuringJob = !w.button("cmdSplit")->isEnabled()
            && !w.button("cmdClose_1")->isEnabled() && !w.button("cmdAbout_1")->isEnabled()
            && !w.button("cmdBrowse_2")->isEnabled() && !w.find<QGroupBox>("fmeExt")->isEnabled()
            && !w.find<QTabWidget>("tbsSplit")->tabBar()->isEnabled();
        QTest::keyClick(w.form.get(), Qt::Key_Tab, Qt::ControlModifier);
        panelAfterCtrlTab = w.panel();
        question = box->text();
        EXPECT_EQ(box->windowTitle(), "TSL");
        EXPECT_EQ(box->icon(), QMessageBox::Question);
        EXPECT_EQ(box->defaultButton(), box->button(QMessageBox::Yes));
        box->button(QMessageBox::Yes)->click();
    });
    w.button("cmdSplit")->click();
    ASSERT_TRUE(w.waitForJob());
    EXPECT_EQ(question, Overwrite);
    EXPECT_TRUE(disabledDuringJob);
    EXPECT_EQ(panelAfterCtrlTab, 1);
    EXPECT_TRUE(panelEnabled(w));
    EXPECT_EQ(w.t.read("movie.avi.001") + w.t.read("movie.avi.002") + w.t.read("movie.avi.003"),
              movie);
    EXPECT_TRUE(w.t.exists("movie.avi.000"));
    EXPECT_EQ(w.store.ReadReg("SplitDir", "", false, "Split"), w.t.dir());
    EXPECT_EQ(w.text("lblFileDir"), "Save in directory: " + QDir::homePath() + "/");

    QTest::keyClick(w.form.get(), Qt::Key_Tab, Qt::ControlModifier);
    EXPECT_EQ(w.panel(), 2);
    EXPECT_TRUE(w.button("cmdAppend")->isDefault());
    QTest::keyClick(w.form.get(), Qt::Key_Tab, Qt::ControlModifier);
    EXPECT_EQ(w.panel(), 0);  // wraps to Combine
    EXPECT_TRUE(w.button("cmdCombine")->isDefault());
    QTest::keyClick(w.form.get(), Qt::Key_Backtab, Qt::ControlModifier | Qt::ShiftModifier);
    EXPECT_EQ(w.panel(), 2);  // Ctrl+Shift+Tab goes back, wrapping to Append
    EXPECT_TRUE(w.button("cmdAppend")->isDefault());
}

TEST(WindowJobs, AnInfoFileOnTheCommandLineIsCombinedAndTheWindowCloses)
{
    WindowFixture w;
    const QByteArray whole =
        writePieceSet(w.t, {.name = "clip.mpg", .size = 1300000, .pieceSize = 512000});
    w.stored("CombineAuto=-1\nCombineAssoc=-1\nAutoClose=-1\nCombineDelete=-1\n");
    ASSERT_TRUE(w.start({w.t.path("clip.mpg.000")}));
    EXPECT_TRUE(w.form->autoCombine());
    QSignalSpy ended(w.form.get(), &frmMain::jobFinished);
    ASSERT_TRUE(ended.wait(60000));
    EXPECT_EQ(ended.count(), 1);
    EXPECT_FALSE(w.form->isVisible());
    EXPECT_EQ(w.form->exitCode(), 0);
    EXPECT_EQ(w.t.read("clip.mpg"), whole);
    for (const char* piece : {"clip.mpg.000", "clip.mpg.001", "clip.mpg.002", "clip.mpg.003"})
        EXPECT_FALSE(w.t.exists(piece)) << piece;
    EXPECT_EQ(w.store.ReadReg("CombineDir", "", false, "Combine"), w.t.dir());
}

TEST(WindowJobs, AnAutomaticCombineThatSkipsKeepsTheWindowOpen)
{
    WindowFixture w;
    writePieceSet(w.t, {.name = "clip.mpg", .size = 1300000, .pieceSize = 512000});
    w.t.write("clip.mpg.002", {});
    QFile::remove(w.t.path("clip.mpg.002"));
    w.stored("CombineAuto=-1\nCombineAssoc=-1\nAutoClose=-1\nMissingParts=0\n");
    ASSERT_TRUE(w.start({w.t.path("clip.mpg.000")}));
    QSignalSpy ended(w.form.get(), &frmMain::jobFinished);
    ASSERT_TRUE(ended.wait(60000));
    EXPECT_TRUE(w.form->isVisible());
    EXPECT_FALSE(w.t.exists("clip.mpg"));
    EXPECT_TRUE(w.button("cmdCombine")->isEnabled());

    WindowFixture off;  // without CombineAssoc nothing runs by itself
    writePieceSet(off.t, {.name = "clip.mpg", .size = 1300000, .pieceSize = 512000});
    off.stored("CombineAuto=-1\nCombineAssoc=0\n");
    ASSERT_TRUE(off.start({off.t.path("clip.mpg.000")}));
    EXPECT_FALSE(off.form->autoCombine());
    QApplication::processEvents();
    EXPECT_FALSE(off.form->jobRunning());
}

TEST(WindowJobs, TheAnsweredPartsReportSteersTheCombine)
{
    WindowFixture w;
    const QByteArray whole =
        writePieceSet(w.t, {.name = "clip.mpg", .size = 1300000, .pieceSize = 512000});
    QFile::remove(w.t.path("clip.mpg.002"));
    ASSERT_TRUE(w.start({w.t.path("clip.mpg.000")}));
    QString title;
    QString notice;
    whenModal([&title, &notice](QWidget* dialog) {
        title = dialog->windowTitle();
        // The file joined without piece 2 is not the one the info file records.
        whenModal<QMessageBox>([&notice](QMessageBox* box) {
            notice = box->text();
            box->button(QMessageBox::Ok)->click();
        });
        dialog->findChild<QPushButton*>("cmdCombine")->click();
    });
    w.button("cmdCombine")->click();
    ASSERT_TRUE(w.waitForJob());
    EXPECT_EQ(title, "Missing Parts...");
    EXPECT_TRUE(
        notice.startsWith("clip.mpg was written with 788000 bytes, but its info file records "
                          "1300000 bytes."))
        << notice.toStdString();
    EXPECT_EQ(w.t.read("clip.mpg"), whole.left(512000) + whole.mid(1024000));
    EXPECT_TRUE(w.form->isVisible());
}

TEST(WindowJobs, ADamagedPieceIsNamedInThePartsReportAndTheSetIsKept)
{
    WindowFixture w;
    const QByteArray whole =
        writePieceSet(w.t, {.name = "clip.mpg", .size = 1300000, .pieceSize = 512000});
    QByteArray sums;
    for (int i = 1; i <= 3; ++i)
        sums += Sha256::of(whole.mid((i - 1) * 512000, 512000)).toHex() + "  clip.mpg.00"
            + QByteArray::number(i) + "\n";
    w.t.write("clip.mpg.sha256", sums);
    QByteArray piece = w.t.read("clip.mpg.002");
    piece[7] = char(piece[7] ^ 0x20);
    w.t.write("clip.mpg.002", piece);
    ASSERT_TRUE(w.start({w.t.path("clip.mpg.000")}));
    const QStringList before = w.t.names();
    QString title;
    QString text;
    whenModal([&title, &text](QWidget* dialog) {
        title = dialog->windowTitle();
        text = dialog->findChild<QLabel*>("lblLabel")->text();
        dialog->findChild<QPushButton*>("cmdCancel")->click();
    });
    w.button("cmdCombine")->click();
    ASSERT_TRUE(w.waitForJob());
    EXPECT_EQ(title, "Corrupt Parts...");
    EXPECT_TRUE(text.contains("Part 2 -- clip.mpg.002: damaged (checksum differs)"))
        << text.toStdString();
    EXPECT_EQ(w.t.names(), before);
}

namespace {

// The open "stop the job?" question, with its text checked.
QMessageBox* stopQuestion()
{
    auto* box = qobject_cast<QMessageBox*>(QApplication::activeModalWidget());
    EXPECT_NE(box, nullptr);
    if (box) {
        EXPECT_EQ(box->text(), "A job is still running.\nDo you want to stop it and close TSL?");
    }
    return box;
}

}  // namespace

TEST(WindowJobs, ClosingDuringAJobAsksAndYesStopsItBeforeClosing)
{
    WindowFixture w;
    const QByteArray movie = movieWithPieces(w);
    ASSERT_TRUE(w.start({w.t.path("movie.avi")}));
    bool openAfterNo = false;
    bool openAfterYes = false;
    QMessageBox::StandardButton preset = QMessageBox::NoButton;
    whenModal<QMessageBox>([&](QMessageBox* overwrite) {
        w.form->close();
        if (QMessageBox* asked = stopQuestion()) {
            preset = asked->standardButton(asked->defaultButton());
            asked->button(QMessageBox::No)->click();
        }
        openAfterNo = w.form->isVisible() && w.form->jobRunning();
        w.form->close();
        if (QMessageBox* asked = stopQuestion())
            asked->button(QMessageBox::Yes)->click();
        openAfterYes = w.form->isVisible();
        overwrite->button(QMessageBox::Yes)->click();
    });
    QSignalSpy ended(w.form.get(), &frmMain::jobFinished);
    w.button("cmdSplit")->click();
    ASSERT_TRUE(ended.wait(60000));
    EXPECT_EQ(preset, QMessageBox::No);
    EXPECT_TRUE(openAfterNo);
    EXPECT_TRUE(openAfterYes);  // the window waits for the job to stop
    EXPECT_FALSE(w.form->isVisible());
    // Stopped cleanly: the source as it was, no pieces, info or batch file of it.
    EXPECT_EQ(w.t.read("movie.avi"), movie);
    for (const char* name : {"movie.avi.000", "movie.avi.002", "movie.avi.003", "movie.avi.bat"})
        EXPECT_FALSE(w.t.exists(name)) << name;
}

TEST(WindowJobs, TheStopQuestionClosesItselfWhenTheJobEndsAndTheWindowCloses)
{
    WindowFixture w;
    const QByteArray movie = movieWithPieces(w);
    ASSERT_TRUE(w.start({w.t.path("movie.avi")}));
    QPointer<QMessageBox> asked;
    whenModal<QMessageBox>([&](QMessageBox* overwrite) {
        // The user closes the window, then the job's question is answered
        // and the job runs to its end while "stop it?" is still open.
        w.form->close();
        asked = stopQuestion();
        overwrite->button(QMessageBox::Yes)->click();
    });
    QSignalSpy ended(w.form.get(), &frmMain::jobFinished);
    w.button("cmdSplit")->click();
    ASSERT_TRUE(ended.wait(60000));
    QApplication::processEvents();
    EXPECT_TRUE(asked.isNull() || !asked->isVisible());
    EXPECT_EQ(QApplication::activeModalWidget(), nullptr);
    EXPECT_FALSE(w.form->isVisible());
    // The job was not stopped: the file is split.
    EXPECT_EQ(w.t.read("movie.avi.001") + w.t.read("movie.avi.002") + w.t.read("movie.avi.003"),
              movie);
}
