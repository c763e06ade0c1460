#include "app/volumeprober.h"

#include <QMetaObject>
#include <QObject>
#include <mutex>
#include <system_error>
#include <thread>

namespace orvex {

// Shared by the prober and its threads: the threads post only while the
// prober lives, and the context drops what was posted to it when it goes.
struct VolumeProber::Mailbox
{
    std::mutex mutex;
    QObject *context = nullptr;
    Answer answer;
};

VolumeProber::VolumeProber(std::function<orvex::drives::VolumeFacts(const QString &)> probe,
                           QObject *context, Answer answer)
    : m_probe(std::move(probe)), m_mailbox(std::make_shared<Mailbox>())
{
    m_mailbox->context = context;
    m_mailbox->answer = std::move(answer);
}

VolumeProber::~VolumeProber()
{
    const std::lock_guard lock(m_mailbox->mutex);
    m_mailbox->context = nullptr;
}

bool VolumeProber::start(const QString &path)
{
    try {
        std::thread([mailbox = m_mailbox, probe = m_probe, path] {
            const orvex::drives::VolumeFacts facts = probe(path);
            const std::lock_guard lock(mailbox->mutex);
            if (mailbox->context)
                QMetaObject::invokeMethod(
                    mailbox->context, [mailbox, path, facts] { mailbox->answer(path, facts); },
                    Qt::QueuedConnection);
        }).detach();
        return true;
    } catch (const std::system_error &) {
        return false;
    }
}

} // namespace orvex
