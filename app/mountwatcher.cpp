#include "app/mountwatcher.h"

#include <QSocketNotifier>

namespace orvex {

MountWatcher::MountWatcher(QObject *parent) : QObject(parent)
{
    m_settle.setSingleShot(true);
    m_settle.setInterval(1000);
    connect(&m_settle, &QTimer::timeout, this, &MountWatcher::changed);

    m_table.setFileName(QStringLiteral("/proc/self/mountinfo"));
    if (!m_table.open(QIODevice::ReadOnly | QIODevice::Unbuffered)) {
        auto *poll = new QTimer(this);
        connect(poll, &QTimer::timeout, this, &MountWatcher::changed);
        poll->start(1000);
        return;
    }
    m_table.readAll();
    auto *notifier = new QSocketNotifier(m_table.handle(), QSocketNotifier::Exception, this);
    connect(notifier, &QSocketNotifier::activated, this, &MountWatcher::tableChanged);
}

void MountWatcher::tableChanged()
{
    // Reading the table again from its start clears the flag; without it the
    // notifier would fire at once again.
    m_table.seek(0);
    m_table.readAll();
    if (!m_settle.isActive())
        m_settle.start();
}

} // namespace orvex
