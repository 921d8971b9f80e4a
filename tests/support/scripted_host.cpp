#include "support/scripted_host.h"

#include "combine/parts_report.h"

#include <gtest/gtest.h>

namespace tsl::test {

Answer ScriptedHost::ask(Ask kind, const QString& text, Buttons buttons, Icon icon,
                         Answer defaultAnswer)
{
    messages << text;
    Answer given = Answer::Ok;
    if (buttons == Buttons::Ok) {
        conversation << QStringLiteral("message: ") + text;
    } else {
        if (answers.empty()) {
            ADD_FAILURE() << "unexpected question: " << text.toStdString();
            given = defaultAnswer;
        } else {
            given = answers.front();
            answers.pop_front();
        }
        conversation << QStringLiteral("ask: ") + text + QStringLiteral(" => ") + answerWord(given);
    }
    asked.push_back({kind, text, buttons, icon, defaultAnswer, given});
    return given;
}

std::optional<QString> ScriptedHost::input(Prompt, const QString& prompt,
                                           const QString& defaultText)
{
    prompts << prompt;
    std::optional<QString> given;
    if (inputs.empty()) {
        ADD_FAILURE() << "unexpected input box: " << prompt.toStdString();
        given = defaultText;
    } else {
        given = inputs.front();
        inputs.pop_front();
    }
    conversation << QStringLiteral("input: ") + prompt + QStringLiteral(" => ")
            + (given ? *given : QStringLiteral("<cancel>"));
    return given;
}

ReportAnswer ScriptedHost::report(const PartsReport& r)
{
    reports.push_back(r);
    ReportAnswer given = ReportAnswer::Cancel;
    if (reportAnswers.empty()) {
        ADD_FAILURE() << "unexpected report: " << r.message.toStdString();
    } else {
        given = reportAnswers.front();
        reportAnswers.pop_front();
    }
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
