// The parts report dialog of Combine: tells the user that a set has missing,
// extra or wrong-size pieces, lists them, and asks whether to combine anyway
// (or include them), exclude, skip to the next set or cancel the run. It can
// copy the list to the clipboard or save it beside the output.
//
// The dialog only shows and answers; the rules (captions, Skip, the list and
// its file) live in combine/parts_report.h, shared with tsl-cli.
#pragma once

#include "core/host.h"

#include <QDialog>
#include <QString>

class QLabel;
class QPushButton;
class QScrollArea;

namespace tsl {

class frmMsg : public QDialog {
    Q_OBJECT

public:
    explicit frmMsg(const PartsReport& report, QWidget* parent = nullptr);

    // The answer marker: Cancel until an answer button is clicked.
    const QString& answerMarker() const { return answer_; }
    // The answer the marker stands for.
    ReportAnswer answer() const;

private:
    void createControls();
    void Form_Load();
    void arrange();
    void answerWith(ReportAnswer answer);
    void cmdCopy_Click();
    void cmdSave_Click();

    PartsReport report_;
    QString answer_;

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
// answers Cancel.
ReportAnswer showPartsReport(const PartsReport& report, QWidget* parent = nullptr);

}  // namespace tsl
