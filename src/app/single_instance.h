#pragma once
// One program per user: the first start holds a lock and listens on a local socket in a folder
// only its user can enter; a later start connects, asks the first to show its window, and ends.
// Both ends check that the other side runs as the same user before they believe it.
#include <QLocalServer>
#include <QObject>
#include <QString>

namespace z408 {

class SingleInstance : public QObject {
    Q_OBJECT
  public:
    // `key` names the program ("Z408Driver.exe"): the socket and its lock file in the folder.
    explicit SingleInstance(const QString& key, QObject* parent = nullptr);
    ~SingleInstance() override;

    // True when this process became the one instance (or, where no private folder can be had,
    // when it runs without the rule). False when another runs; it has then been asked to show
    // itself.
    bool claim();
    // The socket's path; empty before claim() or without a private folder.
    QString socketPath() const { return socketPath_; }

    // The folder for the socket: $XDG_RUNTIME_DIR when it is the user's own and closed to
    // others, else a folder of the user's own under the state directory, made private. Empty
    // when neither can be had.
    static QString privateFolder();

  signals:
    // Another start of the same user asked this instance to show its window.
    void activationRequested();

  private:
    bool wakeTheFirst();

    QString key_;
    QString socketPath_;
    int lockFd_ = -1;
    QLocalServer server_;
};

// True when the other end of the connected local socket `fd` runs as this process's user.
bool peerIsThisUser(int fd);

}  // namespace z408
