#include "sizelimiteddevice.h"

#include <QFile>
#include <cerrno>
#include <cstring>
#include <sys/mount.h>
#include <unistd.h>

SizeLimitedDevice::SizeLimitedDevice(qint64 sizeBytes)
{
    if (geteuid() != 0) {
        m_whyNot = QStringLiteral("mounting a size-limited tmpfs needs root");
        return;
    }
    const QByteArray options = "size=" + QByteArray::number(sizeBytes);
    if (::mount("tmpfs", QFile::encodeName(path()).constData(), "tmpfs", 0, options.constData()) !=
        0) {
        m_whyNot = QStringLiteral("mount -t tmpfs failed: ") +
                   QString::fromLocal8Bit(std::strerror(errno));
        return;
    }
    m_mounted = true;
}

SizeLimitedDevice::~SizeLimitedDevice()
{
    if (m_mounted)
        ::umount2(QFile::encodeName(path()).constData(), MNT_DETACH);
}

bool SizeLimitedDevice::fill(const QString &fillerPath)
{
    QFile filler(fillerPath);
    if (!filler.open(QIODevice::WriteOnly | QIODevice::Unbuffered))
        return false;
    const QByteArray block(4096, 'x');
    while (filler.write(block) > 0) {
    }
    return filler.error() != QFileDevice::NoError;
}
