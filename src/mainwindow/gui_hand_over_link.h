// The socket a second tsl hands its files over by (QLocalServer and
// QLocalSocket beside the single-instance lock): the running window listens,
// the second program sends what its command line selects and waits for the
// answer.
#pragma once

#include "mainwindow/hand_over.h"

#include <QObject>
#include <functional>

class QLocalServer;

namespace tsl {

class frmMain;

// Listens at a socket path for as long as it lives; each request goes to
// take, whose answer goes back to the sender.
class HandOverServer : public QObject {
    Q_OBJECT

public:
    using Take = std::function<HandOverReply(const CommandLineStart& start)>;
    HandOverServer(const QString& path, Take take, QObject* parent = nullptr);
    ~HandOverServer() override;

    // Starts listening, replacing a socket file a crashed TSL left (the
    // caller holds the lock); false when the socket cannot be made.
    bool listen();

private:
    void serve();

    QString path_;
    Take take_;
    QLocalServer* server_ = nullptr;
};

// The running window's side: a server at the socket beside lockPath that
// hands each request to window.handOver.
std::unique_ptr<HandOverServer> serveHandOvers(frmMain& window, const QString& lockPath);

// The second program's side: sends start to the server at path and returns
// its answer; nothing when none came within timeoutMs (no server yet, one
// that does not answer). Waits in an event loop of its own.
std::optional<HandOverReply> handOver(const QString& path, const CommandLineStart& start,
                                      int timeoutMs);

}  // namespace tsl
