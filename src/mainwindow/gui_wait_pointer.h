// The hourglass of a short piece of work on the window's thread.
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

}  // namespace tsl
