#include "mainwindow/gui_single_instance.h"
#include "core/texts.h"

#include "core/file_utils.h"
#include "mainwindow/command_line.h"
#include "mainwindow/gui_hand_over_link.h"
#include "mainwindow/gui_qt_host.h"
#include "mainwindow/single_instance.h"
#include "widgets/gui_message_box.h"

namespace tsl {

namespace {

// How long the running TSL may take to answer (it may still be starting).
constexpr int HandOverTimeout = 3000;

}  // namespace

bool claimSingleInstance(SingleInstance& instance, const QStringList& arguments)
{
    if (instance.tryAcquire())
        return true;
    const CommandLineStart start = readCommandLine(arguments, FileExists);
    if (start.mode != StartMode::None
        && handOver(handOverSocketPath(instance.path()), start, HandOverTimeout)
            == HandOverReply::Taken)
        return false;
    showMessage(nullptr, WindowText::tr("TSL is already running..."), Buttons::Ok,
                Icon::Information, Answer::Ok);
    return false;
}

}  // namespace tsl
