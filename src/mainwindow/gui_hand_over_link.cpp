#include "mainwindow/gui_hand_over_link.h"

#include "mainwindow/frmMain.h"

#include <QEventLoop>
#include <QLocalServer>
#include <QLocalSocket>
#include <QPointer>
#include <QTimer>
#include <memory>

namespace tsl {

namespace {

// How long a request may take to arrive once a sender has connected.
constexpr int ReadTimeout = 5000;
// How often a sender tries again while no server listens yet.
constexpr int RetryInterval = 100;

}  // namespace

HandOverServer::HandOverServer(const QString& path, Take take, QObject* parent)
    : QObject(parent), path_(path), take_(std::move(take)), server_(new QLocalServer(this))
{
    // Only this user may connect, wherever the runtime folder is.
    server_->setSocketOptions(QLocalServer::UserAccessOption);
    connect(server_, &QLocalServer::newConnection, this, &HandOverServer::serve);
}

HandOverServer::~HandOverServer() = default;

bool HandOverServer::listen()
{
    if (server_->listen(path_))
        return true;
    // A socket file left by a TSL that ended without removing it.
    QLocalServer::removeServer(path_);
    return server_->listen(path_);
}

void HandOverServer::serve()
{
    while (QLocalSocket* socket = server_->nextPendingConnection()) {
        connect(socket, &QLocalSocket::disconnected, socket, &QObject::deleteLater);
        QTimer::singleShot(ReadTimeout, socket, [socket] { socket->abort(); });
        auto received = std::make_shared<QByteArray>();
        connect(socket, &QLocalSocket::readyRead, this, [this, socket, received] {
            *received += socket->readAll();
            const std::optional<DecodedHandOver> request = decodeHandOver(*received);
            if (!request)
                return;  // more to come
            disconnect(socket, &QLocalSocket::readyRead, this, nullptr);
            if (request->start.mode == StartMode::None) {
                socket->abort();  // not a request of a TSL
                return;
            }
            socket->write(encodeReply(take_(request->start)));
            socket->disconnectFromServer();
        });
    }
}

std::unique_ptr<HandOverServer> serveHandOvers(frmMain& window, const QString& lockPath)
{
    auto server = std::make_unique<HandOverServer>(
        handOverSocketPath(lockPath),
        [&window](const CommandLineStart& start) { return window.handOver(start); });
    server->listen();
    return server;
}

std::optional<HandOverReply> handOver(const QString& path, const CommandLineStart& start,
                                      int timeoutMs)
{
    // What the handlers write outlives the socket, whose end may still signal.
    std::optional<HandOverReply> reply;
    QByteArray received;
    QEventLoop loop;
    QLocalSocket socket;
    QTimer::singleShot(timeoutMs, &loop, &QEventLoop::quit);
    QObject::connect(&socket, &QLocalSocket::connected, &loop,
                     [&] { socket.write(encodeHandOver(start)); });
    QObject::connect(&socket, &QLocalSocket::readyRead, &loop, [&] {
        received += socket.readAll();
        reply = decodeReply(received);
        if (reply || !received.isEmpty())
            loop.quit();
    });
    QObject::connect(&socket, &QLocalSocket::disconnected, &loop, &QEventLoop::quit);
    // No server yet (the running TSL is still starting): try again.
    QObject::connect(
        &socket, &QLocalSocket::errorOccurred, &loop, [&](QLocalSocket::LocalSocketError error) {
            if (error == QLocalSocket::ServerNotFoundError
                || error == QLocalSocket::ConnectionRefusedError)
                QTimer::singleShot(RetryInterval, &loop, [&] { socket.connectToServer(path); });
            else if (error != QLocalSocket::PeerClosedError)
                loop.quit();
        });
    socket.connectToServer(path);
    if (!reply)
        loop.exec();
    if (!reply && socket.bytesAvailable())
        reply = decodeReply(received + socket.readAll());
    QObject::disconnect(&socket, nullptr, &loop, nullptr);
    socket.abort();
    return reply;
}

}  // namespace tsl
