#include "core/job_runner.h"

#include "core/host_proxy.h"

#include <QThread>
#include <utility>

namespace tsl {

namespace {
// Updates reach the real host at most this often (25 a second).
constexpr int kDeliveryIntervalMs = 40;
}  // namespace

JobRunner::JobRunner(Host& target, QObject* parent) : QObject(parent), target_(target)
{
    deliveryTimer_.setSingleShot(true);
    connect(&deliveryTimer_, &QTimer::timeout, this, &JobRunner::deliverNow);
}

JobRunner::~JobRunner()
{
    if (!thread_)
        return;
    // Abandon first: from here on the worker posts nothing to this object and
    // a question it waits on returns at once, so the wait below ends as soon
    // as the engine sees the cancel flag.
    channel_->abandon();
    proxy_->cancelFlag().store(true);
    thread_->wait();
    delete thread_;
}

bool JobRunner::start(std::function<void(Host&)> job, std::function<void()> onFinished)
{
    if (thread_)
        return false;
    onFinished_ = std::move(onFinished);
    channel_ = std::make_shared<HostChannel>(target_, this);
    // Runs on the worker thread under the channel's lock, only while the
    // channel is not abandoned, so `this` is alive.
    channel_->wake = [this] {
        QMetaObject::invokeMethod(this, &JobRunner::scheduleDelivery, Qt::QueuedConnection);
    };
    proxy_ = std::make_unique<HostProxy>(channel_);
    thread_ = QThread::create([job = std::move(job), host = proxy_.get()] { job(*host); });
    connect(thread_, &QThread::finished, this, &JobRunner::jobEnded, Qt::QueuedConnection);
    sinceDelivery_.invalidate();
    thread_->start();
    return true;
}

bool JobRunner::isRunning() const
{
    return thread_ != nullptr;
}

void JobRunner::cancel()
{
    if (proxy_)
        proxy_->cancelFlag().store(true);
}

void JobRunner::scheduleDelivery()
{
    if (!channel_ || deliveryTimer_.isActive())
        return;
    const qint64 wait =
        sinceDelivery_.isValid() ? kDeliveryIntervalMs - sinceDelivery_.elapsed() : 0;
    if (wait <= 0)
        deliverNow();
    else
        deliveryTimer_.start(int(wait));
}

void JobRunner::deliverNow()
{
    if (!channel_)
        return;
    sinceDelivery_.start();
    channel_->deliver();
}

void JobRunner::jobEnded()
{
    thread_->wait();
    delete thread_;
    thread_ = nullptr;
    deliveryTimer_.stop();
    // The job has returned: what it queued last is all there is.
    channel_->deliver();
    channel_.reset();
    proxy_.reset();
    // Last of all, and taken out first: onFinished may start the next job or
    // close the window that owns this runner.
    const auto ended = std::exchange(onFinished_, {});
    emit finished();
    if (ended)
        ended();
}

}  // namespace tsl
