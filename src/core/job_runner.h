// Runs one engine job at a time on a worker thread for a front end with an
// event loop (the window), so a slow disk never freezes it and no click runs
// in the middle of a copy.
//
// The job gets a HostProxy (core/host_proxy.h) that forwards every call to
// the real host on the runner's thread: status and progress are coalesced and
// reach the real host at most about 25 times a second (the latest value wins;
// the final state of every line and the last status always arrive, in order,
// before finished()); questions, input boxes and the parts report wait for
// the real host's answer. The runner never pumps events and never waits,
// except in its destructor.
#pragma once

#include "core/host.h"

#include <QElapsedTimer>
#include <QObject>
#include <QTimer>
#include <functional>
#include <memory>

class QThread;

namespace tsl {

class HostChannel;
class HostProxy;

class JobRunner : public QObject {
    Q_OBJECT

public:
    // target: the real host, living on the thread that owns the runner.
    explicit JobRunner(Host& target, QObject* parent = nullptr);
    // Cancels a running job and waits for it; a question it is waiting on
    // answers with its declining answer. Nothing more reaches the target.
    ~JobRunner() override;

    // Starts job(proxyHost) on a worker thread; false (and nothing started)
    // while a job runs. The job must not throw. onFinished runs on the
    // runner's thread once the job has returned and every update was
    // delivered, right after finished(); it is where the front end reads the
    // job's outcome, so it keeps no record of which job it started.
    bool start(std::function<void(Host&)> job, std::function<void()> onFinished = {});
    // True from start() until just before finished() is emitted.
    bool isRunning() const;
    // Asks the running job to stop: sets the proxy host's cancel flag, which
    // the engine checks between chunks, pieces and files; returns at once.
    void cancel();

signals:
    // On the runner's thread, after the job returned and every update was
    // delivered.
    void finished();

private:
    void scheduleDelivery();
    void deliverNow();
    void jobEnded();

    Host& target_;
    std::shared_ptr<HostChannel> channel_;
    std::unique_ptr<HostProxy> proxy_;
    QThread* thread_ = nullptr;
    std::function<void()> onFinished_;
    QTimer deliveryTimer_;
    QElapsedTimer sinceDelivery_;
};

}  // namespace tsl
