// A second tsl while one runs: the real program, started as a second process,
// hands the files of its command line (read in its own working folder) to
// the running window, which selects them; while a job runs the second one is
// told that TSL is busy and says "TSL is already running...".
#include "mainwindow/gui_hand_over_link.h"
#include "mainwindow/gui_single_instance.h"
#include "mainwindow/gui_window_fixture.h"
#include "mainwindow/single_instance.h"
#include "support/piece_sets.h"

#include <QProcess>
#include <QTimer>
#include <gtest/gtest.h>

using namespace tsl;
using namespace tsl::test;

namespace {

// The real tsl as a second program: runtime folder `run` (where the first
// holds its lock), started in `folder` with `arguments`; its exit code.
int secondTsl(const TempFolder& run, const QString& folder, const QStringList& arguments)
{
    QProcess second;
    QProcessEnvironment env = QProcessEnvironment::systemEnvironment();
    env.insert("XDG_RUNTIME_DIR", run.dir());
    env.insert("QT_QPA_PLATFORM", "offscreen");
    env.insert("XDG_CONFIG_HOME", run.path("config"));
    env.insert("XDG_DATA_HOME", run.path("data"));
    env.insert("TSL_PROGRAM_DIR", run.path("prog"));
    second.setProcessEnvironment(env);
    second.setWorkingDirectory(folder);
    second.setProcessChannelMode(QProcess::ForwardedChannels);
    QSignalSpy done(&second, &QProcess::finished);
    second.start(TSL_GUI_PATH, arguments);
    // The window answers on this event loop while the second one waits.
    if (!done.wait(30000)) {
        second.kill();
        second.waitForFinished();
        return -1;
    }
    QApplication::processEvents();  // the selection follows the answer
    return second.exitStatus() == QProcess::NormalExit ? second.exitCode() : -2;
}

// Reads and closes the next message box that comes up over `below` (which
// stays open meanwhile).
void answerNextBoxOver(QWidget* below, QString* text)
{
    auto* poll = new QTimer;
    QObject::connect(poll, &QTimer::timeout, [poll, below, text] {
        auto* box = qobject_cast<QMessageBox*>(QApplication::activeModalWidget());
        if (!box || box == below)
            return;
        poll->stop();
        poll->deleteLater();
        *text = box->text();
        box->button(QMessageBox::Ok)->click();
    });
    poll->start(10);
}

}  // namespace

TEST(WindowHandOver, ASecondTslHandsItsFilesToTheRunningWindow)
{
    WindowFixture w;
    writeInfo(w.t, "sets/clip.mpg.000", 17000000, 12, 1457664);
    w.t.write("sets/clip.mpg.001", QByteArray(1457664, 'a'));
    ASSERT_TRUE(w.start({}));
    w.form->selectPanel(2);
    TempFolder run;
    SingleInstance first(run.path("tsl.lock"));
    ASSERT_TRUE(first.tryAcquire());
    const auto server = serveHandOvers(*w.form, first.path());
    QLocale::setDefault(QLocale::c());

    // A relative name, read in the second program's folder (the other
    // kinds of argument lists: CommandLine).
    EXPECT_EQ(secondTsl(run, w.t.path("sets"), {"clip.mpg.000"}), 0);
    EXPECT_EQ(w.panel(), 0);
    EXPECT_EQ(w.form->selection().CombFiles, QStringList{"clip.mpg.000"});
    EXPECT_EQ(w.form->selection().CombSrcDir, w.t.path("sets/"));
    EXPECT_EQ(w.text("txtFile_0"), "clip.mpg.000");
    EXPECT_EQ(w.status(), "12 pieces -- 1,457,664 bytes each -- 17,000,000 bytes total");
    EXPECT_TRUE(w.form->isVisible());
}

TEST(WindowHandOver, WhileAJobRunsTheSecondTslSaysTslIsRunning)
{
    WindowFixture w;
    w.t.writePattern("movie.avi", 1100000);
    w.t.write("movie.avi.001", "old");  // the split stops at a question
    w.t.write("other.avi", "o");
    ASSERT_TRUE(w.start({w.t.path("movie.avi")}));
    TempFolder run;
    SingleInstance first(run.path("tsl.lock"));
    ASSERT_TRUE(first.tryAcquire());
    const auto server = serveHandOvers(*w.form, first.path());

    bool claimed = true;
    QString said;
    whenModal<QMessageBox>([&](QMessageBox* overwrite) {
        // A second TSL while the job waits for this answer.
        answerNextBoxOver(overwrite, &said);
        SingleInstance second(run.path("tsl.lock"));
        claimed = claimSingleInstance(second, {w.t.path("other.avi")});
        overwrite->button(QMessageBox::Yes)->click();
    });
    w.button("cmdSplit")->click();
    ASSERT_TRUE(w.waitForJob());
    EXPECT_FALSE(claimed);
    EXPECT_EQ(said, "TSL is already running...");
    EXPECT_EQ(w.form->selection().SplitFiles, QStringList{"movie.avi"});

    // Once the job is over the same files are taken.
    SingleInstance again(run.path("tsl.lock"));
    EXPECT_FALSE(claimSingleInstance(again, {w.t.path("other.avi")}));
    QApplication::processEvents();
    EXPECT_EQ(w.form->selection().SplitFiles, QStringList{"other.avi"});
}

TEST(WindowHandOver, ASecondTslWithNoFilesOrNoAnswerSaysTslIsRunning)
{
    TempFolder run;
    SingleInstance first(run.path("tsl.lock"));
    ASSERT_TRUE(first.tryAcquire());
    run.write("a.avi", "a");
    // Nobody listens on the socket: the running TSL cannot take files.
    for (const QStringList& arguments : {QStringList{}, QStringList{run.path("a.avi")}}) {
        QString said;
        answerBox(&said, QMessageBox::Ok);
        SingleInstance second(run.path("tsl.lock"));
        EXPECT_FALSE(claimSingleInstance(second, arguments));
        EXPECT_EQ(said, "TSL is already running...");
    }
}
