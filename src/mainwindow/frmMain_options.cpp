// The Options buttons: the options dialog on the panel's page, then the
// window's own reload of the settings and what depends on them.
#include "mainwindow/frmMain.h"

#include "core/file_utils.h"
#include "lists/gui_append_lists.h"
#include "mainwindow/gui_qt_host.h"
#include "mainwindow/gui_tooltips.h"
#include "mainwindow/status_text.h"
#include "pieces/part_names.h"
#include "settings/frmOpt.h"
#include "settings/replaced_values.h"
#include "split/piece_size.h"
#include "ui_frmMain.h"

#include <QFileInfo>
#include <QPushButton>

namespace tsl {

void frmMain::cmdOpt_Click(int Index)
{
    if (jobRunning())
        return;
    {
        frmOpt dlg(settings_, store_, *host_, Index, this, DriveMap::system(), assocHook());
        dlg.exec();
        // After OK and after Cancel alike; a question the dialog asked is not asked again.
        const LoadOutcome loaded = dlg.reloadAfterClose();
        if (loaded.terminated) {
            endProgram(1);
            return;
        }
        reportReplacedValues(loaded);
    }
    SetTTs(this, settings_);
    // Every page can change every setting, whichever panel opened the dialog.
    cmdBrowse[1]->setEnabled(!settings_.SameDir);
    cmdBrowse[3]->setEnabled(!settings_.SplitSameDir);
    lists_->setFontSize(settings_.ListFontSize);
    showSplitBy();
    if (Index == 1)
        reapplySplitSummary();
}

void frmMain::reportReplacedValues(const LoadOutcome& outcome)
{
    const QStringList lines = replacedValueLines(outcome, reported_);
    if (!lines.isEmpty())
        host_->ask(Ask::Notice, replacedValuesText(lines), Buttons::Ok, Icon::Exclamation,
                   Answer::Ok);
}

void frmMain::reapplySplitSummary()
{
    if (sel_.SplitFiles.size() != 1)
        return;
    // The file may have gone while the dialog was open: say so, with no
    // error question and no range built from a stale length.
    const QFileInfo file(sel_.SplitSrcDir + sel_.SplitFile);
    if (!isOrdinaryFile(file.filePath())) {
        setStatusText(splitFileGoneText(sel_.SplitFile));
        loadExtractRange(false, 0);
        return;
    }
    loadExtractRange(true, showSplitSummary(file.size(), true));
}

// Shows what splitting the one chosen file of `length` bytes gives, or why it
// would not be split into the number of pieces asked for; returns its piece
// count (0 when it would not be split so).
qint64 frmMain::showSplitSummary(qint64 length, bool afterOptions)
{
    const QString refused = countSizeRefusal(settings_, sel_.SplitFile, length);
    if (!refused.isEmpty()) {
        setStatusText(refused);
        return 0;
    }
    const qint64 pieces = splitPieceCount(settings_, length);
    // A part size as set (it may hold a fraction), or this file's own.
    const double size =
        splitsByCount(settings_) ? double(splitPieceSize(settings_, length)) : settings_.SplitSize;
    setStatusText(afterOptions ? splitOptionsSummary(pieces, size) : splitSummary(pieces, size));
    return pieces;
}

void frmMain::showSplitBy()
{
    ui->lblSplitBy->setText(splitByText(settings_));
}

}  // namespace tsl
