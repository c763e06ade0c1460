#include "drivechoice.h"

#include <QDir>
#include <QLocale>
#include <QSet>
#include <algorithm>

namespace orvex::drives {

namespace {

bool isPseudoFileSystem(const QByteArray &type)
{
    static const QSet<QByteArray> pseudo = {
        "autofs",     "binfmt_misc", "bpf",      "cgroup",   "cgroup2", "configfs",
        "debugfs",    "devpts",      "devtmpfs", "efivarfs", "fusectl", "hugetlbfs",
        "mqueue",     "nsfs",        "overlay",  "proc",     "pstore",  "ramfs",
        "rpc_pipefs", "securityfs",  "squashfs", "sysfs",    "tmpfs",   "tracefs",
    };
    return type.isEmpty() || pseudo.contains(type);
}

// The system's own folders: a volume mounted at or below one of them is part of
// the system, not a stick. "/run/media" is where removable volumes appear.
bool isSystemMountPoint(const QString &root)
{
    static const QStringList systemFolders = {
        QStringLiteral("/boot"), QStringLiteral("/dev"),  QStringLiteral("/efi"),
        QStringLiteral("/etc"),  QStringLiteral("/home"), QStringLiteral("/opt"),
        QStringLiteral("/proc"), QStringLiteral("/root"), QStringLiteral("/run"),
        QStringLiteral("/snap"), QStringLiteral("/srv"),  QStringLiteral("/sys"),
        QStringLiteral("/tmp"),  QStringLiteral("/usr"),  QStringLiteral("/var"),
    };
    const QString path = QDir::cleanPath(root);
    if (path == QLatin1String("/"))
        return true;
    if (path == QLatin1String("/run/media") || path.startsWith(QLatin1String("/run/media/")))
        return false;
    return std::any_of(systemFolders.begin(), systemFolders.end(), [&](const QString &folder) {
        return path == folder || path.startsWith(folder + QLatin1Char('/'));
    });
}

} // namespace

bool isOffered(const Volume &volume)
{
    return !isPseudoFileSystem(volume.fileSystemType) && !isSystemMountPoint(volume.rootPath);
}

QList<Entry> entries(const QList<Volume> &volumes, const QStringList &extraDrives)
{
    QList<Entry> list;
    for (const Volume &volume : volumes) {
        if (!isOffered(volume))
            continue;
        const QString name =
            volume.label.isEmpty() ? QDir::toNativeSeparators(volume.rootPath) : volume.label;
        list.append({QStringLiteral("%1 (%2)").arg(
                         name, QLocale::system().formattedDataSize(volume.bytesTotal)),
                     volume.rootPath, volume.holdsPspBrowser});
    }
    for (const QString &drive : extraDrives)
        list.append({QDir::toNativeSeparators(drive), drive, false});
    return list;
}

bool DriveChoice::update(const QList<Volume> &volumes)
{
    const QList<Entry> fresh = drives::entries(volumes, m_extraDrives);
    const QString before = m_drive;
    const bool listChanged = fresh != m_entries;
    m_entries = fresh;
    const auto firstPspStick = std::find_if(m_entries.cbegin(), m_entries.cend(),
                                            [](const Entry &e) { return e.pspStick; });
    if (!m_started) {
        m_started = true;
        if (firstPspStick != m_entries.cend())
            m_drive = firstPspStick->drive;
        else if (!m_extraDrives.isEmpty())
            m_drive = m_extraDrives.first();
    } else if (current() < 0) {
        m_drive = firstPspStick != m_entries.cend() ? firstPspStick->drive : QString();
    }
    return listChanged || m_drive != before;
}

void DriveChoice::choose(int index)
{
    m_drive = index >= 0 && index < m_entries.size() ? m_entries[index].drive : QString();
}

int DriveChoice::current() const
{
    if (m_drive.isEmpty())
        return -1;
    const auto found = std::find_if(m_entries.cbegin(), m_entries.cend(),
                                    [&](const Entry &e) { return e.drive == m_drive; });
    return found == m_entries.cend() ? -1 : int(found - m_entries.cbegin());
}

} // namespace orvex::drives
