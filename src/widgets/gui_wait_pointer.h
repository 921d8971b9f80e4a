// The pointer over the window: the hourglass of a short piece of work on the
// window's thread, and the normal pointer while a dialog waits for the user.
#pragma once

#include <QApplication>
#include <QEventLoop>

namespace tsl {

// Shows the wait pointer while it lives. The pending events named by `pending`
// run once, so that the pointer shows before the work starts.
class WaitPointer {
public:
    explicit WaitPointer(
        QEventLoop::ProcessEventsFlags pending = QEventLoop::ExcludeUserInputEvents)
    {
        QApplication::setOverrideCursor(Qt::WaitCursor);
        QCoreApplication::processEvents(pending);
    }
    ~WaitPointer() { QApplication::restoreOverrideCursor(); }
    WaitPointer(const WaitPointer&) = delete;
    WaitPointer& operator=(const WaitPointer&) = delete;
};

// The normal pointer while a dialog waits for the user, the busy one back after.
class NormalPointer {
public:
    NormalPointer() { QApplication::setOverrideCursor(Qt::ArrowCursor); }
    ~NormalPointer() { QApplication::restoreOverrideCursor(); }
    NormalPointer(const NormalPointer&) = delete;
    NormalPointer& operator=(const NormalPointer&) = delete;
};

}  // namespace tsl
