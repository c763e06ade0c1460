#pragma once

#include "drives/mounttable.h"
#include "install/stick/folder.h"

#include <QList>
#include <QLocale>
#include <QString>
#include <QStringList>

// Which drives the installer lists, how it shows them and which one it chooses.
namespace orvex::drives {

// A mount a user would pick: a storage file system (sticks mounted through
// FUSE included), not a kernel pseudo or memory-backed one, and not one of the
// system's own mount points ("/", "/boot", "/usr", "/home", ...).
bool isOffered(const Mount &mount);

// What a look at one place found.
struct VolumeFacts
{
    bool exists = false;   // something is at the place
    bool readable = false; // a folder this user may look at
    QString volumeRoot;    // the root of the volume that holds the place
    QString label;         // that volume's label; may be empty
    QByteArray fileSystemType;
    qint64 blockSize = 0;
    qint64 bytesTotal = 0;
    qint64 bytesFree = 0; // free for this user
    bool readOnly = false;
    bool holdsPspFolder = false;

    friend bool operator==(const VolumeFacts &, const VolumeFacts &) = default;
};

// What the payload takes on a stick, to tell whether it fits: its files'
// sizes and the folders it makes, the installer's own files included.
struct PayloadNeeds
{
    QList<qint64> fileSizes;
    qint64 folders = 0;
};

// The needs of the payload in `applicationFolder`; none when it cannot be read.
PayloadNeeds payloadNeeds(const QString &applicationFolder);

// The kind of a file system by its type's name ("vfat", "fuseblk", "fuse.X", ...).
stick::FileSystemKind fileSystemKindOf(const QByteArray &type);

// Where the look at a place stands.
enum class ProbeState
{
    Pending,      // no answer yet
    Answered,     // `facts` hold the latest answer
    NotAnswering, // the latest look has lasted too long
};

// A place the list shows: a mounted volume or a drive from the command line.
struct Place
{
    QString path;
    bool mounted = false; // a mount's root, as the mount table lists it
    ProbeState state = ProbeState::Pending;
    VolumeFacts facts;
};

// The places in the list's order: each offered mount's root once, in the
// table's order, then every command-line drive not already among them.
QList<Place> places(const QList<Mount> &mounts, const QStringList &commandLineDrives);

// One entry of the drive list: "PSPCARD, PSP memory stick, 1.2 GiB free of
// 1.9 GiB", or "STICK (checking…)" before the facts are known.
struct Entry
{
    QString name;  // the volume's label, else the folder's name
    QString state; // what the install would meet: "PSP memory stick", "not a PSP stick",
                   // "read-only", "too full"; or "(checking…)", "(not answering)",
                   // "(not found)", "(cannot be read)" when there are no facts
    QString free;  // "1.2 GiB"; empty without facts
    QString total; // "1.9 GiB"
    QString drive; // the drive string the install gets: the place's path
    bool pspStick = false;
    bool selectable = true;

    // The whole entry; `withTotal` false leaves out " of TOTAL".
    QString text(bool withTotal = true) const { return textWith(name, withTotal); }
    // The state and the free room: "PSP memory stick, 1.2 GiB free".
    QString facts() const;
    // The whole entry with `shownName` in the name's place (a shortened name).
    QString textWith(const QString &shownName, bool withTotal) const;

    friend bool operator==(const Entry &, const Entry &) = default;
};

// The entries for the places, sizes written in `locale`, whether the payload
// of `needs` fits told by each. A mount whose look found no volume of its own
// there (unmounted since, or hidden by a later mount) is left out; one that
// does not answer can't be chosen; the others can, whatever they say, and the
// install tells why it cannot go on.
QList<Entry> entries(const QList<Place> &places, const QLocale &locale,
                     const PayloadNeeds &needs = {});

// The drive list's choice as entries come and go. At first it is the first
// command-line drive, if any. A PSP stick that appears while nothing is chosen
// becomes the choice. A chosen drive that goes, or stops answering, leaves
// nothing chosen: the choice never moves to another drive by itself.
class DriveChoice
{
public:
    // `firstDrive`: the first command-line drive; empty when none was given.
    explicit DriveChoice(QString firstDrive = {}) : m_drive(std::move(firstDrive)) {}

    // Takes the entries listed now; true at first and when they or the choice changed.
    bool update(const QList<Entry> &entries);
    // The user picked entry `index`; an entry that can't be chosen is ignored.
    void choose(int index);

    const QList<Entry> &entries() const { return m_entries; }
    // The chosen entry's index, or -1.
    int current() const;
    // The chosen drive string; empty when nothing is chosen.
    const QString &drive() const { return m_drive; }

private:
    QList<Entry> m_entries;
    QString m_drive;
    bool m_started = false;
};

} // namespace orvex::drives
