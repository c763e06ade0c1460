#pragma once

#include "app/volumeprober.h"
#include "drives/volumeprobes.h"

#include <QComboBox>
#include <QStringList>
#include <QTimer>

namespace orvex {

// The drive list: the mounted volumes a user would pick, then the drives given
// on the command line, each with its label, free and total size, and whether it
// is a PSP memory stick. It follows the mount table while it lives; each place
// is looked at off the window's thread, so a hung device never stalls it, and
// one that does not answer within 2 s shows so and can't be chosen. With no
// entry it shows "Connect the PSP in USB mode".
class DriveList : public QComboBox
{
    Q_OBJECT

public:
    DriveList(orvex::drives::VolumeSource source, const QStringList &commandLineDrives,
              QWidget *parent = nullptr);

    // The chosen entry's drive string (a path); empty when nothing is chosen.
    QString currentDrive() const;
    // The chosen entry; null when nothing is chosen.
    const orvex::drives::Entry *currentEntry() const;

    // Reads the mount table again and looks at every place again.
    void refresh();
    // What the payload takes, so that each entry says whether it fits.
    void setPayloadNeeds(const orvex::drives::PayloadNeeds &needs);

protected:
    // The closed box keeps its size: a longer entry ends in "…" there.
    void paintEvent(QPaintEvent *event) override;

private:
    void answered(const QString &path, const orvex::drives::VolumeFacts &facts);
    void look(const QStringList &paths);
    // Shows the entries as the looks stand now, if they or the choice changed.
    void showEntries();
    // `entry` as it fits in `width` pixels: the name cut in its middle first,
    // then " of TOTAL" left out.
    QString fitted(const orvex::drives::Entry &entry, int width) const;

    orvex::drives::VolumeSource m_source;
    QStringList m_commandLineDrives;
    QList<orvex::drives::Place> m_places;
    orvex::drives::VolumeProbes m_probes;
    orvex::drives::DriveChoice m_choice;
    orvex::drives::PayloadNeeds m_needs;
    VolumeProber m_prober;
    QTimer m_deadline;
};

} // namespace orvex
