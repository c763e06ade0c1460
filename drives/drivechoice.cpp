#include "drives/drivechoice.h"

#include "install/installedlist.h"
#include "install/passcode.h"
#include "install/payloadplan.h"
#include "install/room.h"

#include <QCoreApplication>
#include <QDir>
#include <QFileInfo>
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

QString nameOf(const Place &place)
{
    if (place.facts.readable && place.facts.volumeRoot == place.path &&
        !place.facts.label.isEmpty())
        return place.facts.label;
    const QString folder = QFileInfo(place.path).fileName();
    return folder.isEmpty() ? QDir::toNativeSeparators(place.path) : folder;
}

bool payloadFits(const VolumeFacts &facts, const PayloadNeeds &needs)
{
    const qint64 unit =
        room::allocationUnit(facts.blockSize, fileSystemKindOf(facts.fileSystemType));
    return room::needed(needs.fileSizes, needs.folders, unit) <= facts.bytesFree;
}

// What the install would meet at an answered place, the first of these that holds.
QString stateOf(const VolumeFacts &facts, const PayloadNeeds &needs)
{
    if (!facts.holdsPspFolder)
        return QCoreApplication::translate("orvex::DriveList", "not a PSP stick");
    if (facts.readOnly)
        return QCoreApplication::translate("orvex::DriveList", "read-only");
    if (!payloadFits(facts, needs))
        return QCoreApplication::translate("orvex::DriveList", "too full");
    return QCoreApplication::translate("orvex::DriveList", "PSP memory stick");
}

// The place's entry with its state and sizes, or with what stands for them.
Entry entryOf(const Place &place, const QLocale &locale, const PayloadNeeds &needs)
{
    Entry entry{nameOf(place), {}, {}, {}, place.path, false, true};
    switch (place.state) {
    case ProbeState::Pending:
        entry.state = QCoreApplication::translate("orvex::DriveList", "(checking…)");
        return entry;
    case ProbeState::NotAnswering:
        entry.state = QCoreApplication::translate("orvex::DriveList", "(not answering)");
        entry.selectable = false;
        return entry;
    case ProbeState::Answered:
        break;
    }
    const VolumeFacts &facts = place.facts;
    if (!facts.readable) {
        entry.state = facts.exists
                          ? QCoreApplication::translate("orvex::DriveList", "(cannot be read)")
                          : QCoreApplication::translate("orvex::DriveList", "(not found)");
        return entry;
    }
    const auto size = [&](qint64 bytes) {
        return locale.formattedDataSize(bytes, 1, QLocale::DataSizeIecFormat);
    };
    entry.state = stateOf(facts, needs);
    entry.free = size(facts.bytesFree);
    entry.total = size(facts.bytesTotal);
    entry.pspStick = facts.holdsPspFolder;
    return entry;
}

} // namespace

bool isOffered(const Mount &mount)
{
    return !isPseudoFileSystem(mount.fileSystemType) && !isSystemMountPoint(mount.rootPath);
}

QList<Place> places(const QList<Mount> &mounts, const QStringList &commandLineDrives)
{
    QList<Place> list;
    const auto listed = [&](const QString &path) {
        return std::any_of(list.cbegin(), list.cend(),
                           [&](const Place &place) { return place.path == path; });
    };
    for (const Mount &mount : mounts) {
        if (isOffered(mount) && !listed(mount.rootPath))
            list.append({mount.rootPath, true, ProbeState::Pending, {}});
    }
    for (const QString &drive : commandLineDrives) {
        if (!listed(drive))
            list.append({drive, false, ProbeState::Pending, {}});
    }
    return list;
}

QString Entry::facts() const
{
    return QCoreApplication::translate("orvex::DriveList", "%1, %2 free", "state, free room")
        .arg(state, free);
}

QString Entry::textWith(const QString &shownName, bool withTotal) const
{
    if (free.isEmpty())
        return QCoreApplication::translate("orvex::DriveList", "%1 %2", "name, state")
            .arg(shownName, state);
    if (!withTotal)
        return QCoreApplication::translate("orvex::DriveList", "%1, %2, %3 free",
                                           "name, state, free room")
            .arg(shownName, state, free);
    return QCoreApplication::translate("orvex::DriveList", "%1, %2, %3 free of %4",
                                       "name, state, free room, size")
        .arg(shownName, state, free, total);
}

PayloadNeeds payloadNeeds(const QString &applicationFolder)
{
    auto payload = stick::systemFileSystem().openRoot(applicationFolder + QStringLiteral("/Orvex"));
    const Result<PayloadPlan> plan =
        payload.ok() ? planPayload(*payload.value()) : Result<PayloadPlan>(payload.status());
    if (!plan.ok())
        return {};
    PayloadNeeds needs;
    for (const PayloadPlan::File &file : plan->files)
        needs.fileSizes.append(file.size);
    // The installer's own files beside them, and the Orvex and COMMON folders.
    needs.fileSizes.append(passcode::fileText(QStringLiteral("12345678")).size());
    needs.fileSizes.append(installedlist::text(plan.value()).size());
    needs.folders = plan->folders.size() + 2;
    return needs;
}

stick::FileSystemKind fileSystemKindOf(const QByteArray &type)
{
    if (type == "vfat" || type == "msdos")
        return stick::FileSystemKind::Fat;
    if (type == "fuse" || type == "fuseblk" || type.startsWith("fuse."))
        return stick::FileSystemKind::UserSpace;
    return stick::FileSystemKind::Kernel;
}

QList<Entry> entries(const QList<Place> &places, const QLocale &locale, const PayloadNeeds &needs)
{
    QList<Entry> list;
    for (const Place &place : places) {
        if (place.mounted && place.state == ProbeState::Answered &&
            (!place.facts.readable || place.facts.volumeRoot != place.path))
            continue;
        list.append(entryOf(place, locale, needs));
    }
    return list;
}

bool DriveChoice::update(const QList<Entry> &entries)
{
    const QString before = m_drive;
    const bool nothingChosen = m_started ? current() < 0 : m_drive.isEmpty();
    QSet<QString> sticksBefore;
    for (const Entry &entry : std::as_const(m_entries)) {
        if (entry.pspStick && entry.selectable)
            sticksBefore.insert(entry.drive);
    }
    const bool changed = entries != m_entries || !m_started;
    m_entries = entries;
    m_started = true;
    if (current() < 0)
        m_drive.clear();
    if (nothingChosen) {
        const auto appeared =
            std::find_if(m_entries.cbegin(), m_entries.cend(), [&](const Entry &entry) {
                return entry.pspStick && entry.selectable && !sticksBefore.contains(entry.drive);
            });
        if (appeared != m_entries.cend())
            m_drive = appeared->drive;
    }
    return changed || m_drive != before;
}

void DriveChoice::choose(int index)
{
    if (index >= 0 && index < m_entries.size() && m_entries[index].selectable)
        m_drive = m_entries[index].drive;
}

int DriveChoice::current() const
{
    if (m_drive.isEmpty())
        return -1;
    const auto found = std::find_if(m_entries.cbegin(), m_entries.cend(), [&](const Entry &e) {
        return e.drive == m_drive && e.selectable;
    });
    return found == m_entries.cend() ? -1 : int(found - m_entries.cbegin());
}

} // namespace orvex::drives
