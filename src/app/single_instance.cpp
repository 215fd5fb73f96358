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

namespace z408 {
namespace {

constexpr char kWakeUp[] = "show\n";
constexpr int kConnectTimeoutMs = 2000;
// The first instance takes the lock before it listens: a start in between retries.
constexpr int kConnectRetryMs = 50;

// A folder that only this user can enter: ours, a real folder (not a link), no access for
// group or others.
bool isPrivateFolder(const QByteArray& path) {
    struct stat st {};
    return ::lstat(path.constData(), &st) == 0 && S_ISDIR(st.st_mode) &&
           st.st_uid == ::getuid() && (st.st_mode & 077) == 0;
}

}  // namespace

bool peerIsThisUser(int fd) {
    struct ucred cred {};
    socklen_t len = sizeof cred;
    return fd >= 0 && ::getsockopt(fd, SOL_SOCKET, SO_PEERCRED, &cred, &len) == 0 &&
           len == sizeof cred && cred.uid == ::getuid();
}

QString SingleInstance::privateFolder() {
    const QByteArray runtime = qgetenv("XDG_RUNTIME_DIR");
    if (!runtime.isEmpty() && runtime.startsWith('/') && isPrivateFolder(runtime))
        return QString::fromLocal8Bit(runtime);
    // No usable runtime folder: one of our own in the home, never a shared place like /tmp
    // where another user could make the folder first.
    QByteArray state = qgetenv("XDG_STATE_HOME");
    if (state.isEmpty() || !state.startsWith('/')) {
        const QByteArray home = qgetenv("HOME");
        if (home.isEmpty()) return {};
        state = home + "/.local/state";
    }
    const QByteArray folder = state + "/z408";
    QDir().mkpath(QString::fromLocal8Bit(state));
    ::mkdir(folder.constData(), 0700);
    // Our own folder made open by someone's umask is closed again; anyone else's is not used.
    struct stat st {};
    if (::lstat(folder.constData(), &st) == 0 && S_ISDIR(st.st_mode) && st.st_uid == ::getuid())
        ::chmod(folder.constData(), 0700);
    return isPrivateFolder(folder) ? QString::fromLocal8Bit(folder) : QString();
}

SingleInstance::SingleInstance(const QString& key, QObject* parent)
    : QObject(parent), key_(key) {
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
                if (s->readAll().contains('\n')) emit activationRequested();
                s->disconnectFromServer();
            });
        }
    });
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
    socket.write(kWakeUp);
    socket.waitForBytesWritten(kConnectTimeoutMs);
    socket.disconnectFromServer();
    return true;
}

}  // namespace z408
