// The Append page's file lists: lstFrom, the ordinary files of the source
// folder (sorted without regard to letter case), and lstTo, the files to
// append in the order they will be appended. Entries move between the two by
// the move buttons, by double-click and by dragging; lstTo is reordered by
// the order buttons and also takes files dropped from a file manager, from
// any folder. Both lists share one font size, changed in steps of 2 points.
//
// The widget does no file work beyond listing the source folder and writes
// no setting: it tells its window through signals when the progress display
// is to be reset and when the font size changed.
#pragma once

#include <QHash>
#include <QPixmap>
#include <QString>
#include <QStringList>
#include <QWidget>
#include <array>
#include <memory>

class QDragMoveEvent;
class QDropEvent;
class QLabel;
class QMimeData;
class QPushButton;
class QTimer;

namespace Ui {
class AppendLists;
}

namespace tsl {

class AppendListBox;

class AppendLists : public QWidget {
    Q_OBJECT

public:
    explicit AppendLists(QWidget* parent = nullptr);
    ~AppendLists() override;

    // Empties both lists and fills lstFrom with the ordinary files of dir
    // (switching to the page, choosing a new source folder).
    void loadSource(const QString& dir);
    // Reads lstFrom again from sourceDir(), lstTo kept; nothing when no
    // folder was loaded. lblFrom's double-click does this.
    void rereadSource();
    // Empties both lists.
    void clear();
    // The folder lstFrom was filled from, ending in "/" (empty before the first load).
    QString sourceDir() const { return sourceDir_; }

    // lstTo's entries in order, as the Append command takes them: names of
    // files in sourceDir(), or absolute paths of files dropped from elsewhere.
    QStringList entries() const;
    // How many entries lstTo holds (the Append button needs one at least).
    int entryCount() const;
    // lstFrom's entries (names in sourceDir()) in the list's order.
    QStringList sourceEntries() const;

    // The widget's controls in reading order (left to right, top to bottom),
    // for the window's Tab order.
    QList<QWidget*> tabOrder() const;

    // The lists' font size in points; setting it changes both lists.
    double fontSize() const;
    void setFontSize(double points);

    // A picture of the image list by key ("Sing", "Mult", "Drop", "NoDrop",
    // and "Drag" while a drag is under way); a null pixmap when there is none.
    QPixmap dragPicture(const QString& key) const { return imlApp.value(key); }
    // The data a drag from one of the lists carries.
    QMimeData* createDragData(const AppendListBox* source) const;

    // Handlers of the buttons, also run by double-click and drop.
    void cmdAdd_Click(int Index);
    void cmdRem_Click(int Index);
    void cmdUp_Click(int Index);
    void cmdDown_Click(int Index);

    static constexpr int AppendTimerInterval = 250;  // milliseconds
    static constexpr double FontStep = 2;
    // The font can grow while below the first size and shrink while above the second.
    static constexpr double FontGrowBelow = 13.5;
    static constexpr double FontShrinkAbove = 8.25;

signals:
    // A list is about to change: the Append progress display is to be reset.
    void listsChanged();
    // The font-size buttons changed the lists' font; points is the new size.
    void fontSizeChanged(double points);
    // Dropped items lstTo cannot take (folders, hidden or special files,
    // remote URLs), as the user would read them.
    void dropRefused(const QStringList& names);

protected:
    void showEvent(QShowEvent* event) override;
    void hideEvent(QHideEvent* event) override;
    bool eventFilter(QObject* watched, QEvent* event) override;

private:
    void connectControls();
    void tmrAppend_Timer();
    void lblFrom_DblClick();
    void lstFrom_DblClick();
    void lstTo_DblClick();
    void lstFrom_MouseMove();
    void lstTo_MouseMove();
    void lstFrom_DragOver(QDragMoveEvent* event);
    void lstTo_DragOver(QDragMoveEvent* event);
    void lstFrom_DragDrop(QDropEvent* event);
    void lstTo_DragDrop(QDropEvent* event);
    void lstFrom_MouseUp();
    void lstTo_MouseUp();

    // The twins' shared work, with the list that is the handler's own.
    void startDragging(AppendListBox* own);
    void dragOver(AppendListBox* own, QDragMoveEvent* event);
    void dragDrop(AppendListBox* own, QDropEvent* event);
    void mouseUp();
    // The list a drag of this widget came from, or null for any other data.
    AppendListBox* dragSource(const QMimeData* data) const;
    void addDroppedFiles(QDropEvent* event);

    void fillFrom();
    void addToFrom(const QString& name);
    void addToTo(const QString& entry);
    void changeFontSize(double step);
    void moveSelected(int step);

    std::unique_ptr<Ui::AppendLists> ui;
    AppendListBox* lstFrom = nullptr;
    AppendListBox* lstTo = nullptr;
    QLabel* lblFrom = nullptr;
    QLabel* lblTo = nullptr;
    std::array<QPushButton*, 2> cmdAdd{};
    std::array<QPushButton*, 2> cmdRem{};
    std::array<QPushButton*, 2> cmdUp{};
    std::array<QPushButton*, 2> cmdDown{};
    QTimer* tmrAppend = nullptr;

    QHash<QString, QPixmap> imlApp;
    bool dragging = false;
    QString sourceDir_;
};

}  // namespace tsl
