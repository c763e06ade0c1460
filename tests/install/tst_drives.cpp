// The drive list's rules: the mounts offered, the mount table, each entry's text, the choice
// as volumes come, go and stop answering, when a place is looked at (a clock of the test's),
// and the steps that eject a stick through a disk service of the test's.
#include "drives/volumeprobes.h"
#include "recordingdiskservice.h"

#include <QTest>

using namespace Qt::StringLiterals;

using namespace orvex::drives;
using namespace std::chrono_literals;

namespace {

// A PSP stick of 2 GiB with 1.2 GiB free, by default.
VolumeFacts facts(const QString &root, bool psp = true, const QString &label = {},
                  qint64 free = 1288490189LL)
{
    VolumeFacts facts{true, true, root, label, "vfat", 2048, 2LL << 30, free};
    facts.holdsPspFolder = psp;
    return facts;
}

// Entries from "A* B! c": a drive per word, "*" a PSP stick, "!" not answering.
QList<Entry> entriesOf(const QString &words)
{
    QList<Entry> list;
    for (QString word : words.split(u' ', Qt::SkipEmptyParts)) {
        const bool psp = word.endsWith(u'*');
        const bool silent = word.endsWith(u'!');
        word.remove(u'*').remove(u'!');
        list.append({word, {}, {}, {}, word, psp, !silent});
    }
    return list;
}

} // namespace

class DrivesTest : public QObject
{
    Q_OBJECT

private Q_SLOTS:
    // The mount table's path after four fields, unescaped; its type after the "-" that ends
    // the optional fields; lines without them left out.
    void readsTheMountTable()
    {
        QCOMPARE(parseMountInfo(
                     "36 35 98:0 / /media/u/PSP rw shared:1 master:2 - vfat /dev/sdb1 rw\n"
                     "\n"
                     "1 2 8:1 / /media/x rw vfat /dev/sdc1 rw\n"
                     "1 2 8:1 / /media/My\\040Stick\\134x\\912\\182\\1291 rw - vfat /dev/sdc1\n"
                     "1 2 8:1 / /media/x rw -\n"),
                 (QList<Mount>{{u"/media/u/PSP"_s, "vfat"},
                               {u"/media/My Stick\\x\\912\\182\\1291"_s, "vfat"}}));
    }

    // Each offered mount's root once, in the table's order, then each command-line drive not
    // already there, once. Offered: no pseudo or memory-backed file system, nothing at or
    // below the system's own folders but what is below /run/media.
    void listsOfferedPlacesOnce()
    {
        const QList<Mount> mounts = {
            {u"/"_s, "ext4"},        {u"/boot"_s, "ext4"},          {u"/boot/efi"_s, "vfat"},
            {u"/media/B"_s, "vfat"}, {u"/run/media/u/A"_s, "vfat"}, {u"/media/B"_s, "fuse.fusefat"},
            {u"/optical"_s, "vfat"}, {u"/media/r"_s, "tmpfs"},      {u"/media/q"_s, ""},
        };
        const QList<Place> list = places(mounts, {u"/tmp/d"_s, u"/run/media/u/A"_s, u"/tmp/d"_s});
        QStringList seen;
        for (const Place &place : list)
            seen << place.path + (place.mounted ? u" mounted"_s : u""_s);
        QCOMPARE(seen, QStringList({u"/media/B mounted"_s, u"/run/media/u/A mounted"_s,
                                    u"/optical mounted"_s, u"/tmp/d"_s}));
    }

    void showsEntries_data()
    {
        QTest::addColumn<Place>("place");
        QTest::addColumn<QString>("locale");
        QTest::addColumn<QString>("text"); // empty: left out
        QTest::addColumn<bool>("pspStick");
        QTest::addColumn<bool>("selectable");
        const QString root = u"/media/u/STICK"_s;
        const auto row = [&](const char *name, const Place &place, const char *locale,
                             const QString &text, bool psp, bool selectable) {
            QTest::newRow(name) << place << QString::fromLatin1(locale) << text << psp
                                << selectable;
        };
        const auto answered = [&](const VolumeFacts &f) {
            return Place{root, true, ProbeState::Answered, f};
        };
        const QString sizes = u"1.2 GiB free of 2.0 GiB"_s;
        row("label, PSP stick, free, total", answered(facts(root, true, u"PSPCARD"_s)), "C",
            u"PSPCARD, PSP memory stick, "_s + sizes, true, true);
        row("not a PSP stick, named by its folder; the locale's numbers",
            answered(facts(root, false)), "de_DE",
            u"STICK, not a PSP stick, 1,2 GiB free of 2,0 GiB"_s, false, true);
        row("a PSP stick too full: 64 blocks of 32 KiB are 2 MiB",
            answered(facts(root, true, {}, (2 << 20) - 1)), "C",
            u"STICK, too full, 2.0 MiB free of 2.0 GiB"_s, true, true);
        row("a mount hidden by a later one", answered(facts(u"/media"_s)), "C", {}, false, false);
        row("a mount that can't be read", answered(VolumeFacts{}), "C", {}, false, false);
        row("not answering, though a PSP stick before",
            Place{root, true, ProbeState::NotAnswering, facts(root, true)}, "C",
            u"STICK (not answering)"_s, false, false);
    }
    void showsEntries()
    {
        QFETCH(Place, place);
        QFETCH(QString, locale);
        QFETCH(QString, text);
        // Three files of 1 byte and 61 folders: 64 allocation units, 32 KiB each on FAT.
        const PayloadNeeds needs{{1, 1, 1}, 61};
        const QList<Entry> list = entries({place}, QLocale(locale), needs);
        QCOMPARE(list.size(), text.isEmpty() ? 0 : 1);
        if (list.isEmpty())
            return;
        QCOMPARE(list[0].text(), text);
        QCOMPARE(list[0].drive, place.path);
        QTEST(list[0].pspStick, "pspStick");
        QTEST(list[0].selectable, "selectable");
    }

    // Each step ("|" apart) is the entries listed then ("A* B! c", see entriesOf) or the
    // user's pick ("=B"); `chosen` is the choice after each step.
    void choosesAsVolumesComeAndGo_data()
    {
        QTest::addColumn<QString>("firstDrive");
        QTest::addColumn<QStringList>("steps");
        QTest::addColumn<QStringList>("chosen");
        const auto row = [](const char *name, const char *first, const char *steps,
                            const char *chosen) {
            QTest::newRow(name) << QString::fromLatin1(first)
                                << QString::fromLatin1(steps).split(u'|')
                                << QString::fromLatin1(chosen).split(u'|');
        };
        row("the first --drive wins over a PSP stick", "d", "A* d e|A* B* d e", "d|d");
        row("else the first PSP stick, as one appears", "", "A|A B|A B* C*", "||B");
        row("the chosen one goes: no other; then back", "", "A* B*|=B|A*|A* B|A* B*", "A|B|||B");
        row("kept at a new place", "", "A B|=B|C B A|C B A", "|B|B|B");
        row("stops answering, then answers", "", "A*|A!|A*", "A||A");
        row("one not answering can't be picked", "", "A B!|=B|=A", "||A");
    }

    void choosesAsVolumesComeAndGo()
    {
        QFETCH(QString, firstDrive);
        QFETCH(QStringList, steps);
        DriveChoice choice(firstDrive);
        QStringList chosen;
        for (const QString &step : std::as_const(steps)) {
            const QList<Entry> before = choice.entries();
            const QString drive = choice.drive();
            if (step.startsWith(u'=')) {
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
        const Place a{u"/media/A"_s, true, {}, {}};
        const Place b{u"/media/B"_s, true, {}, {}};
        VolumeProbes probes;
        QCOMPARE(probes.want({a, b}, t0), QStringList({a.path, b.path}));
        QCOMPARE(probes.seen(a, t0).state, ProbeState::Pending);
        QVERIFY(!probes.answered(a.path, facts(a.path), t0 + 1s));
        QCOMPARE(probes.seen(a, t0 + 1s).facts, facts(a.path));

        QCOMPARE(probes.want({a, b}, t0 + 1s), QStringList({a.path})); // B's look still runs
        QCOMPARE(probes.seen(b, t0 + 1999ms).state, ProbeState::Pending);
        QCOMPARE(probes.nextDeadline(t0 + 1999ms), t0 + 2s);
        QCOMPARE(probes.seen(b, t0 + 2s).state, ProbeState::NotAnswering);
        QCOMPARE(probes.seen(a, t0 + 2s).state, ProbeState::Answered); // its last answer meanwhile
        QCOMPARE(probes.nextDeadline(t0 + 2s), t0 + 3s);

        QVERIFY(!probes.answered(a.path, facts(a.path), t0 + 2500ms));
        QVERIFY(probes.answered(b.path, facts(b.path), t0 + 10s)); // and again, as wanted
        QCOMPARE(probes.seen(b, t0 + 11s).state, ProbeState::Answered);
        QCOMPARE(probes.seen(b, t0 + 12s).state, ProbeState::NotAnswering);
    }

    // The drive's volume, mounted at `mountedAt` (none: the service has no volume), with the
    // `traits` named, is ejected by the steps `taken`; the step named `failing` fails. Without
    // steps no eject is offered.
    void ejectsAsTheServiceAllows_data()
    {
        QTest::addColumn<QString>("mountedAt");
        QTest::addColumn<QString>("traits");
        QTest::addColumn<QString>("failing");
        QTest::addColumn<QStringList>("taken");
        QTest::addColumn<QString>("text");
        const auto row = [](const char *name, const QString &mountedAt, const QString &traits,
                            const QString &failing, const QStringList &taken, const QString &text) {
            QTest::newRow(name) << mountedAt << traits << failing << taken << text;
        };
        const QString unmount = u"Unmount /b/sdb1"_s;
        const QString ejected = u"The stick was ejected. You can now leave USB mode on the PSP."_s;
        const QString notManaged = "The stick was not ejected: the system's disk service does "
                                   u"not manage /media/u/PSP."_s;
        row("no service, or not its volume", {}, {}, {}, {}, notManaged);
        row("mounted elsewhere", u"/media/u/PSP2 /media/u"_s, u"powerOff"_s, {}, {}, notManaged);
        row("a system disk", u"/media/u/PSP"_s, u"system powerOff"_s, {}, {},
            u"The stick was not ejected: /media/u/PSP is on one of the system's own disks."_s);
        row("a loop device: the unmount only", u"/media/u/PSP"_s, u"loop powerOff"_s, {}, {unmount},
            ejected);
        row("power off rather than eject", u"/mnt/x /media/u/PSP/"_s, u"powerOff ejectable"_s, {},
            {unmount, u"PowerOff /d/stick"_s}, ejected);
        row("eject", u"/media/u/PSP"_s, u"ejectable"_s, {}, {unmount, u"Eject /d/stick"_s},
            ejected);
        row("neither: the unmount only", u"/media/u/PSP"_s, {}, {}, {unmount}, ejected);
        row("busy", u"/media/u/PSP"_s, u"powerOff"_s, u"Unmount"_s, {unmount},
            u"The stick could not be ejected: Error unmounting /dev/sdz1: target is busy. Close "
            "the programs that use it, then eject it from your file manager."_s);
    }
    void ejectsAsTheServiceAllows()
    {
        QFETCH(QString, mountedAt);
        QFETCH(QString, traits);
        QFETCH(QString, failing);
        QFETCH(QStringList, taken);
        RecordingDiskService service;
        service.failing = failing;
        if (!mountedAt.isEmpty())
            service.managed = {{u"/b/sda1"_s, {u"/"_s}, true, false, u"/d/disk"_s, false, false},
                               {u"/b/sdb1"_s, mountedAt.split(u' '), traits.contains(u"system"_s),
                                traits.contains(u"loop"_s), u"/d/stick"_s,
                                traits.contains(u"powerOff"_s), traits.contains(u"ejectable"_s)}};
        QCOMPARE(ejectOffered(service, u"/media/u/PSP"_s), !taken.isEmpty());
        QCOMPARE(service.taken, QStringList());
        const EjectOutcome outcome = ejectAfter(service, u"/media/u/PSP"_s);
        QCOMPARE(service.taken, taken);
        QCOMPARE(outcome.state, taken.isEmpty()     ? EjectOutcome::State::NotOffered
                                : failing.isEmpty() ? EjectOutcome::State::Ejected
                                                    : EjectOutcome::State::Failed);
        QTEST(outcome.text, "text");
    }
};

QTEST_GUILESS_MAIN(DrivesTest)
#include "tst_drives.moc"
