// Browsing: the file and folder dialogs of the three panels, files dropped
// from a file manager, and the selection and status summary they produce.
#include "mainwindow/frmMain.h"

#include "core/file_system.h"

#include "core/file_utils.h"
#include "core/message_text.h"
#include "core/run_error.h"
#include "core/texts.h"
#include "lists/gui_append_lists.h"
#include "mainwindow/command_line.h"
#include "mainwindow/gui_qt_host.h"
#include "mainwindow/status_text.h"
#include "pieces/info_file.h"
#include "pieces/part_names.h"
#include "ui_frmMain.h"
#include "widgets/gui_folder_dialog.h"

#include <QDir>
#include <QDropEvent>
#include <QFileDialog>
#include <QFileInfo>
#include <QMimeData>
#include <QTimer>
#include <QUrl>

namespace tsl {

namespace {

// The dialogs' filters. Qt reads the patterns from the parentheses, so "all
// files" is "*" (on Linux "*.*" would leave out names without a dot).
const QStringList InfoFilter = {
    WindowText::tr("000 files (*.000)"),
    WindowText::tr("000 & 001 files (*.000 *.001)"),
    WindowText::tr("001 files (*.001)"),
    WindowText::tr("All files (*)"),
};
const QStringList MovieFilter = {
    WindowText::tr("Movie files (*.mpg *.avi *.mov *.rm)"),
    WindowText::tr("All files (*)"),
};

// The local files among dropped URLs; empty when anything else is dropped.
QStringList droppedFiles(const QMimeData* data)
{
    QStringList files;
    if (!data || !data->hasUrls())
        return files;
    for (const QUrl& url : data->urls()) {
        if (!url.isLocalFile() || !QFileInfo(url.toLocalFile()).isFile())
            return {};
        files << QFileInfo(url.toLocalFile()).absoluteFilePath();
    }
    return files;
}

}  // namespace

void frmMain::clearProgress(int panel)
{
    if (panel < 2)
        setProgress(Panel(panel), Line::Part, QStringLiteral(""), 0, 100);
    setProgress(Panel(panel), Line::Total, QStringLiteral(""), 0, 100);
}

void frmMain::cmdBrowse_Click(int Index)
{
    clearProgress(Index / 2);
    if (Index % 2 == 0)
        browseFiles(Index);
    else
        browseDirectory(Index);
}

void frmMain::browseFiles(int Index)
{
    const int panel = Index / 2;
    int* filterIndex[] = {&CombFilterIndex, &SplitFilterIndex, &AppendFilterIndex};
    const QString* startDir[] = {&settings_.InitCombineDir, &settings_.InitSplitDir,
                                 &settings_.InitAppendDir};
    const QStringList& filters = panel == 0 ? InfoFilter : MovieFilter;
    if (*filterIndex[panel] == 0)
        *filterIndex[panel] = 1;

    const QString titles[] = {WindowText::tr("Choose the file sets to combine"),
                              WindowText::tr("Choose the files to split"),
                              WindowText::tr("Choose the file to append to")};
    QFileDialog dialog(this, titles[panel]);
    dialog.setFileMode(panel < 2 ? QFileDialog::ExistingFiles : QFileDialog::ExistingFile);
    dialog.setNameFilters(filters);
    dialog.selectNameFilter(filters.value(*filterIndex[panel] - 1));
    dialog.setDirectory(startDir[panel]->isEmpty() ? QDir::homePath() : *startDir[panel]);
    if (!txtFile[panel]->text().contains(QLatin1Char('"')))
        dialog.selectFile(txtFile[panel]->text());
    if (dialog.exec() != QDialog::Accepted || dialog.selectedFiles().isEmpty())
        return;
    *filterIndex[panel] = int(filters.indexOf(dialog.selectedNameFilter())) + 1;

    const QStringList chosen = dialog.selectedFiles();
    const QString dir = withTrailingSlash(QFileInfo(chosen.first()).absolutePath());
    QStringList names;
    for (const QString& path : chosen)
        names << QFileInfo(path).fileName();
    if (panel == 0) {
        selectCombine(names, dir, true);
    } else if (panel == 1) {
        selectSplit(names, dir);
    } else {
        sel_.AppendFile = names.first();
        sel_.AppendOutDir = dir;
        if (settings_.InitAppendDir.isEmpty())
            settings_.InitAppendDir = sel_.AppendOutDir;
        txtFile[2]->setText(sel_.AppendFile);
        setStatusText(appendFileSummary(sel_.AppendFile, QFileInfo(chosen.first()).size()));
        showSaveIn(sel_.AppendOutDir);
        saveInChosen_ = true;  // the target's own folder
    }
}

void frmMain::browseDirectory(int Index)
{
    const int panel = Index / 2;
    const QString titles[] = {WindowText::tr("Choose the folder for the combined files"),
                              WindowText::tr("Choose the folder for the pieces"),
                              WindowText::tr("Choose the folder to find parts in")};
    const QString chosen = BrowseForFolder(this, titles[panel], txtDir[panel]->text());
    if (panel == 0) {
        sel_.CombOutDir = chosen.isEmpty() ? txtDir[0]->text() : chosen;
        txtDir[0]->setText(sel_.CombOutDir);
    } else if (panel == 1) {
        sel_.SplitOutDir = chosen.isEmpty() ? txtDir[1]->text() : chosen;
        txtDir[1]->setText(sel_.SplitOutDir);
    } else if (chosen.isEmpty()) {
        // A cancelled dialog keeps both lists as they are.
        sel_.AppendSrcDir = txtDir[2]->text();
        if (sel_.AppendOutDir.isEmpty()) {
            sel_.AppendOutDir = sel_.AppendSrcDir;
            showSaveIn(sel_.AppendOutDir);
        }
    } else {
        setAppendSource(chosen);
    }
}

void frmMain::setAppendSource(const QString& dir)
{
    sel_.AppendSrcDir = withTrailingSlash(dir);
    txtDir[2]->setText(sel_.AppendSrcDir);
    lists_->loadSource(sel_.AppendSrcDir);
    // "Save in" goes along with the parts until the user chooses it.
    if (!saveInChosen_ || sel_.AppendOutDir.isEmpty()) {
        sel_.AppendOutDir = sel_.AppendSrcDir;
        showSaveIn(sel_.AppendOutDir);
    }
}

// A folder typed into "Find parts in:" is read when the user presses Enter
// or leaves the field; true when it was a new one.
bool frmMain::appendFolderTyped()
{
    const QString typed = txtDir[2]->text().trimmed();
    // A running Append works from the lists as they are.
    if (typed.isEmpty() || jobRunning())
        return false;
    const QString folder = withTrailingSlash(QDir::cleanPath(QFileInfo(typed).absoluteFilePath()));
    if (folder == withTrailingSlash(QDir::cleanPath(lists_->sourceDir())))
        return false;
    clearProgress(2);
    setAppendSource(folder);
    return true;
}

void frmMain::lblFileDir_DblClick()
{
    clearProgress(2);
    const QString target = txtFile[2]->text();
    if (!target.isEmpty() && FileExists(sel_.AppendOutDir + target)) {
        host_->ask(Ask::Notice,
                   withCrLf(WindowText::tr("You can only change this directory if you enter\n"
                                           "the name of a file that does not already exist.")),
                   Buttons::Ok, Icon::Information, Answer::Ok);
        return;
    }
    const QString chosen =
        BrowseForFolder(this, WindowText::tr("Choose the folder to save in"), sel_.AppendOutDir);
    if (!chosen.isEmpty()) {
        sel_.AppendOutDir = withTrailingSlash(chosen);
        saveInChosen_ = true;
    }
    if (sel_.AppendOutDir.isEmpty())
        sel_.AppendOutDir = sel_.AppendSrcDir;
    showSaveIn(sel_.AppendOutDir);
}

void frmMain::selectCombine(const QStringList& names, const QString& dir, bool listing)
{
    sel_.CombFiles = names;
    sel_.CombSrcDir = withTrailingSlash(dir);
    if (names.size() == 1) {
        sel_.CombFile = names.first();
        txtFile[0]->setText(sel_.CombFile);
        if (sel_.CombFile.endsWith(QLatin1String(".000")))
            combineSummaryOf(sel_.CombSrcDir + sel_.CombFile, listing);
    } else {
        txtFile[0]->setText(quotedList(names));
        setStatusText(filesSelected(names.size()));
    }
    if (settings_.InitCombineDir.isEmpty())
        settings_.InitCombineDir = sel_.CombSrcDir;
    if (settings_.SameDir) {
        sel_.CombOutDir = sel_.CombSrcDir;
        txtDir[0]->setText(sel_.CombOutDir);
    }
}

void frmMain::combineSummaryOf(const QString& infoFile, bool listing)
{
    InfoRecord record;
    const qint16 result = ParseMS000(infoFile, listing, record, *host_);
    if (result == info::Quit) {
        endProgram(1);
        return;
    }
    if (result != info::Read) {
        setStatusText(WindowText::tr("(Bad .000 file)"));
        return;
    }
    const QString first = infoFile.left(infoFile.size() - 3) + QStringLiteral("001");
    const qint64 each = isOrdinaryFile(first) ? QFileInfo(first).size() : -1;
    setStatusText(combineSummary(record.InfoPieceCount, each, record.InfoTotalSize));
}

void frmMain::selectSplit(const QStringList& names, const QString& dir)
{
    sel_.SplitFiles = names;
    sel_.SplitSrcDir = withTrailingSlash(dir);
    qint64 pieces = 0;
    if (names.size() == 1) {
        sel_.SplitFile = names.first();
        txtFile[1]->setText(sel_.SplitFile);
        const QString path = sel_.SplitSrcDir + sel_.SplitFile;
        const PathFacts file = pathFacts(path);
        if (file.isFile) {
            pieces = showSplitSummary(file.size, false);
        } else if (file.exists) {
            // A folder or a device: refused here, before anything could be written.
            host_->ask(
                Ask::Notice,
                WindowText::tr("%1 is not an ordinary file; there is nothing to split.").arg(path),
                Buttons::Ok, Icon::Information, Answer::Ok);
            sel_.SplitFiles.clear();
            sel_.SplitFile.clear();
            txtFile[1]->clear();
            return;
        } else if (!askToContinue(*host_, RunError::of(err::FileNotFound, path, FileOp::Open),
                                  QStringLiteral("frmMain.Form_Load"))) {
            endProgram(1);
            return;
        }
    } else {
        txtFile[1]->setText(quotedList(names));
        setStatusText(filesSelected(names.size()));
    }
    if (settings_.InitSplitDir.isEmpty())
        settings_.InitSplitDir = sel_.SplitSrcDir;
    if (settings_.SplitSameDir) {
        sel_.SplitOutDir = sel_.SplitSrcDir;
        txtDir[1]->setText(sel_.SplitOutDir);
    }
    loadExtractRange(names.size() == 1, pieces);
}

bool frmMain::dropFiles(int panel, QEvent* event)
{
    auto* drop = static_cast<QDropEvent*>(event);
    const QStringList files = droppedFiles(drop->mimeData());
    if (files.isEmpty() || jobRunning() || CurFrame != panel)
        return false;
    drop->acceptProposedAction();
    if (event->type() != QEvent::Drop)
        return true;
    QStringList dirs;
    QStringList names;
    for (const QString& file : files) {
        const QString dir = withTrailingSlash(QFileInfo(file).absolutePath());
        if (!dirs.contains(dir))
            dirs << dir;
        names << QFileInfo(file).fileName();
    }
    clearProgress(panel);
    if (dirs.size() > 1)
        host_->ask(Ask::Notice, differentFoldersText(dirs), Buttons::Ok, Icon::Exclamation,
                   Answer::Ok);
    else if (panel == 0)
        selectCombine(names, dirs.first(), true);
    else
        selectSplit(names, dirs.first());
    return true;
}

HandOverReply frmMain::handOver(const CommandLineStart& start)
{
    if (jobRunning())
        return HandOverReply::Busy;
    // Answered first, selected after: a message about the files must not
    // keep the sender waiting.
    QTimer::singleShot(0, this, [this, start] { takeHandedOver(start); });
    return HandOverReply::Taken;
}

void frmMain::takeHandedOver(const CommandLineStart& start)
{
    if (jobRunning())
        return;
    if (isMinimized())
        showNormal();
    raise();
    activateWindow();
    const int panel = start.mode == StartMode::Split ? 1 : 0;
    ui->tbsSplit->setCurrentIndex(panel);
    clearProgress(panel);
    if (!start.folders.isEmpty()) {
        host_->ask(Ask::Notice, differentFoldersText(start.folders), Buttons::Ok, Icon::Exclamation,
                   Answer::Ok);
        return;
    }
    // As with a drop, only files that are there are taken.
    QStringList names;
    QStringList missing;
    for (const QString& name : start.files)
        (isOrdinaryFile(start.srcDir + name) ? names : missing) << name;
    if (!names.isEmpty()) {
        if (panel == 0)
            selectCombine(names, start.srcDir, true);
        else
            selectSplit(names, start.srcDir);
    }
    if (!missing.isEmpty())
        setStatusText(WindowText::tr("Not added (not an ordinary file): %1")
                          .arg(missing.join(QStringLiteral(", "))));
}

}  // namespace tsl
