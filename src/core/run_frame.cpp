#include "core/run_frame.h"

#include "core/file_handle.h"

namespace tsl {

RunFrame::RunFrame(Host& host, Panel panel, QString procedure, JobEnd& end)
    : host_(host), panel_(panel), procedure_(std::move(procedure)), end_(end)
{
    host_.setBusy(panel_, true);
}

RunFrame::~RunFrame()
{
    host_.setBusy(panel_, false);
}

Flow RunFrame::error(const RunError& error, Flow onYes)
{
    if (askToContinue(host_, error, procedure_)) {
        end_.errorFlag = true;
        return onYes;
    }
    end_.terminated = true;
    return Flow::Terminate;
}

bool RunFrame::cancelRequested()
{
    if (host_.cancelRequested())
        end_.cancelled = true;
    return end_.cancelled;
}

}  // namespace tsl
