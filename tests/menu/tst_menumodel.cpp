#include "menu_bar/menumodel.h"
#include "menutestfiles.h"
#include "textlines.h"

#include <QDir>
#include <QTemporaryDir>
#include <QTest>
#include <algorithm>

using namespace orvex::menubar;
using orvex::menufile::ReadStatus;

namespace {

// Every item as "slot|caption|name", slots in order, items top to bottom.
QStringList itemsOf(const Menus &menus)
{
    QStringList items;
    for (int slot = 0; slot < slotCount; ++slot) {
        for (const Item &item : menus.items[slot])
            items.append(QStringLiteral("%1|%2|%3").arg(slot).arg(item.caption, item.name));
    }
    return items;
}

QByteArray titlesWithOneItemEach(int titles)
{
    QByteArray file;
    for (int title = 0; title < titles; ++title)
        file += QStringLiteral("M%1!T%1\r\nI%1!....Item%1\r\n").arg(title).toLatin1();
    return file;
}

} // namespace

class MenuModelTest : public QObject
{
    Q_OBJECT

private slots:
    void buildsTitlesAndItems_data();
    void buildsTitlesAndItems();
    void capsTitlesAndItemsAt32767();
    void loadsFromTheApplicationFolder_data();
    void loadsFromTheApplicationFolder();
};

void MenuModelTest::buildsTitlesAndItems_data()
{
    QTest::addColumn<QByteArray>("file");
    QTest::addColumn<QStringList>("titles");
    QTest::addColumn<QStringList>("items");

    QTest::newRow("sample") << sampleMenuFile << QStringList{"File", "Help!"}
                            << QStringList{"0|Open|OpenItem", "0|Wait....|WaitItem"};
    QTest::newRow("empty file keeps design title")
        << QByteArray() << QStringList{"Menu"} << QStringList();
    QTest::newRow("separator alone is an empty title")
        << QByteArray("!\r\n") << QStringList{""} << QStringList();
    QTest::newRow("one title, no items")
        << QByteArray("FileMenu!File\r\n") << QStringList{"File"} << QStringList();
    QTest::newRow("blank lines are empty titles")
        << QByteArray("A!One\r\n\r\nx!....Under blank\r\n\nB!Two")
        << QStringList{"One", "", "", "Two"} << QStringList{"1|Under blank|x"};
    QTest::newRow("title without separator")
        << QByteArray("Plain\r\nx!....Item\r\n") << QStringList{"Plain"} << QStringList{"0|Item|x"};
    QTest::newRow("item without separator has no name")
        << QByteArray("T!Top\r\nOpenItem!....Open\r\n....Loose\r\n") << QStringList{"Top"}
        << QStringList{"0|Open|OpenItem", "0|Loose|"};
    QTest::newRow("items before the first title are dropped")
        << QByteArray("a!....x\r\nb!....y\r\nT!Top\r\nc!....z\r\n") << QStringList{"Top"}
        << QStringList{"0|z|c"};
    QTest::newRow("only items keep design title")
        << QByteArray("a!....x\r\nb!....y") << QStringList{"Menu"} << QStringList();
    QTest::newRow("three items under one title")
        << QByteArray("T!Top\r\na!....A\r\nb!....B\r\nc!....C\r\n") << QStringList{"Top"}
        << QStringList{"0|A|a", "0|B|b", "0|C|c"};
    QTest::newRow("every level is one deep")
        << QByteArray("T!Top\r\nx!........Deep\r\ny!....Flat\r\nz!............Deeper")
        << QStringList{"Top"} << QStringList{"0|Deep|x", "0|Flat|y", "0|Deeper|z"};
    QTest::newRow("fewer than four dots is a title")
        << QByteArray("T!Top\r\nx!...Three\r\ny!.....Five") << QStringList{"Top", "...Three"}
        << QStringList{"1|.Five|y"};
    QTest::newRow("second item of the third menu")
        << QByteArray("A!A\r\nB!B\r\nC!C\r\nf!....First\r\ns!....Second\r\n")
        << QStringList{"A", "B", "C"} << QStringList{"2|First|f", "2|Second|s"};

    QStringList nineTitles;
    QStringList eightItems;
    for (int title = 0; title < 9; ++title) {
        nineTitles.append(QStringLiteral("T%1").arg(title));
        if (title < slotCount)
            eightItems.append(QStringLiteral("%1|Item%1|I%1").arg(title));
    }
    QTest::newRow("ninth title has no items")
        << titlesWithOneItemEach(9) << nineTitles << eightItems;
}

void MenuModelTest::buildsTitlesAndItems()
{
    QFETCH(QByteArray, file);
    QFETCH(QStringList, titles);
    QFETCH(QStringList, items);
    const Menus menus = build(orvex::textlines::split(file));
    QCOMPARE(menus.titles, titles);
    QCOMPARE(itemsOf(menus), items);
    for (int slot = 0; slot < slotCount; ++slot) {
        const QString slotPrefix = QStringLiteral("%1|").arg(slot);
        const bool listed = std::any_of(items.cbegin(), items.cend(), [&](const QString &item) {
            return item.startsWith(slotPrefix);
        });
        QCOMPARE(menus.hasFileItems(slot), listed);
    }
}

void MenuModelTest::capsTitlesAndItemsAt32767()
{
    // Title A gets two items past the cap; B's item is stored again (the title
    // restarts the count); after the last title that fits, a further title and
    // the item under it are ignored.
    QStringList lines{"A!A"};
    for (int item = 0; item < countLimit + 2; ++item)
        lines.append(QStringLiteral("n!....i%1").arg(item));
    lines.append({"B!B", "m!....b0"});
    for (int title = 2; title < countLimit + 1; ++title)
        lines.append(QStringLiteral("!t%1").arg(title));
    lines.append("m!....past");

    const Menus menus = build(lines);
    QCOMPARE(menus.titles.size(), countLimit);
    QCOMPARE(menus.titles.last(), QStringLiteral("t%1").arg(countLimit - 1));
    QCOMPARE(menus.items[0].size(), countLimit);
    QCOMPARE(menus.items[0].last().caption, QStringLiteral("i%1").arg(countLimit - 1));
    QCOMPARE(menus.items[1], QList<Item>({Item{"b0", "m"}}));
}

void MenuModelTest::loadsFromTheApplicationFolder_data()
{
    QTest::addColumn<QString>("kind");
    QTest::addColumn<ReadStatus>("status");
    QTest::addColumn<QStringList>("titles");
    QTest::newRow("no file") << "missing" << ReadStatus::Missing << QStringList{"Menu"};
    QTest::newRow("folder named menu.txt")
        << "folder" << ReadStatus::Missing << QStringList{"Menu"};
    QTest::newRow("sample") << "sample" << ReadStatus::Loaded << QStringList{"File", "Help!"};
    QTest::newRow("unreadable") << "unreadable" << ReadStatus::Unreadable << QStringList{"Menu"};
}

void MenuModelTest::loadsFromTheApplicationFolder()
{
    QFETCH(QString, kind);
    QFETCH(ReadStatus, status);
    QFETCH(QStringList, titles);
    QTemporaryDir dir;
    const QString file = dir.filePath("menu.txt");
    if (kind == "folder")
        QVERIFY(QDir(dir.path()).mkdir("menu.txt"));
    else if (kind == "sample")
        QVERIFY(writeBytes(file, sampleMenuFile));
    else if (kind == "unreadable")
        QVERIFY(QFile::link(QStringLiteral("/proc/self/mem"), file)); // opens, then fails to read

    const LoadResult result = load(dir.path());
    QCOMPARE(result.path, file);
    QCOMPARE(result.status, status);
    QCOMPARE(result.menus.titles, titles);
    QCOMPARE(result.menus.hasFileItems(0), status == ReadStatus::Loaded);
    if (status == ReadStatus::Unreadable) {
        QCOMPARE(result.error, QStringLiteral("Input/output error"));
        QCOMPARE(result.warning(),
                 QStringLiteral("warning: cannot read the menu file %1 (Input/output error); "
                                "the design menus stay")
                     .arg(file));
    } else {
        QVERIFY(result.warning().isEmpty());
    }
}

QTEST_GUILESS_MAIN(MenuModelTest)
#include "tst_menumodel.moc"
