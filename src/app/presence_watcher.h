// SPDX-FileCopyrightText: 2026 The Z408 configurator developers
// SPDX-License-Identifier: GPL-2.0-or-later

#pragma once
// The mouse's USB interfaces arriving and leaving, from udev, delivered on the user-interface
// thread through the event loop.
#include <QObject>
#include <QSocketNotifier>
#include <memory>

#include "platform/device_presence_monitor.h"

namespace z408 {

class PresenceWatcher : public QObject {
    Q_OBJECT
  public:
    explicit PresenceWatcher(QObject* parent = nullptr);
    // False when udev could not be watched (the program then runs without hot-plug reactions).
    bool watching() const { return notifier_ != nullptr; }
    QString error() const;

  signals:
    void arrived(const QString& interfacePath);
    void removed(const QString& interfacePath);

  private:
    void readEvents();

    DevicePresenceMonitor monitor_;
    std::unique_ptr<QSocketNotifier> notifier_;
};

}  // namespace z408
