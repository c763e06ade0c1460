#pragma once

#include <QString>
#include <QTemporaryDir>

// A small size-limited tmpfs mounted on a temporary folder, standing in for a memory stick
// that fills up. Mounting needs root; where it fails, whyNot() says why.
class SizeLimitedDevice
{
public:
    explicit SizeLimitedDevice(qint64 sizeBytes);
    ~SizeLimitedDevice();
    SizeLimitedDevice(const SizeLimitedDevice &) = delete;
    SizeLimitedDevice &operator=(const SizeLimitedDevice &) = delete;

    bool isMounted() const { return m_mounted; }
    QString whyNot() const { return m_whyNot; }
    QString path() const { return m_folder.path(); }

    // Writes a filler file until the device has no room left; true when it is full.
    static bool fill(const QString &fillerPath);

private:
    QTemporaryDir m_folder;
    bool m_mounted = false;
    QString m_whyNot;
};
