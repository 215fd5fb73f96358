// SPDX-FileCopyrightText: 2026 The Z408 configurator developers
// SPDX-License-Identifier: GPL-2.0-or-later

#pragma once
// SIGTERM, SIGINT and SIGHUP turned into a signal on the user-interface thread, so the program
// shuts down in order (tray icon, pages, device link, workers) instead of dying mid-write.
#include <QObject>
#include <QSocketNotifier>
#include <memory>

namespace z408 {

class TerminationSignals : public QObject {
    Q_OBJECT
  public:
    explicit TerminationSignals(QObject* parent = nullptr);
    ~TerminationSignals() override;

  signals:
    void received(int signalNumber);

  private:
    std::unique_ptr<QSocketNotifier> notifier_;
};

}  // namespace z408
