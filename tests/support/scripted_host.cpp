#include "support/scripted_host.h"

#include "combine/parts_report.h"

#include <gtest/gtest.h>

namespace tsl::test {
namespace {

// The next scripted reply; with none left the test fails and gets `fallback`.
template <typename T>
T next(std::deque<T>& queue, T fallback, const char* what, const QString& text)
{
    if (queue.empty()) {
        ADD_FAILURE() << "unexpected " << what << ": " << text.toStdString();
    } else {
        fallback = std::move(queue.front());
        queue.pop_front();
    }
    return fallback;
}

}  // namespace

Answer ScriptedHost::ask(Ask kind, const QString& text, Buttons buttons, Icon icon,
                         Answer defaultAnswer)
{
    messages << text;
    Answer given = Answer::Ok;
    if (buttons == Buttons::Ok) {
        conversation << QStringLiteral("message: ") + text;
    } else {
        given = next(answers, defaultAnswer, "question", text);
        conversation << QStringLiteral("ask: ") + text + QStringLiteral(" => ") + answerWord(given);
    }
    asked.push_back({kind, text, buttons, icon, defaultAnswer, given});
    return given;
}

std::optional<QString> ScriptedHost::input(Prompt, const QString& prompt,
                                           const QString& defaultText)
{
    prompts << prompt;
    const std::optional<QString> given =
        next(inputs, std::optional<QString>(defaultText), "input box", prompt);
    conversation << QStringLiteral("input: ") + prompt + QStringLiteral(" => ")
            + (given ? *given : QStringLiteral("<cancel>"));
    return given;
}

ReportAnswer ScriptedHost::report(const PartsReport& r)
{
    reports.push_back(r);
    const ReportAnswer given = next(reportAnswers, ReportAnswer::Cancel, "report", r.message);
    conversation << QStringLiteral("report: ") + r.message + QStringLiteral(" => ")
            + reportAnswerWord(given);
    return given;
}

QStringList ScriptedHost::captions(Line line) const
{
    QStringList out;
    for (const Progress& p : progressCalls) {
        if (p.line == line && !p.caption.isEmpty())
            out << p.caption;
    }
    return out;
}

}  // namespace tsl::test
