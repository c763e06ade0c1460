#pragma once

#include <QByteArray>
#include <QList>
#include <QString>
#include <QStringList>

// Which drives the installer offers and which one it selects.
namespace orvex::drives {

// One mounted volume as the machine reports it.
struct Volume
{
    QString rootPath;
    QByteArray fileSystemType;
    QString label;
    qint64 bytesTotal = 0;
    bool holdsPspBrowser = false; // its root holds PSP/SYSTEM/BROWSER

    friend bool operator==(const Volume &, const Volume &) = default;
};

// A volume a user would pick: a storage file system (sticks mounted through
// FUSE included), not a kernel pseudo or memory-backed one, and not one of the
// system's own mount points ("/", "/boot", "/usr", "/home", ...).
bool isOffered(const Volume &volume);

// One entry of the drive list: what it shows and the drive string it hands on.
struct Entry
{
    QString text;
    QString drive; // a root path, never a label
    bool pspStick = false;

    friend bool operator==(const Entry &, const Entry &) = default;
};

// The offered volumes, each shown with its label (or mount point) and size,
// then every extra drive from the command line.
QList<Entry> entries(const QList<Volume> &volumes, const QStringList &extraDrives);

// The drive list's choice across changes of the mounted volumes. At first it
// selects the first PSP stick, else the first extra drive, else nothing. Later
// lists keep the chosen drive while it is there; a PSP stick that appears
// while nothing is chosen becomes the choice.
class DriveChoice
{
public:
    explicit DriveChoice(QStringList extraDrives) : m_extraDrives(std::move(extraDrives)) {}

    // Takes the volumes now mounted; true when the entries or the choice changed.
    bool update(const QList<Volume> &volumes);
    // The user picked entry `index` (-1: none).
    void choose(int index);

    const QList<Entry> &entries() const { return m_entries; }
    // The chosen entry's index, or -1.
    int current() const;
    // The chosen drive string; empty when nothing is chosen.
    const QString &drive() const { return m_drive; }

private:
    QStringList m_extraDrives;
    QList<Entry> m_entries;
    QString m_drive;
    bool m_started = false;
};

} // namespace orvex::drives
