#pragma once

#include <QFile>
#include <QObject>
#include <QTimer>

namespace orvex {

// Tells when volumes were mounted or unmounted: the kernel flags the mount
// table (/proc/self/mountinfo) on every change, which wakes a socket notifier
// without polling; where the table cannot be watched, it is looked at once a
// second. Bursts of changes are told at most once a second.
class MountWatcher : public QObject
{
    Q_OBJECT

public:
    explicit MountWatcher(QObject *parent = nullptr);

Q_SIGNALS:
    void changed();

private:
    void tableChanged();

    QFile m_table;
    QTimer m_settle;
};

} // namespace orvex
