#include "lists/gui_append_lists.h"
#include "core/texts.h"

#include "core/file_utils.h"
#include "lists/append_source_files.h"
#include "lists/gui_append_list_box.h"
#include "lists/gui_append_pictures.h"
#include "ui_gui_append_lists.h"
#include "widgets/gui_palette_follower.h"
#include "widgets/gui_wait_pointer.h"

#include <QApplication>
#include <QDir>
#include <QTimer>
#include <algorithm>

namespace tsl {

namespace {

constexpr int EntryRole = Qt::UserRole;
constexpr double DefaultFontSize = 10;

// "1 file", "3 files": English takes its word by the count, a translation its
// plural form by %n.
QString countText(int count)
{
    return count == 1 ? WindowText::tr("%n file", nullptr, count)
                      : WindowText::tr("%n files", nullptr, count);
}

QString entryOf(const QListWidgetItem* item)
{
    return item->data(EntryRole).toString();
}

QStringList entriesOf(const QListWidget* list, bool selectedOnly)
{
    QStringList entries;
    for (int i = 0; i < list->count(); ++i) {
        if (!selectedOnly || list->item(i)->isSelected())
            entries << entryOf(list->item(i));
    }
    return entries;
}

void removeSelected(QListWidget* list)
{
    for (int i = list->count() - 1; i >= 0; --i) {
        if (list->item(i)->isSelected())
            delete list->takeItem(i);
    }
}

}  // namespace

AppendLists::AppendLists(QWidget* parent) : QWidget(parent), ui(std::make_unique<Ui::AppendLists>())
{
    ui->setupUi(this);
    lstFrom = ui->lstFrom;
    lstTo = ui->lstTo;
    lblFrom = ui->lblFrom;
    lblTo = ui->lblTo;
    cmdAdd = {ui->cmdAdd_0, ui->cmdAdd_1};
    cmdRem = {ui->cmdRem_0, ui->cmdRem_1};
    cmdUp = {ui->cmdUp_0, ui->cmdUp_1};
    cmdDown = {ui->cmdDown_0, ui->cmdDown_1};

    // Drawn in the buttons' text colour, again whenever the palette changes.
    followPalette(this, [this] {
        cmdUp[0]->setIcon(drawOrderIcon(true, palette()));
        cmdDown[0]->setIcon(drawOrderIcon(false, palette()));
        cmdUp[1]->setIcon(drawFontSizeIcon(true, palette()));
        cmdDown[1]->setIcon(drawFontSizeIcon(false, palette()));
    });
    imlApp = drawDragPictures();

    tmrAppend = new QTimer(this);
    tmrAppend->setObjectName(QStringLiteral("tmrAppend"));
    tmrAppend->setInterval(AppendTimerInterval);

    setFontSize(DefaultFontSize);
    connectControls();
    tmrAppend_Timer();
}

AppendLists::~AppendLists() = default;

QList<QWidget*> AppendLists::tabOrder() const
{
    return {cmdUp[1],  cmdDown[1], lstFrom, cmdAdd[0], cmdAdd[1],
            cmdRem[1], cmdRem[0],  lstTo,   cmdUp[0],  cmdDown[0]};
}

void AppendLists::connectControls()
{
    for (int i = 0; i < 2; ++i) {
        connect(cmdAdd[i], &QPushButton::clicked, this, [this, i] { cmdAdd_Click(i); });
        connect(cmdRem[i], &QPushButton::clicked, this, [this, i] { cmdRem_Click(i); });
        connect(cmdUp[i], &QPushButton::clicked, this, [this, i] { cmdUp_Click(i); });
        connect(cmdDown[i], &QPushButton::clicked, this, [this, i] { cmdDown_Click(i); });
    }
    connect(tmrAppend, &QTimer::timeout, this, &AppendLists::tmrAppend_Timer);
    connect(lstFrom, &QListWidget::itemDoubleClicked, this, &AppendLists::lstFrom_DblClick);
    connect(lstTo, &QListWidget::itemDoubleClicked, this, &AppendLists::lstTo_DblClick);
    connect(lstFrom, &AppendListBox::dragStarting, this, &AppendLists::lstFrom_MouseMove);
    connect(lstTo, &AppendListBox::dragStarting, this, &AppendLists::lstTo_MouseMove);
    connect(lstFrom, &AppendListBox::dragOver, this, &AppendLists::lstFrom_DragOver);
    connect(lstTo, &AppendListBox::dragOver, this, &AppendLists::lstTo_DragOver);
    connect(lstFrom, &AppendListBox::dropped, this, &AppendLists::lstFrom_DragDrop);
    connect(lstTo, &AppendListBox::dropped, this, &AppendLists::lstTo_DragDrop);
    connect(lstFrom, &AppendListBox::mouseReleased, this, &AppendLists::lstFrom_MouseUp);
    connect(lstTo, &AppendListBox::mouseReleased, this, &AppendLists::lstTo_MouseUp);
    lblFrom->installEventFilter(this);
}

// --- Filling and reading the lists -------------------------------------------

void AppendLists::loadSource(const QString& dir)
{
    sourceDir_ = withTrailingSlash(dir);
    lstTo->clear();
    fillFrom();
}

void AppendLists::rereadSource()
{
    if (sourceDir_.isEmpty())
        return;
    fillFrom();
}

void AppendLists::clear()
{
    lstFrom->clear();
    lstTo->clear();
    tmrAppend_Timer();
}

void AppendLists::fillFrom()
{
    lstFrom->clear();
    // The listing comes sorted, so every name goes at the end.
    for (const QString& name : appendSourceFiles(sourceDir_)) {
        auto* item = new QListWidgetItem(name);
        item->setData(EntryRole, name);
        lstFrom->addItem(item);
    }
    tmrAppend_Timer();
}

QStringList AppendLists::entries() const
{
    return entriesOf(lstTo, false);
}

int AppendLists::entryCount() const
{
    return lstTo->count();
}

QStringList AppendLists::sourceEntries() const
{
    return entriesOf(lstFrom, false);
}

void AppendLists::addToFrom(const QString& name)
{
    int row = 0;
    while (row < lstFrom->count() && !listNameLess(name, lstFrom->item(row)->text()))
        ++row;
    auto* item = new QListWidgetItem(name);
    item->setData(EntryRole, name);
    lstFrom->insertItem(row, item);
}

void AppendLists::addToTo(const QString& entry)
{
    // A file from another folder shows where it is.
    auto* item = new QListWidgetItem(QDir::toNativeSeparators(entry));
    item->setData(EntryRole, entry);
    if (QDir::isAbsolutePath(entry))
        item->setToolTip(QDir::toNativeSeparators(entry));
    lstTo->addItem(item);
}

// --- Font size ----------------------------------------------------------------

double AppendLists::fontSize() const
{
    return lstFrom->font().pointSizeF();
}

void AppendLists::setFontSize(double points)
{
    if (points <= 0)
        return;
    QFont font = lstFrom->font();
    font.setPointSizeF(points);
    lstFrom->setFont(font);
    lstTo->setFont(font);
}

void AppendLists::changeFontSize(double step)
{
    setFontSize(fontSize() + step);
    tmrAppend_Timer();
    emit fontSizeChanged(fontSize());
}

// --- Buttons ------------------------------------------------------------------

void AppendLists::cmdAdd_Click(int Index)
{
    emit listsChanged();
    if (lstFrom->count() == 0)
        return;
    WaitPointer wait;
    for (const QString& entry : entriesOf(lstFrom, Index == 1))
        addToTo(entry);
    if (Index == 0)
        lstFrom->clear();
    else
        removeSelected(lstFrom);
    if (lstFrom->count() > 0)
        lstFrom->setCurrentRow(0, QItemSelectionModel::NoUpdate);
    tmrAppend_Timer();
}

void AppendLists::cmdRem_Click(int Index)
{
    emit listsChanged();
    if (lstTo->count() == 0)
        return;
    WaitPointer wait;
    QStringList moved = entriesOf(lstTo, Index == 1);
    std::reverse(moved.begin(), moved.end());
    for (const QString& entry : moved) {
        // A file dropped from another folder is no file of the source folder:
        // it leaves the append list and goes nowhere.
        if (!QDir::isAbsolutePath(entry))
            addToFrom(entry);
    }
    if (Index == 0)
        lstTo->clear();
    else
        removeSelected(lstTo);
    tmrAppend_Timer();
}

void AppendLists::cmdUp_Click(int Index)
{
    if (Index == 1) {
        changeFontSize(FontStep);
        return;
    }
    emit listsChanged();
    moveSelected(-1);
}

void AppendLists::cmdDown_Click(int Index)
{
    if (Index == 1) {
        changeFontSize(-FontStep);
        return;
    }
    emit listsChanged();
    moveSelected(1);
}

void AppendLists::moveSelected(int step)
{
    // The buttons follow the final order only.
    const bool ticking = tmrAppend->isActive();
    tmrAppend->stop();
    const auto moveRow = [this](int from, int to) {
        QListWidgetItem* item = lstTo->takeItem(from);
        lstTo->insertItem(to, item);
        item->setSelected(true);
    };
    // Each selected entry changes places with its neighbour, taken in the
    // direction of travel, so a selected block moves as a whole; the first
    // (up) or last (down) entry is never moved itself.
    const int count = lstTo->count();
    if (step < 0) {
        for (int i = 1; i < count; ++i) {
            if (lstTo->item(i)->isSelected())
                moveRow(i, i - 1);
        }
    } else {
        for (int i = count - 2; i >= 0; --i) {
            if (lstTo->item(i)->isSelected())
                moveRow(i, i + 1);
        }
    }
    if (ticking)
        tmrAppend->start();
    tmrAppend_Timer();
}

// --- Periodic update --------------------------------------------------------------

void AppendLists::showEvent(QShowEvent* event)
{
    QWidget::showEvent(event);
    tmrAppend_Timer();
    tmrAppend->start();
}

void AppendLists::hideEvent(QHideEvent* event)
{
    tmrAppend->stop();
    QWidget::hideEvent(event);
}

void AppendLists::tmrAppend_Timer()
{
    const bool fromSelected = lstFrom->selectionModel()->hasSelection();
    const bool toSelected = lstTo->selectionModel()->hasSelection();
    cmdAdd[0]->setEnabled(lstFrom->count() > 0);
    cmdAdd[1]->setEnabled(fromSelected);
    cmdRem[0]->setEnabled(lstTo->count() > 0);
    cmdRem[1]->setEnabled(toSelected);
    cmdUp[0]->setEnabled(toSelected);
    cmdDown[0]->setEnabled(toSelected);
    cmdUp[1]->setEnabled(fontSize() < FontGrowBelow);
    cmdDown[1]->setEnabled(fontSize() > FontShrinkAbove);
    lblFrom->setText(countText(lstFrom->count()));
    lblTo->setText(countText(lstTo->count()));
    if (!dragging)
        imlApp.remove(QStringLiteral("Drag"));
}

// --- Double-clicks ------------------------------------------------------------------

bool AppendLists::eventFilter(QObject* watched, QEvent* event)
{
    // A disabled panel (a job runs) keeps its lists as they are.
    if (watched == lblFrom && event->type() == QEvent::MouseButtonDblClick && isEnabled()) {
        lblFrom_DblClick();
        return true;
    }
    return QWidget::eventFilter(watched, event);
}

void AppendLists::lblFrom_DblClick()
{
    if (sourceDir_.isEmpty())
        return;
    emit listsChanged();
    rereadSource();
}

void AppendLists::lstFrom_DblClick()
{
    cmdAdd_Click(1);
}

void AppendLists::lstTo_DblClick()
{
    cmdRem_Click(1);
}

}  // namespace tsl
