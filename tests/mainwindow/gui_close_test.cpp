// Closing the window during a job: it asks, and stops the job cleanly before
// it closes; the question goes away when the job ends meanwhile.
#include "mainwindow/gui_window_fixture.h"

#include <QPointer>
#include <gtest/gtest.h>

using namespace tsl;
using namespace tsl::test;

namespace {

// A file to split whose pieces exist already, so the job stops at a question.
QByteArray movieWithPieces(const WindowFixture& w)
{
    w.t.writePattern("movie.avi", 1100000);
    w.t.write("movie.avi.001", "old");
    return w.t.read("movie.avi");
}

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

// Stopped: Yes to the question (after a No) stops the job, the window waits
// for it, and nothing of the split is left. Not stopped: the question stays
// open while the job runs to its end, then goes away with the window.
TEST(WindowClose, DuringAJobItAsksAndStopsTheJobOrLetsItEnd)
{
    for (const bool stop : {true, false}) {
        SCOPED_TRACE(stop ? "stopped" : "not stopped");
        WindowFixture w;
        const QByteArray movie = movieWithPieces(w);
        ASSERT_TRUE(w.start({w.t.path("movie.avi")}));
        bool openAfterNo = false;
        bool openAfterYes = false;
        QPointer<QMessageBox> asked;
        whenModal<QMessageBox>([&](QMessageBox* overwrite) {
            w.form->close();
            asked = stopQuestion();
            if (stop && asked) {
                EXPECT_EQ(asked->defaultButton(), asked->button(QMessageBox::No));
                asked->button(QMessageBox::No)->click();
                openAfterNo = w.form->isVisible() && w.form->jobRunning();
                w.form->close();
                if (QMessageBox* again = stopQuestion())
                    again->button(QMessageBox::Yes)->click();
                openAfterYes = w.form->isVisible();  // the window waits for the job to stop
            }
            overwrite->button(QMessageBox::Yes)->click();
        });
        QSignalSpy ended(w.form.get(), &frmMain::jobFinished);
        w.button("cmdSplit")->click();
        ASSERT_TRUE(ended.wait(60000));
        QApplication::processEvents();
        EXPECT_FALSE(w.form->isVisible());
        EXPECT_EQ(QApplication::activeModalWidget(), nullptr);
        EXPECT_EQ(w.t.read("movie.avi"), movie);
        if (!stop) {
            EXPECT_TRUE(asked.isNull() || !asked->isVisible());
            EXPECT_EQ(w.t.read("movie.avi.001") + w.t.read("movie.avi.002")
                          + w.t.read("movie.avi.003"),
                      movie);
            continue;
        }
        EXPECT_TRUE(openAfterNo && openAfterYes);
        for (const char* name :
             {"movie.avi.000", "movie.avi.002", "movie.avi.003", "movie.avi.bat"})
            EXPECT_FALSE(w.t.exists(name)) << name;
    }
}
