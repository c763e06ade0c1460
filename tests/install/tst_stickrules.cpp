// The install's rules without a stick: finding and leaving out lines of a
// bookmarks file read block by block, the names FAT can hold, the room an
// install needs, and the passcode.
#include "install/fatnames.h"
#include "install/linescanner.h"
#include "install/passcode.h"
#include "install/room.h"

#include <QtTest>

using namespace Qt::StringLiterals;

using namespace orvex;

class StickRulesTest : public QObject
{
    Q_OBJECT

private Q_SLOTS:
    void scansLines_data()
    {
        QTest::addColumn<QByteArray>("text");
        QTest::addColumn<int>("chosen"); // lines equal to "<A>"
        QTest::addColumn<int>("other");  // lines equal to "<B>"
        QTest::addColumn<bool>("endsWithLineEnd");
        QTest::addColumn<QByteArray>("kept"); // without "<B>" and the second "<A>" on
        QTest::newRow("empty") << QByteArray() << 0 << 0 << true << QByteArray();
        QTest::newRow("every line end") << QByteArray("<A>\r\n<B>\rx\n<B>\r\n<A>") << 2 << 2
                                        << false << QByteArray("<A>\r\nx\n");
        QTest::newRow("a byte-order mark before the first line")
            << QByteArray("\xEF\xBB\xBF<B>\r\n<A>\r\n") << 1 << 1 << true
            << QByteArray("\xEF\xBB\xBF<A>\r\n");
        QTest::newRow("a mark after the start, lines that only begin or end alike")
            << QByteArray("x\n\xEF\xBB\xBF<A>\n<A>x\r\nx<B>\r\n<A\r\n") << 0 << 0 << true
            << QByteArray("x\n\xEF\xBB\xBF<A>\n<A>x\r\nx<B>\r\n<A\r\n");
    }

    // Whatever the blocks the text comes in, even a CR and its LF apart, the same lines
    // are found and the same bytes kept.
    void scansLines()
    {
        QFETCH(QByteArray, text);
        for (const qsizetype blockSize : {1, 2, 3, 4096}) {
            QByteArray kept;
            LineScanner scanner(
                {"<A>", "<B>"},
                [](qsizetype wanted, int before) { return wanted == 0 && before == 0; },
                [&](QByteArrayView bytes) { kept += bytes; });
            for (qsizetype at = 0; at < text.size(); at += blockSize)
                scanner.feed(
                    QByteArrayView(text).sliced(at, std::min(blockSize, text.size() - at)));
            scanner.finish();
            QTEST(scanner.count(0), "chosen");
            QTEST(scanner.count(1), "other");
            QTEST(kept, "kept");
            LineScanner counter({"<A>"});
            counter.feed(text);
            counter.finish();
            QTEST(counter.endsWithLineEnd(), "endsWithLineEnd");
        }
    }

    void fatNames_data()
    {
        QTest::addColumn<QString>("name");
        QTest::addColumn<QString>("why"); // empty: FAT holds it
        QTest::newRow("spaces and accents inside") << u"Ça va .txt"_s << u""_s;
        QTest::newRow("control") << u"a\tb"_s
                                 << u"holds a control character, which the stick cannot store"_s;
        QTest::newRow("too long") << QString(245, u'n')
                                  << u"is longer than 244 characters, the longest name the "
                                     "installer can write to the stick"_s;
    }

    void fatNames()
    {
        QFETCH(QString, name);
        const Status held = fatnames::check(name);
        QTEST(held.ok() ? QString() : held.failure().why(), "why");
    }

    void caseCollisions()
    {
        // Letter by letter, as FAT compares them: "ß" stays apart from "SS".
        QCOMPARE(fatnames::caseCollisions({u"README.TXT"_s, u"a"_s, u"readme.txt"_s, u"Ça"_s,
                                           u"IMG"_s, u"img"_s, u"ça"_s, u"Straße"_s, u"STRASSE"_s}),
                 (QList<QStringList>{{u"IMG"_s, u"img"_s},
                                     {u"README.TXT"_s, u"readme.txt"_s},
                                     {u"Ça"_s, u"ça"_s}}));
    }

    // The shortage, the need and the free room in one unit: the need rounded up, the room down.
    void room_data()
    {
        QTest::addColumn<qint64>("needed");
        QTest::addColumn<qint64>("free");
        QTest::addColumn<QStringList>("figures"); // empty: it fits
        const qint64 mib = 1 << 20;
        QTest::newRow("one byte short")
            << 5 * mib + 1 << 5 * mib << QStringList{u"0.1 MiB"_s, u"5.1 MiB"_s, u"5.0 MiB"_s};
        QTest::newRow("below 1 MiB in KiB") << qint64(102401) << qint64(61439)
                                            << QStringList{u"42 KiB"_s, u"101 KiB"_s, u"59 KiB"_s};
        QTest::newRow("one unit for all")
            << 2 * mib << qint64(1024000) << QStringList{u"1.1 MiB"_s, u"2.0 MiB"_s, u"0.9 MiB"_s};
    }

    void room()
    {
        QFETCH(qint64, needed);
        QFETCH(qint64, free);
        QFETCH(QStringList, figures);
        const Status fits = room::check(needed, free, room::Job::Removal);
        QCOMPARE(fits.ok() ? QString() : fits.failure().why(),
                 figures.isEmpty() ? QString()
                                   : u"The stick needs %1 more: the removal needs %2 and %3 are "
                                     "free. Free at least %1 and try again."_s.arg(
                                         figures[0], figures[1], figures[2]));
    }

    // FAT and FUSE count clusters of 32 KiB at least; files take whole units, each folder one,
    // an empty file none.
    void roomNeeded()
    {
        QCOMPARE(room::allocationUnit(4096, stick::FileSystemKind::Kernel), 4096);
        QCOMPARE(room::allocationUnit(1024, stick::FileSystemKind::UserSpace), 32768);
        QCOMPARE(room::allocationUnit(65536, stick::FileSystemKind::Fat), 65536);
        QCOMPARE(room::needed({1, 100, 101, 0}, 2, 100), 600);
    }

    // A passcode is 4 to 8 digits, and the file the installer writes gives it back; so does
    // one edited by hand, but not a line commented out.
    void passcode()
    {
        for (const QString &valid : {u"0042"_s, u"12345678"_s, passcode::random()}) {
            QVERIFY(passcode::isValid(valid));
            QCOMPARE(passcode::fromFileText(passcode::fileText(valid)), valid);
        }
        for (const QString &invalid : {u"123"_s, u"123456789"_s, u"\u0661\u0662\u0663\u0664"_s}) {
            QVERIFY(!passcode::isValid(invalid));
            QCOMPARE(passcode::fromFileText(passcode::fileText(invalid)), u""_s);
        }
        QCOMPARE(passcode::fromFileText("// set by hand\nvar orvexPasscode = \"1234\";\n"),
                 u"1234"_s);
        QCOMPARE(passcode::fromFileText("// var orvexPasscode = \"1234\";\n"), u""_s);
    }
};

QTEST_GUILESS_MAIN(StickRulesTest)
#include "tst_stickrules.moc"
