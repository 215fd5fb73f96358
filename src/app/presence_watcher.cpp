// SPDX-FileCopyrightText: 2026 The Z408 configurator developers
// SPDX-License-Identifier: GPL-2.0-or-later

#include "app/presence_watcher.h"

namespace z408 {

PresenceWatcher::PresenceWatcher(QObject* parent) : QObject(parent) {
    if (!monitor_.ok() || monitor_.fd() < 0) return;
    notifier_ = std::make_unique<QSocketNotifier>(monitor_.fd(), QSocketNotifier::Read);
    connect(notifier_.get(), &QSocketNotifier::activated, this, &PresenceWatcher::readEvents);
}

QString PresenceWatcher::error() const {
    return QString::fromStdString(monitor_.error());
}

void PresenceWatcher::readEvents() {
    for (const PresenceEvent& e : monitor_.readEvents()) {
        const QString path = QString::fromStdString(e.pathText);
        if (e.change == PresenceEvent::Change::Arrived)
            emit arrived(path);
        else
            emit removed(path);
    }
}

}  // namespace z408
