// SPDX-FileCopyrightText: 2026 The Z408 configurator developers
// SPDX-License-Identifier: GPL-2.0-or-later

#pragma once
// One program per user: the first start holds a lock and listens on a local socket in a folder
// only its user can enter; a later start connects, asks the first to show its window, and ends.
// Both ends check that the other side runs as the same user before they believe it.
#include <QObject>
#include <QString>
#include <QTimer>
#include <functional>
#include <optional>

#include "common/instance_link.h"

class QLocalSocket;
class QSocketNotifier;

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

    // A peer that has not sent its request within this time is hung up on (default 5 s).
    void setIdleTimeoutMs(int ms) { idleTimeoutMs_ = ms; }

    // Answers z408ctl's question whether the window holds unsaved edits of an entry.
    void setUnsavedEditsQuery(std::function<bool(int entry)> query) {
        unsavedEdits_ = std::move(query);
    }

  signals:
    // Another start of the same user asked this instance to show its window.
    void activationRequested();
    // z408ctl changed profile entry `entry` (0..4) or the table on disk.
    void profilesChanged(int entry);
    // z408ctl changed the macro library on disk.
    void macrosChanged();

  private:
    bool listen();
    void acceptPending();
    void takePeer(int fd);
    bool wakeTheFirst();
    void answer(QLocalSocket& socket, const std::optional<InstanceRequest>& request);
    // Runs the requests gathered so far, one at a time. A request may open a message box whose
    // loop takes the next requests: they are only gathered then, so boxes never nest and a flood
    // of requests is merged into one of each kind.
    void runPending();
    void schedulePending();

    QString key_;
    QString socketPath_;
    int lockFd_ = -1;
    int listenFd_ = -1;
    QSocketNotifier* listenNotifier_ = nullptr;
    // Accepting again after the system refused (no free descriptors): the socket stays.
    QTimer acceptRetry_;
    int peers_ = 0;
    int idleTimeoutMs_ = 5000;
    std::function<bool(int)> unsavedEdits_;
    bool pendingShow_ = false;
    bool pendingMacros_ = false;
    unsigned pendingEntries_ = 0;  // bit e: entry e changed on disk
    bool running_ = false;
    bool scheduled_ = false;
};

}  // namespace z408
