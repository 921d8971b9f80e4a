// The parts report dialog of Combine: tells the user that a set has missing,
// extra or wrong-size pieces, lists them, and asks whether to combine anyway
// (or include them), exclude, skip to the next set or cancel the run. It can
// copy the list to the clipboard or save it beside the output (asking before
// it replaces a file of that name, and saying where it saved it).
//
// The dialog only shows and answers; the rules (captions, Skip, the list and
// its file) live in combine/parts_report.h, shared with tsl-cli.
#pragma once

#include "core/host.h"

#include <QDialog>
#include <QString>
#include <functional>

class QLabel;
class QPushButton;
class QScrollArea;

namespace tsl {

class frmMsg : public QDialog {
    Q_OBJECT

public:
    // Where the dialog says that Save List saved the list (the window's status).
    using StatusSink = std::function<void(const QString& text)>;

    explicit frmMsg(const PartsReport& report, QWidget* parent = nullptr, StatusSink status = {});

    // The answer: Cancel until an answer button is clicked.
    ReportAnswer answer() const { return answer_; }

private:
    void createControls();
    void Form_Load();
    void arrange();
    void answerWith(ReportAnswer answer);
    void cmdCopy_Click();
    void cmdSave_Click();

    PartsReport report_;
    ReportAnswer answer_ = ReportAnswer::Cancel;
    StatusSink status_;

    QLabel* imgIcon = nullptr;
    QScrollArea* scrLabel = nullptr;  // holds lblLabel; scrolls only for very long lists
    QLabel* lblLabel = nullptr;
    QPushButton* cmdCombine = nullptr;
    QPushButton* cmdExclude = nullptr;
    QPushButton* cmdSkip = nullptr;
    QPushButton* cmdCancel = nullptr;
    QPushButton* cmdCopy = nullptr;
    QPushButton* cmdSave = nullptr;
};

// Shows the report modally with the normal pointer (an hourglass the caller
// shows comes back afterwards) and returns the answer; closing the window
// answers Cancel. A saved list is announced through status.
ReportAnswer showPartsReport(const PartsReport& report, QWidget* parent = nullptr,
                             frmMsg::StatusSink status = {});

}  // namespace tsl
