#include "app/single_instance.h"

#include <fcntl.h>
#include <sys/file.h>
#include <sys/socket.h>
#include <sys/stat.h>
#include <unistd.h>

#include <QDir>
#include <QElapsedTimer>
#include <QLocalSocket>
#include <QThread>
#include <cstdio>

#include "common/instance_link.h"

namespace z408 {
namespace {

constexpr int kConnectTimeoutMs = 2000;
// The first instance takes the lock before it listens: a start in between retries.
constexpr int kConnectRetryMs = 50;
// A request is one short line; a peer that sends more without a newline is hung up on.
constexpr qint64 kMaxRequest = 64;

}  // namespace

QString SingleInstance::privateFolder() {
    return QString::fromLocal8Bit(instanceFolder(true));
}

SingleInstance::SingleInstance(const QString& key, QObject* parent) : QObject(parent), key_(key) {
    connect(&server_, &QLocalServer::newConnection, this, [this] {
        while (QLocalSocket* s = server_.nextPendingConnection()) {
            connect(s, &QLocalSocket::disconnected, s, &QObject::deleteLater);
            // Only the same user may ask; anyone else is hung up on unheard.
            if (!peerIsThisUser(static_cast<int>(s->socketDescriptor()))) {
                s->abort();
                s->deleteLater();
                continue;
            }
            connect(s, &QLocalSocket::readyRead, this, [this, s] {
                if (!s->canReadLine()) {
                    if (s->bytesAvailable() > kMaxRequest) s->abort();
                    return;
                }
                const QByteArray line = s->readLine(kMaxRequest).trimmed();
                answer(*s, parseInstanceRequest(std::string_view(
                               line.constData(), static_cast<size_t>(line.size()))));
                s->disconnectFromServer();
            });
        }
    });
}

void SingleInstance::answer(QLocalSocket& socket, const std::optional<InstanceRequest>& request) {
    if (!request) return;
    std::string_view reply;
    switch (request->kind) {
        case InstanceRequestKind::Show:
            emit activationRequested();
            return;
        case InstanceRequestKind::UnsavedEdits:
            reply = unsavedEdits_ && unsavedEdits_(request->entry) ? kReplyUnsaved : kReplySaved;
            break;
        case InstanceRequestKind::ProfilesChanged:
            emit profilesChanged(request->entry);
            reply = kReplyDone;
            break;
        case InstanceRequestKind::MacrosChanged:
            emit macrosChanged();
            reply = kReplyDone;
            break;
    }
    socket.write(reply.data(), static_cast<qint64>(reply.size()));
    socket.write("\n", 1);
    socket.flush();
}

SingleInstance::~SingleInstance() {
    server_.close();
    if (lockFd_ >= 0) ::close(lockFd_);
}

bool SingleInstance::claim() {
    const QString folder = privateFolder();
    if (folder.isEmpty()) {
        std::fprintf(stderr,
                     "z408: no private folder for the single-instance socket "
                     "(XDG_RUNTIME_DIR or ~/.local/state/z408); running without it\n");
        return true;
    }
    socketPath_ = folder + QLatin1Char('/') + key_;
    const QByteArray lockPath = (socketPath_ + QStringLiteral(".lock")).toLocal8Bit();
    lockFd_ = ::open(lockPath.constData(), O_RDWR | O_CREAT | O_CLOEXEC | O_NOFOLLOW, 0600);
    if (lockFd_ < 0) {
        std::fprintf(stderr, "z408: cannot open %s; running without the single-instance rule\n",
                     lockPath.constData());
        return true;
    }
    // The lock is the rule: held for the whole run, dropped by the system when the process ends
    // however it ends, so a socket left behind by a crash is simply replaced.
    if (::flock(lockFd_, LOCK_EX | LOCK_NB) == 0) {
        QLocalServer::removeServer(socketPath_);
        if (!server_.listen(socketPath_))
            std::fprintf(stderr, "z408: cannot listen on %s: %s\n",
                         socketPath_.toLocal8Bit().constData(),
                         server_.errorString().toLocal8Bit().constData());
        return true;
    }
    ::close(lockFd_);
    lockFd_ = -1;
    wakeTheFirst();
    return false;
}

bool SingleInstance::wakeTheFirst() {
    QElapsedTimer waited;
    waited.start();
    QLocalSocket socket;
    for (;;) {
        socket.connectToServer(socketPath_);
        if (socket.waitForConnected(kConnectTimeoutMs)) break;
        if (waited.elapsed() >= kConnectTimeoutMs) return false;
        QThread::msleep(kConnectRetryMs);
    }
    // The folder is private, but the wake-up still goes only to a program of the same user.
    if (!peerIsThisUser(static_cast<int>(socket.socketDescriptor()))) {
        std::fprintf(stderr, "z408: %s belongs to another user; not talking to it\n",
                     socketPath_.toLocal8Bit().constData());
        return false;
    }
    const std::string wakeUp = formatInstanceRequest({InstanceRequestKind::Show, 0});
    socket.write(wakeUp.data(), static_cast<qint64>(wakeUp.size()));
    socket.waitForBytesWritten(kConnectTimeoutMs);
    socket.disconnectFromServer();
    return true;
}

}  // namespace z408
