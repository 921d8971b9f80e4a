// Jobs on a worker thread through the runner: questions answered by the host
// on this thread in order with what came before, coalesced progress,
// cancellation, and a runner destroyed while its job runs.
#include "core/job_runner.h"
#include "support/scripted_host.h"

#include <QSignalSpy>
#include <QTest>
#include <atomic>
#include <functional>
#include <gtest/gtest.h>
#include <semaphore>

using namespace tsl;
using namespace tsl::test;

namespace {

// A scripted host that also records the updates in the order they arrive;
// a run of statuses counts as its last one (the runner may drop the others).
struct RecordingHost : ScriptedHost {
    QStringList events;
    void status(const QString& text) override
    {
        ScriptedHost::status(text);
        if (!events.isEmpty() && events.last().startsWith("status "))
            events.removeLast();
        events << "status " + text;
    }
    void progress(Panel panel, Line line, const QString& caption, double value,
                  double maximum) override
    {
        ScriptedHost::progress(panel, line, caption, value, maximum);
        events << QString("progress %1 %2").arg(int(line)).arg(value);
    }
    Answer ask(Ask kind, const QString& text, Buttons buttons, Icon icon,
               Answer defaultAnswer) override
    {
        events << "ask " + text;
        return ScriptedHost::ask(kind, text, buttons, icon, defaultAnswer);
    }
};

// Runs job through a runner with `host` as the target; true when finished()
// came.
bool runThrough(Host& host, std::function<void(Host&)> job)
{
    JobRunner runner(host);
    QSignalSpy done(&runner, &JobRunner::finished);
    if (!runner.start(std::move(job)))
        return false;
    EXPECT_TRUE(runner.isRunning());
    return done.wait(20000) && !runner.isRunning();
}

// The last caption, value and maximum of every progress line.
QStringList finalLines(const ScriptedHost& host)
{
    QMap<QString, QString> caption, state;
    for (const auto& p : host.progressCalls) {
        const QString key = QString("%1/%2").arg(int(p.panel)).arg(int(p.line));
        if (!p.caption.isNull())
            caption[key] = p.caption;
        state[key] =
            QString::number(p.value, 'g', 15) + " of " + QString::number(p.maximum, 'g', 15);
    }
    QStringList out;
    for (auto it = state.begin(); it != state.end(); ++it)
        out << it.key() + ": " + caption.value(it.key()) + " | " + it.value();
    return out;
}

}  // namespace

TEST(JobRunner, QuestionsWaitForTheAnswerAfterEverythingBeforeThemIsShown)
{
    RecordingHost host;
    host.answers = {Answer::Retry};
    host.inputs = {std::optional<QString>("2048")};
    host.reportAnswers = {ReportAnswer::Exclude};
    Answer answer = Answer::Ok;
    std::optional<QString> typed;
    ReportAnswer reported = ReportAnswer::Cancel;
    ASSERT_TRUE(runThrough(host, [&](Host& h) {
        h.status("first");
        h.status("second");
        answer = h.ask(Ask::DamagedInfo, "damaged?", Buttons::AbortRetryIgnore, Icon::Critical,
                       Answer::Abort);
        typed = h.input(Prompt::PieceSize, "size?", "0");
        PartsReport extra;
        extra.mode = ReportMode::Extra;
        extra.message = "extra";
        reported = h.report(extra);
        h.status("done");
    }));
    EXPECT_EQ(answer, Answer::Retry);
    EXPECT_EQ(typed, std::optional<QString>("2048"));
    EXPECT_EQ(reported, ReportAnswer::Exclude);
    ASSERT_EQ(host.reports.size(), 1u);
    EXPECT_EQ(host.reports[0].mode, ReportMode::Extra);
    EXPECT_EQ(host.events, QStringList({"status second", "ask damaged?", "status done"}));
}

TEST(JobRunner, AMillionProgressCallsArriveAsAFewUpdatesEndingWithTheLast)
{
    RecordingHost host;
    constexpr int calls = 1000000;
    ASSERT_TRUE(runThrough(host, [&](Host& h) {
        h.progress(Panel::Combine, Line::Total, "Combining", 0, calls);
        for (int i = 1; i <= calls; ++i) {
            // A null caption keeps the one shown; the piece line changes it.
            h.progress(Panel::Combine, Line::Total, QString(), i, calls);
            h.progress(Panel::Combine, Line::Part, "piece " + QString::number(i / 1000), i % 1000,
                       1000);
        }
    }));
    EXPECT_LT(host.progressCalls.size(), 1000u);
    EXPECT_EQ(finalLines(host),
              QStringList({"0/0: piece 1000 | 0 of 1000", "0/1: Combining | 1000000 of 1000000"}));
    EXPECT_EQ(host.captions(Line::Total),
              QStringList(host.captions(Line::Total).size(), "Combining"));
}

TEST(JobRunner, CancelSetsTheFlagTheJobSeesAndOnlyThatOne)
{
    RecordingHost host;
    JobRunner runner(host);
    QSignalSpy done(&runner, &JobRunner::finished);
    std::atomic<bool> sawCancel{false};
    ASSERT_TRUE(runner.start([&](Host& h) {
        h.status("looping");
        while (!h.cancelRequested())
            QThread::yieldCurrentThread();
        sawCancel = true;
        h.status("stopped");
    }));
    EXPECT_FALSE(runner.start([](Host&) {}));  // one job at a time
    QTRY_COMPARE_WITH_TIMEOUT(host.statuses.value(0), QString("looping"), 20000);
    EXPECT_TRUE(runner.isRunning());
    runner.cancel();
    ASSERT_TRUE(done.wait(20000));
    EXPECT_TRUE(sawCancel);
    EXPECT_EQ(host.statuses.last(), "stopped");
    EXPECT_FALSE(host.cancelRequested());

    // The next job starts with its flag clear; its onFinished runs once, after
    // the job's last status reached the host, and may start the next job.
    std::atomic<bool> clear{false};
    int ended = 0;
    QString shownAtEnd;
    bool restarted = false;
    ASSERT_TRUE(runner.start(
        [&](Host& h) {
            clear = !h.cancelRequested();
            h.status("second");
        },
        [&] {
            ++ended;
            shownAtEnd = host.statuses.last();
            restarted = runner.start([](Host& h) { h.status("third"); });
        }));
    ASSERT_TRUE(done.wait(20000));
    EXPECT_TRUE(clear);
    EXPECT_EQ(ended, 1);
    EXPECT_EQ(shownAtEnd, "second");
    ASSERT_TRUE(restarted);
    ASSERT_TRUE(done.wait(20000));
    EXPECT_EQ(host.statuses.last(), "third");
    EXPECT_EQ(ended, 1);
}

TEST(JobRunner, DestroyingTheRunnerStopsItsJobEvenWhileAQuestionWaits)
{
    struct Case {
        const char* name;
        bool asks;
    } cases[] = {{"looping job", false}, {"job waiting on a question", true}};
    for (const Case& c : cases) {
        SCOPED_TRACE(c.name);
        RecordingHost host;
        std::binary_semaphore started{0};
        std::atomic<bool> stopped{false};
        std::optional<Answer> answer;
        {
            JobRunner runner(host);
            ASSERT_TRUE(runner.start([&](Host& h) {
                started.release();
                if (c.asks) {
                    answer = h.ask(Ask::OverwriteParts, "overwrite?", Buttons::YesNo,
                                   Icon::Question, Answer::Yes);
                } else {
                    while (!h.cancelRequested())
                        QThread::yieldCurrentThread();
                }
                h.status("after");
                stopped = true;
            }));
            started.acquire();
        }  // no event loop ran: the question never reached the host
        EXPECT_TRUE(stopped);
        EXPECT_TRUE(host.events.isEmpty());
        if (c.asks) {
            EXPECT_EQ(answer, std::optional<Answer>(Answer::No));
        }
    }
}
