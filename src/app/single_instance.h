#pragma once
// One program per user: the first start listens on a local socket named after the program and
// the user; a later start connects, asks the first to show its window, and ends.
#include <QLocalServer>
#include <QObject>
#include <QString>

namespace z408 {

class SingleInstance : public QObject {
    Q_OBJECT
public:
    // `key` names the program ("Z408Driver.exe"); the user id is added so users never meet.
    explicit SingleInstance(const QString& key, QObject* parent = nullptr);

    // True when this process became the one instance. False when another runs; it has then been
    // asked to show itself.
    bool claim();
    QString socketName() const { return name_; }

signals:
    // Another start asked this instance to show its window.
    void activationRequested();

private:
    QString name_;
    QLocalServer server_;
};

}  // namespace z408
