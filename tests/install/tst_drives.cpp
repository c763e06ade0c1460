// Which volumes the drive list offers and which drive it chooses as volumes
// come and go.
#include "drivechoice.h"

#include <QTest>

using namespace orvex::drives;

namespace {

Volume volume(const QString &root, const QByteArray &type = "vfat", bool psp = false,
              const QString &label = {})
{
    return {root, type, label, 2LL << 30, psp};
}

const Volume stick = volume(QStringLiteral("/media/u/STICK"));
const Volume psp = volume(QStringLiteral("/media/u/PSP"), "fuseblk", true);

} // namespace

class DrivesTest : public QObject
{
    Q_OBJECT

private slots:
    void offersUserVolumesOnly_data()
    {
        QTest::addColumn<QString>("root");
        QTest::addColumn<QByteArray>("type");
        QTest::addColumn<bool>("offered");
        QTest::newRow("system root") << "/" << QByteArray("ext4") << false;
        QTest::newRow("boot") << "/boot" << QByteArray("ext4") << false;
        QTest::newRow("below boot") << "/boot/efi" << QByteArray("vfat") << false;
        QTest::newRow("home") << "/home" << QByteArray("ext4") << false;
        QTest::newRow("user runtime") << "/run/user/1000/doc" << QByteArray("fuse.portal") << false;
        QTest::newRow("removable media") << "/run/media/u/PSP" << QByteArray("vfat") << true;
        QTest::newRow("fuse stick") << "/mnt/psp" << QByteArray("fuse.fusefat") << true;
        QTest::newRow("a name like a system folder") << "/media/usr" << QByteArray("vfat") << true;
        QTest::newRow("memory-backed") << "/media/ram" << QByteArray("tmpfs") << false;
        QTest::newRow("unknown type") << "/media/q" << QByteArray() << false;
    }
    void offersUserVolumesOnly()
    {
        QFETCH(QString, root);
        QFETCH(QByteArray, type);
        QTEST(isOffered(volume(root, type)), "offered");
    }

    void entriesShowLabelOrMountPointAndSize()
    {
        const QList<Entry> list =
            entries({volume(QStringLiteral("/"), "ext4"), psp,
                     volume(QStringLiteral("/media/u/X"), "vfat", false, QStringLiteral("CARD"))},
                    {QStringLiteral("/tmp/stick")});
        QCOMPARE(list.size(), 3);
        QCOMPARE(list[0], (Entry{"/media/u/PSP (2.00 GiB)", psp.rootPath, true}));
        QCOMPARE(list[1], (Entry{"CARD (2.00 GiB)", "/media/u/X", false}));
        QCOMPARE(list[2],
                 (Entry{QStringLiteral("/tmp/stick"), QStringLiteral("/tmp/stick"), false}));
    }

    void choosesAtFirst_data()
    {
        QTest::addColumn<QList<Volume>>("volumes");
        QTest::addColumn<QStringList>("extra");
        QTest::addColumn<QString>("chosen");
        const QStringList extra = {QStringLiteral("/tmp/a"), QStringLiteral("/tmp/b")};
        QTest::newRow("a PSP stick first") << QList{stick, psp} << extra << psp.rootPath;
        QTest::newRow("else the first extra drive") << QList{stick} << extra << extra.first();
        QTest::newRow("else nothing") << QList{stick} << QStringList() << QString();
    }
    void choosesAtFirst()
    {
        QFETCH(QList<Volume>, volumes);
        QFETCH(QStringList, extra);
        DriveChoice choice(extra);
        QVERIFY(choice.update(volumes));
        QTEST(choice.drive(), "chosen");
        QCOMPARE(choice.current() >= 0, !choice.drive().isEmpty());
    }

    void followsMountsKeepingTheChoice()
    {
        DriveChoice choice({});
        QVERIFY(choice.update({stick}));
        QCOMPARE(choice.current(), -1);
        QVERIFY(!choice.update({stick}));

        QVERIFY(choice.update({stick, psp})); // appears while nothing is chosen
        QCOMPARE(choice.drive(), psp.rootPath);

        choice.choose(0);
        QCOMPARE(choice.drive(), stick.rootPath);
        QVERIFY(choice.update({volume(QStringLiteral("/media/u/NEW")), stick, psp}));
        QCOMPARE(choice.drive(), stick.rootPath); // kept, at its new place
        QCOMPARE(choice.current(), 1);

        QVERIFY(choice.update({psp})); // the chosen stick went: the PSP takes over
        QCOMPARE(choice.drive(), psp.rootPath);
        QVERIFY(choice.update({}));
        QCOMPARE(choice.drive(), QString());
        choice.choose(5);
        QCOMPARE(choice.current(), -1);
    }
};

QTEST_GUILESS_MAIN(DrivesTest)
#include "tst_drives.moc"
