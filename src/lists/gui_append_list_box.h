// One of the Append page's two file lists. It only reports what the mouse
// and a drag do to it; AppendLists decides what that means for the entries.
#pragma once

#include <QDragMoveEvent>
#include <QDropEvent>
#include <QListWidget>

namespace tsl {

class AppendListBox : public QListWidget {
    Q_OBJECT

public:
    explicit AppendListBox(QWidget* parent = nullptr);

signals:
    // The left button moved far enough over a selected entry to start a drag.
    void dragStarting();
    // A drag entered or moved over the list; accept or ignore the event.
    void dragOver(QDragMoveEvent* event);
    // Something was dropped on the list.
    void dropped(QDropEvent* event);
    // A mouse button was released over the list.
    void mouseReleased();

protected:
    void startDrag(Qt::DropActions supportedActions) override;
    void dragEnterEvent(QDragEnterEvent* event) override;
    void dragMoveEvent(QDragMoveEvent* event) override;
    void dragLeaveEvent(QDragLeaveEvent* event) override;
    void dropEvent(QDropEvent* event) override;
    void mouseReleaseEvent(QMouseEvent* event) override;
};

}  // namespace tsl
