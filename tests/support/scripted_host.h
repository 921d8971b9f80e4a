// A host that answers an engine's questions from queues and records the whole
// conversation, so a test reads as what the user saw and said.
#pragma once

#include "core/host.h"

#include <QStringList>
#include <deque>
#include <functional>
#include <ostream>
#include <vector>

// Lets test failures show texts as text.
inline void PrintTo(const QString& text, std::ostream* os)
{
    *os << '"' << text.toStdString() << '"';
}

namespace tsl::test {

// The run-time error question as the user reads it, spelled out here so the
// tests do not take it from the code under test: the path it is about on a
// line after the description.
inline QString runtimeQuestion(int number, const QString& description, const QString& procedure,
                               const QString& path)
{
    return "Runtime Error: " + QString::number(number) + "\r\nProcedure: " + procedure
        + ".Shit\r\n\r\n" + description + (path.isEmpty() ? QString() : "\r\n" + path)
        + "\r\n\r\nDo you want the program to try to continue?\r\n(Click NO to close the program.)";
}

class ScriptedHost : public Host {
public:
    struct Asked {
        Ask kind;
        QString text;
        Buttons buttons;
        Icon icon;
        Answer defaultAnswer;
        Answer given;
    };
    struct Progress {
        Panel panel;
        Line line;
        QString caption;
        double value;
        double maximum;
    };

    // Answers for questions (anything but plain OK messages), taken in order.
    // A question with the queue empty fails the test and takes its default.
    std::deque<Answer> answers;
    std::deque<std::optional<QString>> inputs;
    std::deque<ReportAnswer> reportAnswers;

    // What the engine did, in order.
    QStringList conversation;  // "status: ...", "message: ...", "ask: ... => Yes", ...
    QStringList statuses;
    QStringList messages;  // every message box text, questions included
    std::vector<Asked> asked;
    std::vector<Progress> progressCalls;
    std::vector<PartsReport> reports;
    QStringList prompts;
    int totalUpdates = 0;  // progress calls of the whole-job line: one per step of the job

    void status(const QString& text) override
    {
        statuses << text;
        conversation << "status: " + text;
    }
    void progress(Panel panel, Line line, const QString& caption, double value,
                  double maximum) override
    {
        progressCalls.push_back({panel, line, caption, value, maximum});
        if (line == Line::Total)
            ++totalUpdates;
    }
    Answer ask(Ask kind, const QString& text, Buttons buttons, Icon icon,
               Answer defaultAnswer) override;
    std::optional<QString> input(Prompt kind, const QString& prompt,
                                 const QString& defaultText) override;
    ReportAnswer report(const PartsReport& report) override;

    // The captions of one progress line, in order, empty captions left out.
    QStringList captions(Line line) const;
};

// A scripted host that acts once, when a progress caption or a status text
// equals `trigger`: it requests the cancel when `cancels` is set, as a Cancel
// button or Ctrl-C would between two steps of the job, and runs `onTrigger`
// (to change the files meanwhile or to look at the disk). `onAsk` runs after
// each question is answered, as the user would act before clicking.
struct TriggeredHost : ScriptedHost {
    QString trigger;
    std::function<void()> onTrigger;
    std::function<void()> onAsk;
    bool cancels = true;

    void status(const QString& text) override
    {
        ScriptedHost::status(text);
        check(text);
    }
    void progress(Panel panel, Line line, const QString& caption, double value,
                  double maximum) override
    {
        ScriptedHost::progress(panel, line, caption, value, maximum);
        check(caption);
    }
    Answer ask(Ask kind, const QString& text, Buttons buttons, Icon icon,
               Answer defaultAnswer) override
    {
        const Answer given = ScriptedHost::ask(kind, text, buttons, icon, defaultAnswer);
        if (onAsk)
            onAsk();
        return given;
    }

private:
    bool fired_ = false;
    void check(const QString& text)
    {
        if (fired_ || trigger.isEmpty() || text != trigger)
            return;
        fired_ = true;
        if (cancels)
            cancelFlag().store(true);
        if (onTrigger)
            onTrigger();
    }
};

}  // namespace tsl::test
