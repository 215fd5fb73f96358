// SPDX-FileCopyrightText: 2026 The Z408 configurator developers
// SPDX-License-Identifier: GPL-2.0-or-later

#include "app/single_instance.h"

#include <fcntl.h>
#include <sys/file.h>
#include <sys/socket.h>
#include <sys/stat.h>
#include <sys/un.h>
#include <unistd.h>

#include <QDir>
#include <QElapsedTimer>
#include <QLocalSocket>
#include <QSocketNotifier>
#include <QThread>
#include <bit>
#include <cerrno>
#include <cstdio>
#include <cstring>

#include "common/instance_link.h"

namespace z408 {
namespace {

constexpr int kConnectTimeoutMs = 2000;
// The first instance takes the lock before it listens: a start in between retries.
constexpr int kConnectRetryMs = 50;
// A request is one short line; a peer that sends more without a newline is hung up on.
constexpr qint64 kMaxRequest = 64;
constexpr int kBacklog = 16;
// Connections served at once; a start or z408ctl holds one for a moment only.
constexpr int kMaxPeers = 32;
// After the system refused a connection for want of descriptors, the next try.
constexpr int kAcceptRetryMs = 200;

}  // namespace

QString SingleInstance::privateFolder() {
    return QString::fromLocal8Bit(instanceFolder(true));
}

SingleInstance::SingleInstance(const QString& key, QObject* parent) : QObject(parent), key_(key) {
    acceptRetry_.setSingleShot(true);
    acceptRetry_.setInterval(kAcceptRetryMs);
    connect(&acceptRetry_, &QTimer::timeout, this, [this] {
        if (listenNotifier_) listenNotifier_->setEnabled(true);
        acceptPending();
    });
}

bool SingleInstance::listen() {
    const QByteArray path = socketPath_.toLocal8Bit();
    sockaddr_un address{};
    address.sun_family = AF_UNIX;
    if (static_cast<size_t>(path.size()) >= sizeof address.sun_path) {
        errno = ENAMETOOLONG;
        return false;
    }
    std::memcpy(address.sun_path, path.constData(), static_cast<size_t>(path.size()) + 1);
    const int fd = ::socket(AF_UNIX, SOCK_STREAM | SOCK_CLOEXEC | SOCK_NONBLOCK, 0);
    if (fd < 0) return false;
    // Under the lock: a socket file still there was left by a process that ended.
    ::unlink(path.constData());
    if (::bind(fd, reinterpret_cast<const sockaddr*>(&address), sizeof address) != 0 ||
        ::listen(fd, kBacklog) != 0) {
        const int err = errno;
        ::close(fd);
        errno = err;
        return false;
    }
    listenFd_ = fd;
    listenNotifier_ = new QSocketNotifier(fd, QSocketNotifier::Read, this);
    connect(listenNotifier_, &QSocketNotifier::activated, this, [this] { acceptPending(); });
    return true;
}

// The sanitizer's type check of a first call needs a pipe of its own, which it cannot have at
// the one moment this runs out of descriptors; it would then call the notifier invalid.
__attribute__((no_sanitize("vptr"))) void SingleInstance::acceptPending() {
    while (listenFd_ >= 0) {
        const int fd = ::accept4(listenFd_, nullptr, nullptr, SOCK_CLOEXEC | SOCK_NONBLOCK);
        if (fd >= 0) {
            takePeer(fd);
            continue;
        }
        switch (errno) {
            case EINTR:
            case ECONNABORTED:
            case EPROTO:
                continue;
            case EAGAIN:
                return;
            default:
                // Out of descriptors or memory: the connection waits in the backlog. Listening
                // stops only for a moment, or the notifier would fire without end.
                listenNotifier_->setEnabled(false);
                acceptRetry_.start();
                return;
        }
    }
}

void SingleInstance::takePeer(int fd) {
    // Only the same user may ask; anyone else is hung up on unheard. Beyond a handful of
    // connections at once (no start or z408ctl keeps one), the rest are not kept either.
    if (!peerIsThisUser(fd) || peers_ >= kMaxPeers) {
        ::close(fd);
        return;
    }
    auto* s = new QLocalSocket(this);
    if (!s->setSocketDescriptor(fd, QLocalSocket::ConnectedState, QIODevice::ReadWrite)) {
        ::close(fd);
        delete s;
        return;
    }
    ++peers_;
    // Counted off when it hangs up, not when deleted: a box's loop may hold deletions back.
    connect(s, &QLocalSocket::disconnected, this, [this] { --peers_; });
    connect(s, &QLocalSocket::disconnected, s, &QObject::deleteLater);
    // A peer that never sends its line holds a descriptor: hung up on after a while.
    auto* idle = new QTimer(s);
    idle->setSingleShot(true);
    connect(idle, &QTimer::timeout, s, [s] {
        s->abort();
        s->deleteLater();
    });
    idle->start(idleTimeoutMs_);
    connect(s, &QLocalSocket::readyRead, this, [this, s] {
        if (!s->canReadLine()) {
            if (s->bytesAvailable() > kMaxRequest) s->abort();
            return;
        }
        const QByteArray line = s->readLine(kMaxRequest).trimmed();
        answer(*s, parseInstanceRequest(
                       std::string_view(line.constData(), static_cast<size_t>(line.size()))));
        s->disconnectFromServer();
    });
}

void SingleInstance::answer(QLocalSocket& socket, const std::optional<InstanceRequest>& request) {
    if (!request) return;
    std::string_view reply;
    switch (request->kind) {
        case InstanceRequestKind::Show:
            pendingShow_ = true;
            schedulePending();
            return;
        case InstanceRequestKind::UnsavedEdits:
            reply = unsavedEdits_ && unsavedEdits_(request->entry) ? kReplyUnsaved : kReplySaved;
            break;
        case InstanceRequestKind::ProfilesChanged:
            pendingEntries_ |= 1u << request->entry;
            schedulePending();
            reply = kReplyDone;
            break;
        case InstanceRequestKind::MacrosChanged:
            pendingMacros_ = true;
            schedulePending();
            reply = kReplyDone;
            break;
    }
    socket.write(reply.data(), static_cast<qint64>(reply.size()));
    socket.write("\n", 1);
    socket.flush();
}

void SingleInstance::schedulePending() {
    if (running_ || scheduled_) return;  // the running pass or the queued one takes it
    scheduled_ = true;
    QMetaObject::invokeMethod(this, &SingleInstance::runPending, Qt::QueuedConnection);
}

void SingleInstance::runPending() {
    scheduled_ = false;
    if (running_) return;
    running_ = true;
    // What arrives while a request's box is open is handled after the box, here.
    while (pendingShow_ || pendingMacros_ || pendingEntries_ != 0) {
        if (pendingShow_) {
            pendingShow_ = false;
            emit activationRequested();
        } else if (pendingMacros_) {
            pendingMacros_ = false;
            emit macrosChanged();
        } else {
            const int entry = std::countr_zero(pendingEntries_);
            pendingEntries_ &= ~(1u << entry);
            emit profilesChanged(entry);
        }
    }
    running_ = false;
}

SingleInstance::~SingleInstance() {
    delete listenNotifier_;
    if (listenFd_ >= 0) {
        ::close(listenFd_);
        ::unlink(socketPath_.toLocal8Bit().constData());
    }
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
        if (!listen())
            std::fprintf(stderr, "z408: cannot listen on %s: %s\n",
                         socketPath_.toLocal8Bit().constData(), std::strerror(errno));
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
