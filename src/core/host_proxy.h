// The host a job sees when it runs on a worker thread: every call crosses to
// the real host on the thread that owns the JobRunner (the window's).
//
// Status and progress are queued: they wait in an ordered list until the
// owner's thread delivers them, and while they wait a newer status replaces
// an older one and a newer progress value of a line replaces the older one (a
// null caption keeps the caption waiting before it), so a million chunk
// updates cost a handful of deliveries. Questions, input boxes and the parts report
// block the job until the owner's thread has delivered everything queued
// before them and the real host has answered.
//
// When the channel is abandoned (the runner is being destroyed), nothing more
// is delivered and a pending or later question answers at once with its
// declining answer (No, Cancel, Abort; no input; Cancel for the report).
#pragma once

#include "core/host.h"

#include <QObject>
#include <condition_variable>
#include <functional>
#include <memory>
#include <mutex>
#include <vector>

namespace tsl {

// What the worker and the owner's thread share. Lives as long as either side
// still needs it (shared_ptr), so a late delivery never touches freed memory.
class HostChannel : public std::enable_shared_from_this<HostChannel> {
public:
    HostChannel(Host& target, QObject* owner) : target_(target), owner_(owner) {}

    // Worker side: queue an update, merging it with a waiting one.
    void status(const QString& text);
    void progress(Panel panel, Line line, const QString& caption, double value, double maximum);
    // Worker side: run `call` on the owner's thread after delivering what is
    // queued, and wait for its result; `declined` when abandoned.
    template <typename R>
    R blocking(std::function<R(Host&)> call, R declined);

    // Owner side: deliver everything queued, in order.
    void deliver();
    // Owner side: deliver nothing more, release a waiting question.
    void abandon();

    // Called (under the lock) when the first update after a delivery is
    // queued; the runner uses it to schedule a delivery on its thread.
    std::function<void()> wake;

private:
    struct Update {
        enum class Kind { Status, Progress } kind;
        Panel panel = Panel::Combine;
        Line line = Line::Part;
        QString text;
        double value = 0;
        double maximum = 0;
    };
    void push(Update update);  // under the lock

    Host& target_;
    QObject* owner_;  // posted to only while not abandoned
    std::mutex mutex_;
    std::condition_variable answered_;
    std::vector<Update> queue_;
    bool woken_ = false;
    bool abandoned_ = false;
};

// The Host handed to the job: forwards through the channel; its cancel flag
// is its own, set by JobRunner::cancel().
class HostProxy : public Host {
public:
    explicit HostProxy(std::shared_ptr<HostChannel> channel) : channel_(std::move(channel)) {}

    void status(const QString& text) override { channel_->status(text); }
    void progress(Panel panel, Line line, const QString& caption, double value,
                  double maximum) override
    {
        channel_->progress(panel, line, caption, value, maximum);
    }
    Answer ask(Ask kind, const QString& text, Buttons buttons, Icon icon,
               Answer defaultAnswer) override;
    std::optional<QString> input(Prompt kind, const QString& prompt,
                                 const QString& defaultText) override;
    ReportAnswer report(const PartsReport& report) override;

private:
    std::shared_ptr<HostChannel> channel_;
};

template <typename R>
R HostChannel::blocking(std::function<R(Host&)> call, R declined)
{
    struct Pending {
        std::optional<R> result;
    };
    auto pending = std::make_shared<Pending>();
    std::unique_lock lock(mutex_);
    if (abandoned_)
        return declined;
    // The owner's thread runs the call; the owner abandons the channel before
    // it dies, so it is alive while posted to, and a call it drops unrun
    // releases the wait below through abandon().
    QMetaObject::invokeMethod(
        owner_,
        [self = shared_from_this(), pending, call] {
            self->deliver();
            R answer = call(self->target_);
            std::lock_guard done(self->mutex_);
            pending->result = std::move(answer);
            self->answered_.notify_all();
        },
        Qt::QueuedConnection);
    answered_.wait(lock, [&] { return pending->result.has_value() || abandoned_; });
    return pending->result ? *pending->result : declined;
}

}  // namespace tsl
