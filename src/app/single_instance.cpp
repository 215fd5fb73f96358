#include "app/single_instance.h"

#include <unistd.h>

#include <QLocalSocket>

namespace z408 {
namespace {
constexpr char kWakeUp[] = "show\n";
constexpr int kConnectTimeoutMs = 2000;
}  // namespace

SingleInstance::SingleInstance(const QString& key, QObject* parent)
    : QObject(parent), name_(QStringLiteral("%1-%2").arg(key).arg(::getuid())) {
    // Abstract socket names vanish with the process: a crash leaves nothing behind.
    server_.setSocketOptions(QLocalServer::AbstractNamespaceOption);
    connect(&server_, &QLocalServer::newConnection, this, [this] {
        while (QLocalSocket* s = server_.nextPendingConnection()) {
            connect(s, &QLocalSocket::readyRead, this, [this, s] {
                if (s->readAll().contains('\n')) emit activationRequested();
                s->disconnectFromServer();
            });
            connect(s, &QLocalSocket::disconnected, s, &QObject::deleteLater);
        }
    });
}

bool SingleInstance::claim() {
    // Listening first is what makes two simultaneous starts safe: only one listen succeeds.
    if (server_.listen(name_)) return true;
    QLocalSocket socket;
    socket.setServerName(name_);
    socket.setSocketOptions(QLocalSocket::AbstractNamespaceOption);
    socket.connectToServer();
    if (socket.waitForConnected(kConnectTimeoutMs)) {
        socket.write(kWakeUp);
        socket.waitForBytesWritten(kConnectTimeoutMs);
        socket.disconnectFromServer();
    }
    return false;
}

}  // namespace z408
