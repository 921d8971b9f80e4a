#include "lists/gui_append_list_box.h"

#include <QDragEnterEvent>

namespace tsl {

AppendListBox::AppendListBox(QWidget* parent) : QListWidget(parent)
{
    setSelectionMode(QAbstractItemView::ExtendedSelection);
    // Drags are enabled so that pressing on one of several selected entries
    // keeps them all selected; the drag itself is AppendLists'.
    setDragEnabled(true);
    setAcceptDrops(true);
    viewport()->setAcceptDrops(true);
    setDropIndicatorShown(false);
}

void AppendListBox::startDrag(Qt::DropActions)
{
    emit dragStarting();
}

void AppendListBox::dragEnterEvent(QDragEnterEvent* event)
{
    emit dragOver(event);
}

void AppendListBox::dragMoveEvent(QDragMoveEvent* event)
{
    emit dragOver(event);
}

void AppendListBox::dragLeaveEvent(QDragLeaveEvent* event)
{
    event->accept();
}

void AppendListBox::dropEvent(QDropEvent* event)
{
    emit dropped(event);
}

void AppendListBox::mouseReleaseEvent(QMouseEvent* event)
{
    QListWidget::mouseReleaseEvent(event);
    emit mouseReleased();
}

}  // namespace tsl
