// Dragging between the Append lists, and files dropped on the append list
// from a file manager.
#include "lists/append_source_files.h"
#include "lists/gui_append_list_box.h"
#include "lists/gui_append_lists.h"

#include <QDrag>
#include <QDragMoveEvent>
#include <QDropEvent>
#include <QMimeData>

namespace tsl {

namespace {

const QString DragFormat = QStringLiteral("application/x-tsl-append-lists");

// The token that tells this widget's drags from anybody else's.
QByteArray instanceToken(const void* widget)
{
    return QByteArray::number(quintptr(widget), 16);
}

}  // namespace

QMimeData* AppendLists::createDragData(const AppendListBox* source) const
{
    auto* data = new QMimeData;
    // The selection itself stays in the source list: the drop moves it.
    data->setData(DragFormat, instanceToken(this) + '\n' + source->objectName().toUtf8());
    return data;
}

AppendListBox* AppendLists::dragSource(const QMimeData* data) const
{
    if (!data || !data->hasFormat(DragFormat))
        return nullptr;
    const QList<QByteArray> parts = data->data(DragFormat).split('\n');
    if (parts.size() != 2 || parts[0] != instanceToken(this))
        return nullptr;
    if (parts[1] == lstFrom->objectName().toUtf8())
        return lstFrom;
    if (parts[1] == lstTo->objectName().toUtf8())
        return lstTo;
    return nullptr;
}

void AppendLists::lstFrom_MouseMove()
{
    startDragging(lstFrom);
}

void AppendLists::lstTo_MouseMove()
{
    startDragging(lstTo);
}

void AppendLists::startDragging(AppendListBox* own)
{
    const qsizetype selected = own->selectedItems().size();
    if (dragging || selected == 0)
        return;
    dragging = true;
    const QPixmap picture =
        imlApp.value(selected == 1 ? QStringLiteral("Sing") : QStringLiteral("Mult"));
    imlApp.insert(QStringLiteral("Drag"), picture);
    // The one-or-several picture rides with the pointer; the pointer itself
    // tells whether a drop here moves the files.
    auto* drag = new QDrag(own);
    drag->setMimeData(createDragData(own));
    drag->setPixmap(picture);
    drag->setHotSpot(QPoint(-8, -8));
    drag->setDragCursor(imlApp.value(QStringLiteral("Drop")), Qt::MoveAction);
    drag->setDragCursor(imlApp.value(QStringLiteral("NoDrop")), Qt::IgnoreAction);
    drag->exec(Qt::MoveAction);
    dragging = false;
}

void AppendLists::lstFrom_DragOver(QDragMoveEvent* event)
{
    dragOver(lstFrom, event);
}

void AppendLists::lstTo_DragOver(QDragMoveEvent* event)
{
    dragOver(lstTo, event);
}

void AppendLists::dragOver(AppendListBox* own, QDragMoveEvent* event)
{
    if (!isEnabled()) {
        event->ignore();
        return;
    }
    if (AppendListBox* source = dragSource(event->mimeData())) {
        if (source != own && source->selectionModel()->hasSelection()) {
            event->setDropAction(Qt::MoveAction);
            event->accept();
        } else {
            event->ignore();
        }
        return;
    }
    // Files from a file manager are only ever copied into the list: a move
    // would let the file manager delete them once dropped.
    if (own == lstTo && event->mimeData()->hasUrls()
        && (event->possibleActions() & Qt::CopyAction)) {
        event->setDropAction(Qt::CopyAction);
        event->accept();
        return;
    }
    event->ignore();
}

void AppendLists::lstFrom_DragDrop(QDropEvent* event)
{
    dragDrop(lstFrom, event);
}

void AppendLists::lstTo_DragDrop(QDropEvent* event)
{
    dragDrop(lstTo, event);
}

void AppendLists::dragDrop(AppendListBox* own, QDropEvent* event)
{
    if (!isEnabled()) {
        dragging = false;
        event->ignore();
        return;
    }
    if (AppendListBox* source = dragSource(event->mimeData())) {
        dragging = false;
        // A drop on the list the drag came from moves nothing.
        if (source == own || !source->selectionModel()->hasSelection()) {
            event->ignore();
            return;
        }
        event->setDropAction(Qt::MoveAction);
        event->accept();
        if (own == lstTo)
            cmdAdd_Click(1);
        else
            cmdRem_Click(1);
        return;
    }
    if (own == lstTo && event->mimeData()->hasUrls()
        && (event->possibleActions() & Qt::CopyAction)) {
        event->setDropAction(Qt::CopyAction);
        event->accept();
        addDroppedFiles(event);
        return;
    }
    event->ignore();
}

void AppendLists::addDroppedFiles(QDropEvent* event)
{
    const DroppedFiles files = droppedAppendFiles(event->mimeData()->urls());
    if (!files.accepted.isEmpty()) {
        emit listsChanged();
        for (const QString& path : files.accepted)
            addToTo(path);
        tmrAppend_Timer();
    }
    if (!files.refused.isEmpty())
        emit dropRefused(files.refused);
}

void AppendLists::lstFrom_MouseUp()
{
    mouseUp();
}

void AppendLists::lstTo_MouseUp()
{
    mouseUp();
}

void AppendLists::mouseUp()
{
    dragging = false;
}

}  // namespace tsl
