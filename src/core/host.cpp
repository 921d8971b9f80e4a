#include "core/host.h"

#include "core/run_error.h"

namespace tsl {

QString answerWord(Answer answer)
{
    switch (answer) {
    case Answer::Ok: return QStringLiteral("OK");
    case Answer::Cancel: return QStringLiteral("Cancel");
    case Answer::Yes: return QStringLiteral("Yes");
    case Answer::No: return QStringLiteral("No");
    case Answer::Abort: return QStringLiteral("Abort");
    case Answer::Retry: return QStringLiteral("Retry");
    case Answer::Ignore: return QStringLiteral("Ignore");
    }
    return {};
}

Answer Host::askRuntimeError(const RunError& error, const QString& procedure)
{
    return ask(Ask::RuntimeError, runtimeErrorText(error, procedure), Buttons::YesNo,
               Icon::Critical, Answer::No);
}

}  // namespace tsl
