#include "mainwindow/gui_single_instance.h"

#include "mainwindow/gui_qt_host.h"
#include "mainwindow/single_instance.h"

namespace tsl {

bool claimSingleInstance(SingleInstance& instance)
{
    if (instance.tryAcquire())
        return true;
    showMessage(nullptr, QStringLiteral("TSL is already running..."), Buttons::Ok,
                Icon::Information, Answer::Ok);
    return false;
}

}  // namespace tsl
