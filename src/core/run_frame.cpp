#include "core/run_frame.h"

#include "core/file_handle.h"

namespace tsl {

RunFrame::RunFrame(Host& host, QString procedure, JobEnd& end)
    : host_(host), procedure_(std::move(procedure)), end_(end)
{
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
