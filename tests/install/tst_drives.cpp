// The drive list's rules: which mounts it offers, how it reads the mount
// table, what each entry says, which drive it chooses as volumes come, go and
// stop answering, and when a place is looked at, with a clock of the test's;
// which steps eject a stick through a disk service of the test's.
#include "drives/volumeprobes.h"
#include "recordingdiskservice.h"

#include <QTest>

using namespace orvex::drives;
using namespace std::chrono_literals;
Q_DECLARE_METATYPE(EjectOutcome::State)

namespace {

VolumeFacts facts(const QString &root, bool psp = false, const QString &label = {})
{
    return {true, root, label, 2LL << 30, 1288490189LL, psp};
}

// Entries from "A* B! c": a drive per word, "*" a PSP stick, "!" not answering.
QList<Entry> entriesOf(const QString &words)
{
    QList<Entry> list;
    for (QString word : words.split(' ', Qt::SkipEmptyParts)) {
        const bool psp = word.endsWith('*');
        const bool silent = word.endsWith('!');
        word.remove('*').remove('!');
        list.append({word, {}, word, psp, !silent});
    }
    return list;
}

} // namespace

class DrivesTest : public QObject
{
    Q_OBJECT

private Q_SLOTS:
    void offersUserVolumesOnly_data()
    {
        QTest::addColumn<QString>("root");
        QTest::addColumn<QByteArray>("type");
        QTest::addColumn<bool>("offered");
        QTest::newRow("system root") << "/" << QByteArray("ext4") << false;
        QTest::newRow("boot") << "/boot" << QByteArray("ext4") << false;
        QTest::newRow("below boot") << "/boot/efi" << QByteArray("vfat") << false;
        QTest::newRow("removable media") << "/run/media/u/PSP" << QByteArray("vfat") << true;
        QTest::newRow("a name like a system folder") << "/media/usr" << QByteArray("vfat") << true;
        QTest::newRow("memory-backed") << "/media/ram" << QByteArray("tmpfs") << false;
        QTest::newRow("unknown type") << "/media/q" << QByteArray() << false;
    }
    void offersUserVolumesOnly()
    {
        QFETCH(QString, root);
        QFETCH(QByteArray, type);
        QTEST(isOffered({root, type}), "offered");
    }

    void readsTheMountTable_data()
    {
        QTest::addColumn<QByteArray>("line");
        QTest::addColumn<QString>("root");
        QTest::addColumn<QByteArray>("type");
        QTest::newRow("optional fields") << QByteArray("36 35 98:0 / /media/u/PSP rw,nosuid "
                                                       "shared:1 master:2 - vfat /dev/sdb1 rw")
                                         << "/media/u/PSP" << QByteArray("vfat");
        QTest::newRow("escaped; a backslash before no octal code stays")
            << QByteArray(
                   "1 2 8:1 / /media/My\\040Stick\\134x\\912\\182\\1291 rw - vfat /dev/sdc1 rw")
            << "/media/My Stick\\x\\912\\182\\1291" << QByteArray("vfat");
        QTest::newRow("no separator")
            << QByteArray("1 2 8:1 / /media/x rw vfat /dev/sdc1 rw") << QString() << QByteArray();
        QTest::newRow("no type") << QByteArray("1 2 8:1 / /media/x rw -") << QString()
                                 << QByteArray();
    }
    void readsTheMountTable()
    {
        QFETCH(QByteArray, line);
        QFETCH(QString, root);
        QFETCH(QByteArray, type);
        const QList<Mount> expected = root.isEmpty() ? QList<Mount>{} : QList<Mount>{{root, type}};
        QCOMPARE(parseMountInfo(line + "\n\n" + line + "\n"), expected + expected);
    }

    // Each offered root once, in the table's order; then each command-line drive
    // not already there, once.
    void listsEachPlaceOnce()
    {
        const QList<Place> list = places({{"/", "ext4"},
                                          {"/media/B", "vfat"},
                                          {"/media/A", "vfat"},
                                          {"/media/B", "fuse.fusefat"},
                                          {"/media/r", "tmpfs"}},
                                         {"/tmp/d", "/media/A", "/tmp/d"});
        QStringList seen;
        for (const Place &place : list)
            seen << place.path + (place.mounted ? " mounted" : "");
        QCOMPARE(seen, QStringList({"/media/B mounted", "/media/A mounted", "/tmp/d"}));
    }

    void showsEntries_data()
    {
        QTest::addColumn<Place>("place");
        QTest::addColumn<QString>("locale");
        QTest::addColumn<QString>("text"); // empty: left out
        QTest::addColumn<bool>("pspStick");
        QTest::addColumn<bool>("selectable");
        const QString root = "/media/u/STICK";
        const auto row = [&](const char *name, const Place &place, const char *locale,
                             const QString &text, bool psp, bool selectable) {
            QTest::newRow(name) << place << QString(locale) << text << psp << selectable;
        };
        const auto answered = [&](const VolumeFacts &f, bool mounted = true) {
            return Place{root, mounted, ProbeState::Answered, f};
        };
        const QString sizes = "1.2 GiB free of 2.0 GiB";
        row("label, free, total, PSP", answered(facts(root, true, "PSPCARD")), "C",
            "PSPCARD, PSP memory stick, " + sizes, true, true);
        row("folder name without a label", answered(facts(root)), "C", "STICK, " + sizes, false,
            true);
        row("the locale's numbers", answered(facts(root)), "de_DE",
            "STICK, 1,2 GiB free of 2,0 GiB", false, true);
        row("a folder inside a labelled volume", answered(facts("/media/u", true, "DISK"), false),
            "C", "STICK, PSP memory stick, " + sizes, true, true);
        row("a mount hidden by a later one", answered(facts("/media")), "C", {}, false, false);
        row("a mount that can't be read", answered(VolumeFacts{}), "C", {}, false, false);
        row("a command-line drive that can't be read", answered(VolumeFacts{}, false), "C",
            "STICK (cannot be read)", false, true);
        row("no answer yet", Place{root, true, ProbeState::Pending, {}}, "C", "STICK (checking…)",
            false, true);
        row("not answering, though a PSP stick before",
            Place{root, true, ProbeState::NotAnswering, facts(root, true)}, "C",
            "STICK (not answering)", false, false);
    }
    void showsEntries()
    {
        QFETCH(Place, place);
        QFETCH(QString, locale);
        QFETCH(QString, text);
        const QList<Entry> list = entries({place}, QLocale(locale));
        QCOMPARE(list.size(), text.isEmpty() ? 0 : 1);
        if (list.isEmpty())
            return;
        QCOMPARE(list[0].text(), text);
        QCOMPARE(list[0].drive, place.path);
        QTEST(list[0].pspStick, "pspStick");
        QTEST(list[0].selectable, "selectable");
    }

    // Each step is the entries listed then ("A* B! c", see entriesOf) or the
    // user's pick ("=B"); `chosen` is the choice after each step.
    void choosesAsVolumesComeAndGo_data()
    {
        QTest::addColumn<QString>("firstDrive");
        QTest::addColumn<QStringList>("steps");
        QTest::addColumn<QStringList>("chosen");
        const auto row = [](const char *name, const QString &first, const QStringList &steps,
                            const QStringList &chosen) {
            QTest::newRow(name) << first << steps << chosen;
        };
        row("the first --drive wins over a PSP stick", "d", {"A* d e", "A* B* d e"}, {"d", "d"});
        row("else a PSP stick", "", {"A B* C*"}, {"B"});
        row("a PSP stick appearing while nothing is chosen", "", {"A", "A B", "A B*"},
            {"", "", "B"});
        row("the chosen one goes: never another; then back", "",
            {"A* B*", "=B", "A*", "A* B", "A* B*"}, {"A", "B", "", "", "B"});
        row("kept at a new place", "", {"A B", "=B", "C B A", "C B A"}, {"", "B", "B", "B"});
        row("stops answering, then answers", "", {"A*", "A!", "A*"}, {"A", "", "A"});
        row("one not answering can't be picked", "", {"A B!", "=B", "=A"}, {"", "", "A"});
        row("the --drive can go too", "d", {"d", "A*", "A* d"}, {"d", "", ""});
    }
    void choosesAsVolumesComeAndGo()
    {
        QFETCH(QString, firstDrive);
        QFETCH(QStringList, steps);
        DriveChoice choice(firstDrive);
        QCOMPARE(choice.current(), -1); // nothing listed yet, so nothing chosen
        QStringList chosen;
        for (const QString &step : std::as_const(steps)) {
            const QList<Entry> before = choice.entries();
            const QString drive = choice.drive();
            if (step.startsWith('=')) {
                const auto picked = std::find_if(before.cbegin(), before.cend(),
                                                 [&](auto &e) { return e.drive == step.mid(1); });
                choice.choose(int(picked - before.cbegin()));
            } else {
                QCOMPARE(choice.update(entriesOf(step)),
                         entriesOf(step) != before || choice.drive() != drive);
            }
            const int current = choice.current();
            QCOMPARE(current < 0 ? QString() : choice.entries()[current].drive, choice.drive());
            chosen << choice.drive();
        }
        QTEST(chosen, "chosen");
    }

    // At most one look per place; a look that lasts 2 s shows as not answering
    // and is followed by another once it ends, if one was wanted meanwhile.
    void looksAtEachPlaceOnceAtATime()
    {
        const ProbeClock::time_point t0;
        const Place a{"/media/A", true, {}, {}};
        const Place b{"/media/B", true, {}, {}};
        const auto state = [](const VolumeProbes &probes, const Place &place,
                              ProbeClock::time_point at) {
            return probes.seen(place, at).state;
        };
        VolumeProbes probes;
        QCOMPARE(probes.want({a, b}, t0), QStringList({a.path, b.path}));
        QCOMPARE(state(probes, a, t0), ProbeState::Pending);
        QVERIFY(!probes.answered(a.path, facts(a.path), t0 + 1s));
        QCOMPARE(probes.seen(a, t0 + 1s).facts, facts(a.path));

        QCOMPARE(probes.want({a, b}, t0 + 1s), QStringList({a.path})); // B's look still runs
        QCOMPARE(state(probes, b, t0 + 1999ms), ProbeState::Pending);
        QCOMPARE(probes.nextDeadline(t0 + 1999ms), t0 + 2s);
        QCOMPARE(state(probes, b, t0 + 2s), ProbeState::NotAnswering);
        QCOMPARE(state(probes, a, t0 + 2s), ProbeState::Answered); // its last answer meanwhile
        QCOMPARE(probes.nextDeadline(t0 + 2s), t0 + 3s);

        QVERIFY(!probes.answered(a.path, facts(a.path), t0 + 2500ms));
        QVERIFY(probes.answered(b.path, facts(b.path), t0 + 10s)); // and again, as wanted
        QCOMPARE(state(probes, b, t0 + 11s), ProbeState::Answered);
        QCOMPARE(state(probes, b, t0 + 12s), ProbeState::NotAnswering);

        // A place that went is forgotten once its look ends; until then that look counts.
        QCOMPARE(probes.want({a}, t0 + 13s), QStringList({a.path}));
        QCOMPARE(probes.want({a, b}, t0 + 13s), QStringList());
        QCOMPARE(probes.seen(b, t0 + 13s).facts, VolumeFacts());
        QVERIFY(probes.answered(b.path, facts(b.path), t0 + 14s));
        QCOMPARE(probes.want({a}, t0 + 15s), QStringList());
        QVERIFY(!probes.answered(b.path, facts(b.path), t0 + 15s));
        QCOMPARE(probes.want({a, b}, t0 + 16s), QStringList({b.path}));
        QCOMPARE(state(probes, b, t0 + 16s), ProbeState::Pending);
        QCOMPARE(probes.nextDeadline(t0 + 16s), t0 + 18s);
    }

    // The drive's volume, mounted at `mountedAt` (none: the service has no
    // volume), with the `traits` named, is ejected by the steps `taken`; the
    // step named `failing` fails.
    void ejectsAsTheServiceAllows_data()
    {
        QTest::addColumn<QString>("mountedAt");
        QTest::addColumn<QString>("traits");
        QTest::addColumn<QString>("failing");
        QTest::addColumn<QStringList>("taken");
        QTest::addColumn<EjectOutcome::State>("state");
        QTest::addColumn<QString>("text");
        const auto row = [](const char *name, const QString &mountedAt, const QString &traits,
                            const QString &failing, const QStringList &taken,
                            EjectOutcome::State state, const QString &text) {
            QTest::newRow(name) << mountedAt << traits << failing << taken << state << text;
        };
        using S = EjectOutcome::State;
        const QString unmount = "Unmount /b/sdb1", ejected = "The stick was ejected. You can now "
                                                             "leave USB mode on the PSP.";
        const QString notManaged = "The stick was not ejected: the system's disk service does "
                                   "not manage /media/u/PSP.";
        const QString busy = "The stick could not be ejected: Error unmounting /dev/sdz1: target "
                             "is busy. Close the programs that use it, then eject it from your "
                             "file manager.";
        row("no service, or not its volume", {}, {}, {}, {}, S::NotOffered, notManaged);
        row("mounted elsewhere", "/media/u/PSP2 /media/u", "powerOff", {}, {}, S::NotOffered,
            notManaged);
        row("a system disk", "/media/u/PSP", "system powerOff", {}, {}, S::NotOffered,
            "The stick was not ejected: /media/u/PSP is on one of the system's own disks.");
        row("a loop device: the unmount only", "/media/u/PSP", "loop powerOff", {}, {unmount},
            S::Ejected, ejected);
        row("power off rather than eject", "/mnt/x /media/u/PSP/", "powerOff ejectable", {},
            {unmount, "PowerOff /d/stick"}, S::Ejected, ejected);
        row("eject", "/media/u/PSP", "ejectable", {}, {unmount, "Eject /d/stick"}, S::Ejected,
            ejected);
        row("neither: the unmount only", "/media/u/PSP", {}, {}, {unmount}, S::Ejected, ejected);
        row("busy", "/media/u/PSP", "powerOff", "Unmount", {unmount}, S::Failed, busy);
        row("power off fails", "/media/u/PSP", "powerOff", "PowerOff",
            {unmount, "PowerOff /d/stick"}, S::Failed, busy);
    }
    void ejectsAsTheServiceAllows()
    {
        QFETCH(QString, mountedAt);
        QFETCH(QString, traits);
        QFETCH(QStringList, taken);
        RecordingDiskService service;
        QFETCH(QString, failing);
        service.failing = failing;
        const QStringList named = traits.split(' ');
        const QString drive = named.contains("loop") ? QString() : "/d/stick";
        const ManagedVolume volume{"/b/sdb1",
                                   mountedAt.split(' '),
                                   named.contains("system"),
                                   named.contains("loop"),
                                   drive,
                                   named.contains("powerOff"),
                                   named.contains("ejectable")};
        if (!mountedAt.isEmpty())
            service.managed = {{"/b/sda1", {"/"}, true, false, "/d/disk", false, false}, volume};
        QCOMPARE(ejectOffered(service, "/media/u/PSP"), !taken.isEmpty());
        QCOMPARE(service.taken, QStringList());
        const EjectOutcome outcome = ejectAfter(service, "/media/u/PSP");
        QCOMPARE(service.taken, taken);
        QTEST(outcome.state, "state");
        QTEST(outcome.text, "text");
    }
};

QTEST_GUILESS_MAIN(DrivesTest)
#include "tst_drives.moc"
