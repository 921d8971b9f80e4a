#include "core/host.h"
#include "core/texts.h"

#include "core/run_error.h"

namespace tsl {

QString answerWord(Answer answer)
{
    switch (answer) {
    case Answer::Ok: return FileText::tr("OK");
    case Answer::Cancel: return FileText::tr("Cancel");
    case Answer::Yes: return FileText::tr("Yes");
    case Answer::No: return FileText::tr("No");
    case Answer::Abort: return FileText::tr("Abort");
    case Answer::Retry: return FileText::tr("Retry");
    case Answer::Ignore: return FileText::tr("Ignore");
    }
    return {};
}

Answer Host::askRuntimeError(const RunError& error, const QString& procedure)
{
    return ask(Ask::RuntimeError, runtimeErrorText(error, procedure), Buttons::YesNo,
               Icon::Critical, Answer::No);
}

}  // namespace tsl
