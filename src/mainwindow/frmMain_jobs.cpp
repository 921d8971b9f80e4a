// The Combine, Split and Append commands: gather the request from the panel, run the
// engine on the worker thread, record the outcome; the busy frame and the
// progress lines the engines write; closing while a job runs.
#include "mainwindow/frmMain.h"

#include "append/append_target_name.h"
#include "core/file_utils.h"
#include "core/job_runner.h"
#include "core/texts.h"
#include "lists/gui_append_lists.h"
#include "mainwindow/extract_range.h"
#include "mainwindow/gui_qt_host.h"
#include "mainwindow/progress_scale.h"
#include "settings/settings_store.h"
#include "ui_frmMain.h"
#include "widgets/gui_message_box.h"

#include <QApplication>
#include <QCloseEvent>
#include <QFontMetrics>
#include <QMessageBox>
#include <QProgressBar>
#include <memory>

namespace tsl {

namespace {

// A label's caption: 10-point type, or 8-point when that would not fit.
void setCaption(QLabel* label, const QString& caption)
{
    QFont font = label->font();
    font.setPointSize(10);
    if (QFontMetrics(font).horizontalAdvance(caption) > label->contentsRect().width())
        font.setPointSize(8);
    label->setFont(font);
    label->setText(caption);
}

// Runs engine(request, settings) on the runner's worker thread, then
// ended(outcome) on the window's thread once every update was delivered.
template <typename Request, typename Outcome, typename Ended>
void startJob(JobRunner& runner, Outcome (*engine)(Request, Settings, Host&), Request request,
              Settings settings, Ended ended)
{
    auto outcome = std::make_shared<Outcome>();
    runner.start([=](Host& host) { *outcome = engine(request, settings, host); },
                 [=] { ended(*outcome); });
}

}  // namespace

bool frmMain::jobRunning() const
{
    return runner_ && runner_->isRunning();
}

void frmMain::setProgress(Panel panel, Line line, const QString& caption, double value,
                          double maximum)
{
    const int p = int(panel);
    const bool part = line == Line::Part && p < 2;
    QLabel* label = part ? lblPart[p] : lblTotal[p];
    QProgressBar* bar = part ? pbrPart[p] : pbrTotal[p];
    if (!caption.isNull())
        setCaption(label, caption);
    const BarValues v = barValues(value, maximum);
    bar->setRange(0, v.maximum);
    bar->setValue(v.value);
}

void frmMain::setBusyFrame(Panel panel, bool busy)
{
    bool* flag[] = {&CombineBusy, &SplitBusy, &AppendBusy};
    bool& current = *flag[int(panel)];
    if (current == busy)
        return;
    current = busy;
    SetForm(int(panel), !busy);
    if (busy)
        QApplication::setOverrideCursor(Qt::WaitCursor);
    else
        QApplication::restoreOverrideCursor();
}

void frmMain::resetProgress(Panel panel)
{
    const int p = int(panel);
    if (p < 2) {
        lblPart[p]->clear();
        pbrPart[p]->setValue(0);
    }
    lblTotal[p]->clear();
    pbrTotal[p]->setValue(0);
}

void frmMain::cmdCombine_Click()
{
    if (jobRunning())
        return;
    setBusyFrame(Panel::Combine, true);
    resetProgress(Panel::Combine);
    if (sel_.AppendOutDir.isEmpty()) {
        sel_.AppendOutDir = sel_.CombSrcDir;
        showSaveIn(sel_.AppendOutDir);
    }
    const CombineRequest request{sel_.CombFiles, sel_.CombSrcDir, txtDir[0]->text()};
    startJob(*runner_, &runCombine, request, settings_, [this](const CombineOutcome& outcome) {
        combineEnded(outcome);
        jobOver();
    });
}

void frmMain::cmdSplit_Click()
{
    if (jobRunning())
        return;
    // The range is checked before anything is written.
    ExtractRange range;
    range.ok = true;
    if (sel_.SplitFiles.size() == 1) {
        range = checkExtractRange(ui->txtStart->text(), ui->txtEnd->text(), ui->vsbStart->maximum(),
                                  sel_.SplitFile);
        if (!range.ok) {
            host_->ask(Ask::Notice, range.message, Buttons::Ok, Icon::Information, Answer::Ok);
            ui->txtStart->setFocus();
            return;
        }
    }
    setBusyFrame(Panel::Split, true);
    resetProgress(Panel::Split);
    const QString dirText = txtDir[1]->text();
    if (sel_.AppendOutDir.isEmpty()) {
        sel_.AppendOutDir = withTrailingSlash(dirText.trimmed());
        showSaveIn(sel_.AppendOutDir);
    }
    const SplitRequest request{sel_.SplitFiles, sel_.SplitSrcDir, dirText, range.start, range.end};
    startJob(*runner_, &runSplit, request, settings_, [this](const SplitOutcome& outcome) {
        splitEnded(outcome);
        jobOver();
    });
}

void frmMain::cmdAppend_Click()
{
    if (jobRunning())
        return;
    // The target is a file in the "Save in" folder: a name that could lead
    // elsewhere is refused before anything is written.
    const QString problem = appendTargetNameProblem(txtFile[2]->text());
    if (!problem.isEmpty()) {
        host_->ask(Ask::Notice, problem, Buttons::Ok, Icon::Exclamation, Answer::Ok);
        txtFile[2]->setFocus();
        return;
    }
    setBusyFrame(Panel::Append, true);
    resetProgress(Panel::Append);
    AppendRequest request;
    // lstTo's names are names in the folder lstFrom was read from, which a
    // cancelled folder dialog can leave behind txtDir(2); files dropped from
    // elsewhere are absolute paths.
    request.files = lists_->entries();
    request.sourceDir = lists_->sourceDir();
    request.outputDir = withTrailingSlash(sel_.AppendOutDir);
    request.targetName = txtFile[2]->text();
    request.sourceDirText = txtDir[2]->text();
    startJob(*runner_, &runAppend, request, settings_, [this](const AppendOutcome& outcome) {
        appendEnded(outcome);
        jobOver();
    });
}

// What every job's end does after its own: tell the watchers, and close the
// window when the user asked to while it ran.
void frmMain::jobOver()
{
    emit jobFinished();
    if (closeAfterJob_ && isVisible())
        close();
}

void frmMain::combineEnded(const CombineOutcome& outcome)
{
    store_.WriteReg(QStringLiteral("CombineDir"), outcome.folderToRecord,
                    QStringLiteral("Combine"));
    setBusyFrame(Panel::Combine, false);
    const bool autoRun = autoRun_;
    autoRun_ = false;
    if (outcome.terminated)
        endProgram(1);
    // Only a whole success closes: after a failure, a skip or a cancel the
    // window stays open with its status.
    else if (autoRun && settings_.AutoClose && outcome.allCombined() && outcome.cancelled == 0
             && !closeAfterJob_)
        endProgram(0);
}

void frmMain::splitEnded(const SplitOutcome& outcome)
{
    if (!outcome.folderToRecord.isNull())
        store_.WriteReg(QStringLiteral("SplitDir"), outcome.folderToRecord,
                        QStringLiteral("Split"));
    setBusyFrame(Panel::Split, false);
    if (outcome.rangeRefused)
        ui->txtStart->setFocus();
    if (outcome.terminated)
        endProgram(1);
}

void frmMain::appendEnded(const AppendOutcome& outcome)
{
    if (!outcome.folderToRecord.isNull())
        store_.WriteReg(QStringLiteral("AppendPartDir"), outcome.folderToRecord,
                        QStringLiteral("Append"));
    setBusyFrame(Panel::Append, false);
    if (outcome.terminated)
        endProgram(1);
}

void frmMain::closeEvent(QCloseEvent* event)
{
    if (!jobRunning()) {
        event->accept();
        return;
    }
    event->ignore();
    if (closeAfterJob_)
        return;
    if (stopQuestion_)
        stopQuestion_->activateWindow();
    else
        askToStopTheJob();
}

// The question does not wait in a loop of its own: a job that ends while it
// is open closes it (jobOverWhileAsked), and the questions of the job can
// come up over it.
void frmMain::askToStopTheJob()
{
    stopQuestion_ = createMessageBox(this,
                                     WindowText::tr("A job is still running.") + CrLf
                                         + WindowText::tr("Do you want to stop it and close TSL?"),
                                     Buttons::YesNo, Icon::Question, Answer::No);
    stopQuestion_->setAttribute(Qt::WA_DeleteOnClose);
    connect(stopQuestion_, &QDialog::finished, this, &frmMain::stopQuestionAnswered);
    stopQuestion_->open();
}

void frmMain::stopQuestionAnswered()
{
    if (!stopQuestion_)
        return;  // closed because the job ended
    const Answer answer = answerOf(*stopQuestion_, Buttons::YesNo);
    stopQuestion_ = nullptr;
    if (answer != Answer::Yes)
        return;
    if (jobRunning()) {
        closeAfterJob_ = true;
        runner_->cancel();
    } else {
        close();
    }
}

void frmMain::jobOverWhileAsked()
{
    if (!stopQuestion_)
        return;
    // The user asked to close and there is no job left to ask about.
    QMessageBox* question = stopQuestion_;
    stopQuestion_ = nullptr;
    question->close();
    if (isVisible())
        close();
}

}  // namespace tsl
