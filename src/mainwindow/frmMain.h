// The main window: three modes (Combine, Split, Append) on one tab strip, a
// status bar with the "Text", "Date" and "Time" panels, and the handlers that
// fill the selection from the command line, the file dialogs and file drops,
// run the Combine, Split and Append commands on a worker thread, and open the
// options dialog.
//
// Controls keep the names of their arrays (txtFile_0 is txtFile(0)); the
// constructor gathers them into arrays indexed by panel.
#pragma once

#include "append/append_engine.h"
#include "combine/combine_engine.h"
#include "core/host.h"
#include "mainwindow/hand_over.h"
#include "mainwindow/selection.h"
#include "settings/load_reg.h"
#include "settings/settings.h"
#include "split/split_engine.h"

#include <QMainWindow>
#include <QPointer>
#include <QSet>
#include <QStringList>
#include <array>
#include <memory>

class QKeyEvent;
class QLabel;
class QLineEdit;
class QMessageBox;
class QProgressBar;
class QPushButton;
class QScrollBar;
class QTimer;

namespace Ui {
class frmMain;
}

namespace tsl {

class AppendLists;
class DesktopRegistration;
class JobRunner;
class QtHost;
class SettingsStore;

class frmMain : public QMainWindow {
    Q_OBJECT

public:
    // registration: the desktop integration every load of the settings ends
    // with; none registers nothing. It must outlive the window.
    frmMain(Settings& settings, SettingsStore& store, DesktopRegistration* registration = nullptr,
            QWidget* parent = nullptr);
    ~frmMain() override;

    // Start-up after the single-instance test: loads the settings, fills the
    // directory fields and reads the command line (arguments without the
    // program). False when the user chose to end the program.
    bool Form_Load(const QStringList& arguments);

    // Enables or disables panel Pic's buttons and the tab strip around a job.
    void SetForm(int Pic, bool OnOff);

    // What the window's host writes: the status text, a progress line, the
    // busy frame of a job.
    void setStatusText(const QString& text);
    void setProgress(Panel panel, Line line, const QString& caption, double value, double maximum);
    void setBusyFrame(Panel panel, bool busy);
    // Clears the panel's progress lines, so nothing of the last run reads as this one's.
    void resetProgress(Panel panel);

    // The window's host (the one every message and question goes through).
    QtHost& host() { return *host_; }
    bool jobRunning() const;
    // The exit status the program ends with once the window has closed.
    int exitCode() const { return exitCode_; }

    // Switches to panel n as a click on its tab does.
    void selectPanel(int n);

    // The Append panel's lists.
    AppendLists* lists() const { return lists_; }

    // What the panels have chosen.
    const Selection& selection() const { return sel_; }
    // The command line asked for the Combine that starts by itself.
    bool autoCombine() const { return AutoCombine; }

    // Makes dir the Append panel's source folder, as the folder button or a
    // folder typed into "Find parts in:" does: lstFrom reloaded, lstTo
    // emptied, and "Save in" moved along unless the user chose it.
    void setAppendSource(const QString& dir);

    // The selection a second tsl handed over: Busy while a job runs;
    // otherwise Taken, and soon after the window comes to the front and
    // selects the files as if they had been dropped on the Combine panel (an
    // info file or first piece) or the Split panel.
    HandOverReply handOver(const CommandLineStart& start);

signals:
    // A job ended and its outcome was recorded.
    void jobFinished();

protected:
    bool eventFilter(QObject* watched, QEvent* event) override;
    void closeEvent(QCloseEvent* event) override;
    bool event(QEvent* event) override;

private:
    // Start-up (frmMain.cpp).
    void gatherControls();
    void connectHandlers();
    void createStatusPanels();
    void fillDirectories();
    void readCommandLine(const QStringList& arguments);
    void Form_Activate();
    void tbsSplit_Click();
    void fitToPanel();
    // Ctrl+Tab (step 1) and Ctrl+Shift+Tab (step -1).
    void Form_KeyDown(int step);
    bool windowKey(QWidget* widget, QKeyEvent* key);
    bool enterPressed(QWidget* widget);
    void focusFirstField();
    // Stored values the range rules replaced, each reported once.
    void reportReplacedValues(const LoadOutcome& outcome);
    void tmrStb_Timer();
    void cmdClose_Click(int Index);
    void cmdAbout_Click(int Index);
    bool appendReady() const;
    void endProgram(int code);

    // Selection (frmMain_browse.cpp).
    void cmdBrowse_Click(int Index);
    void browseFiles(int Index);
    void browseDirectory(int Index);
    void lblFileDir_DblClick();
    bool appendFolderTyped();
    void selectCombine(const QStringList& names, const QString& dir, bool listing);
    void selectSplit(const QStringList& names, const QString& dir);
    void combineSummaryOf(const QString& infoFile, bool listing);
    bool dropFiles(int panel, QEvent* event);
    void takeHandedOver(const CommandLineStart& start);
    void clearProgress(int panel);

    // Extract range (frmMain_range.cpp).
    void loadExtractRange(bool enabled, qint64 pieces);
    void txtStart_Change();
    void txtEnd_Change();
    void vsbStart_Change();
    void vsbEnd_Change();
    void rangeFieldEdited(QLineEdit* field, QScrollBar* bar, bool& inChange);
    void rangeBarMoved(QLineEdit* field, QScrollBar* bar, bool& inChange);

    // Jobs (frmMain_jobs.cpp).
    void cmdCombine_Click();
    void cmdSplit_Click();
    void cmdAppend_Click();
    void combineEnded(const CombineOutcome& outcome);
    void splitEnded(const SplitOutcome& outcome);
    void appendEnded(const AppendOutcome& outcome);
    void jobOver();
    void askToStopTheJob();
    void stopQuestionAnswered();
    void jobOverWhileAsked();

    // Options (frmMain_options.cpp).
    void cmdOpt_Click(int Index);
    void reapplySplitSummary();
    qint64 showSplitSummary(qint64 length, bool afterOptions);
    void showSplitBy();
    // The hook every load of the settings ends with (the desktop registration).
    AssocHook assocHook() const;
    void showSaveIn(const QString& dir);

    Settings& settings_;
    SettingsStore& store_;
    std::unique_ptr<::Ui::frmMain> ui;
    std::unique_ptr<QtHost> host_;
    std::unique_ptr<JobRunner> runner_;
    DesktopRegistration* registration_ = nullptr;
    AppendLists* lists_ = nullptr;
    QTimer* tmrStb = nullptr;
    QLabel* sbrText = nullptr;
    QLabel* sbrDate = nullptr;
    QLabel* sbrTime = nullptr;

public:
    // Control arrays, indexed as their names.
    std::array<QWidget*, 3> picSplit{};
    std::array<QLineEdit*, 3> txtFile{};
    std::array<QLineEdit*, 3> txtDir{};
    std::array<QPushButton*, 6> cmdBrowse{};
    std::array<QPushButton*, 3> cmdClose{};
    std::array<QPushButton*, 3> cmdAbout{};
    std::array<QPushButton*, 3> cmdOpt{};
    std::array<QLabel*, 7> lblLabel{};
    std::array<QLabel*, 2> lblPart{};
    std::array<QProgressBar*, 2> pbrPart{};
    std::array<QLabel*, 3> lblTotal{};
    std::array<QProgressBar*, 3> pbrTotal{};

private:
    Selection sel_;
    bool CombineBusy = false;
    bool SplitBusy = false;
    bool AppendBusy = false;
    int CurFrame = 0;
    bool AutoCombine = false;
    bool AutoCombineDone = false;
    bool InStartChange = false;
    bool InEndChange = false;
    int CombFilterIndex = 0;
    int SplitFilterIndex = 0;
    int AppendFilterIndex = 0;
    bool autoRun_ = false;                // the running Combine is the automatic one
    bool closeAfterJob_ = false;          // the user chose to stop the job and close
    bool saveInChosen_ = false;           // the user chose "Save in" rather than letting it follow
    QPointer<QMessageBox> stopQuestion_;  // "A job is still running..." while it is open
    QSet<QString> reported_;              // replaced stored values already reported
    int exitCode_ = 0;
    int fittedHeight_ = -1;  // the height fitToPanel last gave the window
};

}  // namespace tsl
