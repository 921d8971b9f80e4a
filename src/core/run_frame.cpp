#include "core/run_frame.h"

#include "core/file_handle.h"

#include <QFileInfo>

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

void RunFrame::removeCreated(const QString& path)
{
    const QFileInfo info(path);
    if (!info.exists() && !info.isSymLink())
        return;
    // Taking back is best effort: what stays is named, so the user can see it.
    if (removeFile(path).failed())
        end_.undone << QStringLiteral("could not remove ") + path;
    else
        end_.undone << QStringLiteral("removed ") + path;
}

}  // namespace tsl
