#include "mainwindow/frmMain.h"

#include "about/frmAbout.h"
#include "core/file_utils.h"
#include "core/job_runner.h"
#include "core/texts.h"
#include "lists/gui_append_lists.h"
#include "mainwindow/command_line.h"
#include "mainwindow/gui_app_icon.h"
#include "mainwindow/gui_qt_host.h"
#include "mainwindow/gui_tooltips.h"
#include "mainwindow/status_text.h"
#include "settings/load_reg.h"
#include "settings/settings_store.h"
#include "shell/check_assoc.h"
#include "ui_frmMain.h"
#include "widgets/gui_painted_icon.h"
#include "widgets/gui_palette_follower.h"
#include "widgets/gui_read_only_look.h"

#include <QAbstractButton>
#include <QApplication>
#include <QCloseEvent>
#include <QDate>
#include <QDir>
#include <QKeyEvent>
#include <QLocale>
#include <QPainter>
#include <QStatusBar>
#include <QStyle>
#include <QTabBar>
#include <QTime>
#include <QTimer>

namespace tsl {

frmMain::frmMain(Settings& settings, SettingsStore& store, DesktopRegistration* registration,
                 QWidget* parent)
    : QMainWindow(parent), settings_(settings), store_(store), ui(new ::Ui::frmMain),
      registration_(registration)
{
    ui->setupUi(this);
    gatherControls();
    createStatusPanels();
    host_ = std::make_unique<QtHost>(*this);
    runner_ = std::make_unique<JobRunner>(*host_);
    connect(this, &frmMain::jobFinished, this, &frmMain::jobOverWhileAsked);
    connectHandlers();
    // Keys reach the window before its controls, so Ctrl+Tab is the window's.
    qApp->installEventFilter(this);
    tmrStb = new QTimer(this);
    tmrStb->setInterval(250);
    connect(tmrStb, &QTimer::timeout, this, &frmMain::tmrStb_Timer);
    tmrStb->start();
    tmrStb_Timer();
    resize(sizeHint().expandedTo(QSize(560, 0)));
}

frmMain::~frmMain()
{
    qApp->removeEventFilter(this);
    // A job still running would report to a window that is gone.
    if (runner_ && runner_->isRunning())
        runner_->cancel();
    runner_.reset();
}

void frmMain::gatherControls()
{
    picSplit = {ui->picSplit_0, ui->picSplit_1, ui->picSplit_2};
    txtFile = {ui->txtFile_0, ui->txtFile_1, ui->txtFile_2};
    txtDir = {ui->txtDir_0, ui->txtDir_1, ui->txtDir_2};
    cmdBrowse = {ui->cmdBrowse_0, ui->cmdBrowse_1, ui->cmdBrowse_2,
                 ui->cmdBrowse_3, ui->cmdBrowse_4, ui->cmdBrowse_5};
    cmdClose = {ui->cmdClose_0, ui->cmdClose_1, ui->cmdClose_2};
    cmdAbout = {ui->cmdAbout_0, ui->cmdAbout_1, ui->cmdAbout_2};
    cmdOpt = {ui->cmdOpt_0, ui->cmdOpt_1, ui->cmdOpt_2};
    lblLabel = {ui->lblLabel_0, ui->lblLabel_1, ui->lblLabel_2, ui->lblLabel_3,
                ui->lblLabel_4, ui->lblLabel_5, ui->lblLabel_6};
    lblPart = {ui->lblPart_0, ui->lblPart_1};
    pbrPart = {ui->pbrPart_0, ui->pbrPart_1};
    lblTotal = {ui->lblTotal_0, ui->lblTotal_1, ui->lblTotal_2};
    pbrTotal = {ui->pbrTotal_0, ui->pbrTotal_1, ui->pbrTotal_2};
    lists_ = ui->appendLists;
    // Tab through the Append panel in reading order, the lists' own controls
    // between the folder row and the button column.
    QList<QWidget*> append{txtFile[2], cmdBrowse[4], txtDir[2], cmdBrowse[5]};
    append << lists_->tabOrder() << cmdClose[2] << cmdAbout[2] << cmdOpt[2] << ui->cmdAppend;
    for (qsizetype i = 0; i + 1 < append.size(); ++i)
        setTabOrder(append[i], append[i + 1]);

    // Pictures from the style, a file and a folder; the closing cross is
    // drawn in the buttons' text colour, which a dark palette makes light.
    followPalette(this, [this] {
        const QIcon cross = paintedIcon(
            [](QPainter& p, const QColor& colour) {
                p.setPen(QPen(colour, 2, Qt::SolidLine, Qt::RoundCap));
                p.drawLine(QPointF(4.5, 4.5), QPointF(11.5, 11.5));
                p.drawLine(QPointF(11.5, 4.5), QPointF(4.5, 11.5));
            },
            palette());
        for (int p = 0; p < 3; ++p) {
            cmdBrowse[2 * p]->setIcon(style()->standardIcon(QStyle::SP_FileIcon));
            cmdBrowse[2 * p + 1]->setIcon(style()->standardIcon(QStyle::SP_DirOpenIcon));
            cmdClose[p]->setIcon(cross);
        }
    });
    // The range's scroll bars are as tall as their fields, like spin buttons.
    ui->vsbStart->setFixedHeight(ui->txtStart->sizeHint().height());
    ui->vsbEnd->setFixedHeight(ui->txtEnd->sizeHint().height());
    setWindowIcon(applicationIcon());
    // The Combine and Split file fields only show the selection.
    showAsReadOnly(txtFile[0]);
    showAsReadOnly(txtFile[1]);
    ui->lblFileDir->installEventFilter(this);
    // Dropped files select files as the file dialog does.
    for (int p = 0; p < 2; ++p) {
        picSplit[p]->setAcceptDrops(true);
        picSplit[p]->installEventFilter(this);
    }
}

void frmMain::connectHandlers()
{
    for (int i = 0; i < 6; ++i)
        connect(cmdBrowse[i], &QPushButton::clicked, this, [this, i] { cmdBrowse_Click(i); });
    for (int p = 0; p < 3; ++p) {
        connect(cmdClose[p], &QPushButton::clicked, this, [this, p] { cmdClose_Click(p); });
        connect(cmdAbout[p], &QPushButton::clicked, this, [this, p] { cmdAbout_Click(p); });
        connect(cmdOpt[p], &QPushButton::clicked, this, [this, p] { cmdOpt_Click(p); });
    }
    connect(ui->cmdCombine, &QPushButton::clicked, this, &frmMain::cmdCombine_Click);
    connect(ui->cmdSplit, &QPushButton::clicked, this, &frmMain::cmdSplit_Click);
    connect(ui->cmdAppend, &QPushButton::clicked, this, &frmMain::cmdAppend_Click);
    connect(lists_, &AppendLists::listsChanged, this, [this] { clearProgress(2); });
    connect(lists_, &AppendLists::fontSizeChanged, this, [this](double points) {
        settings_.ListFontSize = float(points);
        store_.WriteReg(QStringLiteral("ListFontSize"), QString::number(points),
                        QStringLiteral("Append"));
    });
    connect(lists_, &AppendLists::dropRefused, this, [this](const QStringList& names) {
        setStatusText(WindowText::tr("Not added (not an ordinary file): %1")
                          .arg(names.join(QStringLiteral(", "))));
    });
    connect(ui->tbsSplit, &QTabWidget::currentChanged, this, &frmMain::tbsSplit_Click);
    connect(ui->txtStart, &QLineEdit::textChanged, this, &frmMain::txtStart_Change);
    connect(ui->txtEnd, &QLineEdit::textChanged, this, &frmMain::txtEnd_Change);
    connect(ui->vsbStart, &QScrollBar::valueChanged, this, &frmMain::vsbStart_Change);
    connect(ui->vsbEnd, &QScrollBar::valueChanged, this, &frmMain::vsbEnd_Change);
    connect(txtFile[2], &QLineEdit::textEdited, this, [this](const QString& text) {
        sel_.AppendFile = text;
        clearProgress(2);
    });
    connect(txtDir[2], &QLineEdit::editingFinished, this, &frmMain::appendFolderTyped);
}

void frmMain::createStatusPanels()
{
    auto panel = [this](const char* key, int stretch) {
        auto* label = new QLabel(this);
        label->setObjectName(QString::fromLatin1(key));
        label->setTextFormat(Qt::PlainText);
        label->setContentsMargins(4, 0, 4, 0);
        if (stretch)
            ui->sbrMain->addWidget(label, stretch);
        else
            ui->sbrMain->addPermanentWidget(label);
        return label;
    };
    sbrText = panel("Text", 1);
    sbrDate = panel("Date", 0);
    sbrTime = panel("Time", 0);
}

bool frmMain::Form_Load(const QStringList& arguments)
{
    const LoadOutcome loaded = LoadReg(settings_, store_, *host_, DriveMap::system(), assocHook());
    if (loaded.terminated)
        return false;
    reportReplacedValues(loaded);
    SetTTs(this, settings_);
    lists_->setFontSize(settings_.ListFontSize);
    showSplitBy();
    fillDirectories();
    readCommandLine(arguments);
    tmrStb_Timer();
    focusFirstField();
    return exitCode_ == 0;
}

void frmMain::fillDirectories()
{
    const Settings& s = settings_;
    txtDir[0]->setText(s.CombineRemember && !s.SameDir ? s.InitCombineDir : QString());
    cmdBrowse[1]->setEnabled(!s.SameDir);
    txtDir[1]->setText(s.SplitRemember && !s.SplitSameDir ? s.InitSplitDir : QString());
    cmdBrowse[3]->setEnabled(!s.SplitSameDir);
    // The home folder stands for the drive root the append folder fell back to.
    if (settings_.InitAppendDir.isEmpty())
        settings_.InitAppendDir = QDir::homePath();
    settings_.InitAppendDir = withTrailingSlash(settings_.InitAppendDir);
    sel_.AppendSrcDir = sel_.AppendOutDir = settings_.InitAppendDir;
    txtDir[2]->setText(sel_.AppendSrcDir);
    showSaveIn(sel_.AppendOutDir);
    loadExtractRange(false, 0);
}

void frmMain::readCommandLine(const QStringList& arguments)
{
    const CommandLineStart start = tsl::readCommandLine(arguments, FileExists);
    const int panel = start.mode == StartMode::Split ? 1 : 0;
    ui->tbsSplit->setCurrentIndex(panel);
    tbsSplit_Click();
    if (!start.folders.isEmpty()) {
        host_->ask(Ask::Notice, differentFoldersText(start.folders), Buttons::Ok, Icon::Exclamation,
                   Answer::Ok);
        return;
    }
    if (start.mode == StartMode::Combine) {
        selectCombine(start.files, start.srcDir, false);
        AutoCombine = settings_.CombineAuto && settings_.CombineAssoc;
    } else if (start.mode == StartMode::Split) {
        selectSplit(start.files, start.srcDir);
    }
}

bool frmMain::event(QEvent* event)
{
    // The first activation runs the automatic combine. A window that is shown
    // but never activated (an X session without a window manager) runs it
    // once it is on screen.
    if (event->type() == QEvent::WindowActivate)
        Form_Activate();
    else if (event->type() == QEvent::Show && AutoCombine && !AutoCombineDone)
        QTimer::singleShot(0, this, &frmMain::Form_Activate);
    return QMainWindow::event(event);
}

void frmMain::Form_Activate()
{
    if (!AutoCombine || AutoCombineDone)
        return;
    AutoCombineDone = true;
    autoRun_ = true;
    cmdCombine_Click();
}

void frmMain::selectPanel(int n)
{
    ui->tbsSplit->setCurrentIndex(n);
}

void frmMain::tbsSplit_Click()
{
    const int n = ui->tbsSplit->currentIndex();
    const bool switched = n != CurFrame;
    CurFrame = n;
    // A switch by the keyboard lands in the new panel; a click leaves the
    // focus on the tab strip.
    if (switched && !ui->tbsSplit->tabBar()->hasFocus())
        focusFirstField();
    QPushButton* action[] = {ui->cmdCombine, ui->cmdSplit, ui->cmdAppend};
    for (int p = 0; p < 3; ++p)
        action[p]->setDefault(p == n);
    // Coming to the Append panel starts from a fresh list of its folder.
    if (n == 2 && switched)
        lists_->loadSource(sel_.AppendSrcDir);
    fitToPanel();
}

// The window is as tall as the panel it shows, so the Combine and Split
// panels end with their progress lines rather than an empty band below them
// as tall as the Append panel's lists: the hidden panels do not count
// towards the window's height. A height the user has chosen stays; the
// Append lists or the space below the progress lines take what it adds.
void frmMain::fitToPanel()
{
    const int n = ui->tbsSplit->currentIndex();
    // Asked before the new minimum can grow the window. A window at its
    // minimum was not sized by the user: the minimum grew it, e.g. when the
    // style was applied on show.
    const bool chosen =
        fittedHeight_ >= 0 && height() != fittedHeight_ && height() > minimumHeight();
    for (int p = 0; p < 3; ++p)
        picSplit[p]->setSizePolicy(QSizePolicy::Preferred,
                                   p == n ? QSizePolicy::Preferred : QSizePolicy::Ignored);
    // The layouts answer with the new policies at once, not after the layout
    // requests they posted have gone round.
    for (QWidget* w = picSplit[n]; w; w = w->parentWidget()) {
        w->updateGeometry();
        if (w->layout())
            w->layout()->invalidate();
        if (w == this)
            break;
    }
    QWidget* panel = picSplit[n];
    const int wanted = minimumSizeHint().height() - panel->minimumSizeHint().height()
        + qMax(panel->sizeHint().height(), panel->minimumSizeHint().height());
    // One change of size for the window system: a window that grows takes
    // its height before the new minimum would grow it a first time, one that
    // shrinks loses its old minimum first.
    const bool fit = !chosen && !isMaximized() && !isFullScreen();
    if (fit && wanted > height())
        resize(width(), wanted);
    layout()->activate();
    if (!fit)
        return;
    if (wanted < height())
        resize(width(), wanted);
    fittedHeight_ = height();
}

AssocHook frmMain::assocHook() const
{
    return registration_ ? registration_->hook() : AssocHook{};
}

bool frmMain::eventFilter(QObject* watched, QEvent* event)
{
    if (event->type() == QEvent::KeyPress) {
        auto* widget = qobject_cast<QWidget*>(watched);
        if (widget && widget->window() == this && windowKey(widget, static_cast<QKeyEvent*>(event)))
            return true;
    }
    if (watched == ui->lblFileDir && event->type() == QEvent::MouseButtonDblClick) {
        lblFileDir_DblClick();
        return true;
    }
    if ((watched == picSplit[0] || watched == picSplit[1])
        && (event->type() == QEvent::DragEnter || event->type() == QEvent::Drop))
        return dropFiles(watched == picSplit[0] ? 0 : 1, event);
    return QMainWindow::eventFilter(watched, event);
}

// The window's own keys, before the control with the focus sees them.
bool frmMain::windowKey(QWidget* widget, QKeyEvent* key)
{
    const Qt::KeyboardModifiers modifiers = key->modifiers() & ~Qt::KeypadModifier;
    const bool tab = key->key() == Qt::Key_Tab || key->key() == Qt::Key_Backtab;
    if (tab && (modifiers & Qt::ControlModifier)) {
        // Only these two switch, never while a job runs; the tab widget's
        // own handling of them never runs.
        if (modifiers == Qt::ControlModifier && key->key() == Qt::Key_Tab)
            Form_KeyDown(1);
        else if (modifiers == (Qt::ControlModifier | Qt::ShiftModifier))
            Form_KeyDown(-1);
        return true;
    }
    // Enter and the keypad's Enter.
    if ((key->key() == Qt::Key_Return || key->key() == Qt::Key_Enter)
        && modifiers == Qt::NoModifier)
        return enterPressed(widget);
    return false;
}

// Enter on a button presses it; anywhere else in the panel it presses the
// panel's default button (a main window has no dialog to do that), except
// that a new folder typed into "Find parts in:" is read first.
bool frmMain::enterPressed(QWidget* widget)
{
    if (!picSplit[CurFrame]->isAncestorOf(widget))
        return false;
    if (auto* button = qobject_cast<QAbstractButton*>(widget)) {
        if (button->isEnabled())
            button->click();
        return true;
    }
    if (widget == txtDir[2] && appendFolderTyped())
        return true;
    QPushButton* action[] = {ui->cmdCombine, ui->cmdSplit, ui->cmdAppend};
    if (action[CurFrame]->isEnabled())
        action[CurFrame]->click();
    return true;
}

void frmMain::Form_KeyDown(int step)
{
    if (!ui->tbsSplit->tabBar()->isEnabled() || jobRunning())
        return;
    const int count = ui->tbsSplit->count();
    ui->tbsSplit->setCurrentIndex((ui->tbsSplit->currentIndex() + step + count) % count);
    focusFirstField();
}

void frmMain::focusFirstField()
{
    txtFile[CurFrame]->setFocus(Qt::TabFocusReason);
}

void frmMain::SetForm(int Pic, bool OnOff)
{
    if (Pic < 0 || Pic > 2)
        return;
    cmdClose[Pic]->setEnabled(OnOff);
    cmdAbout[Pic]->setEnabled(OnOff);
    cmdOpt[Pic]->setEnabled(OnOff);
    cmdBrowse[2 * Pic]->setEnabled(OnOff);
    const bool folderOwn = Pic == 0 ? !settings_.SameDir
        : Pic == 1                  ? !settings_.SplitSameDir
                                    : true;
    cmdBrowse[2 * Pic + 1]->setEnabled(OnOff && folderOwn);
    ui->tbsSplit->tabBar()->setEnabled(OnOff);
    if (Pic == 0)
        ui->cmdCombine->setEnabled(OnOff);
    else if (Pic == 1) {
        ui->cmdSplit->setEnabled(OnOff);
        // The extract range is only for a single file.
        const bool range = OnOff && sel_.SplitFiles.size() == 1;
        for (QWidget* w : std::initializer_list<QWidget*>{ui->fmeExt, ui->txtStart, ui->txtEnd,
                                                          lblLabel[6], ui->vsbStart, ui->vsbEnd})
            w->setEnabled(range);
    } else {
        ui->cmdAppend->setEnabled(OnOff && appendReady());
        // The run works from a copy of lstTo; a disabled list also takes no
        // re-read, move or drop, so what the user sees is what is appended.
        lists_->setEnabled(OnOff);
    }
}

void frmMain::tmrStb_Timer()
{
    const QLocale locale;
    sbrDate->setText(locale.toString(QDate::currentDate(), QLocale::ShortFormat));
    sbrDate->setToolTip(locale.dayName(QDate::currentDate().dayOfWeek(), QLocale::LongFormat));
    sbrTime->setText(locale.toString(QTime::currentTime(), QLocale::ShortFormat));
    // A field of blanks is empty: it names nothing to work on.
    auto filled = [](const QLineEdit* field) { return !field->text().trimmed().isEmpty(); };
    if (!CombineBusy)
        ui->cmdCombine->setEnabled(filled(txtFile[0]) && filled(txtDir[0]));
    if (!SplitBusy)
        ui->cmdSplit->setEnabled(filled(txtFile[1]) && filled(txtDir[1]));
    if (!AppendBusy)
        ui->cmdAppend->setEnabled(appendReady());
}

bool frmMain::appendReady() const
{
    return !txtFile[2]->text().trimmed().isEmpty() && !txtDir[2]->text().trimmed().isEmpty()
        && lists_->entryCount() > 0;
}

void frmMain::cmdClose_Click(int)
{
    close();
}

void frmMain::cmdAbout_Click(int)
{
    showAbout(this);
}

void frmMain::endProgram(int code)
{
    exitCode_ = code;
    closeAfterJob_ = true;
    close();
}

void frmMain::setStatusText(const QString& text)
{
    sbrText->setText(text);
}

void frmMain::showSaveIn(const QString& dir)
{
    ui->lblFileDir->setText(saveInText(dir));
}

}  // namespace tsl
