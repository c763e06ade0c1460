#include "applicationfolder.h"
#include "skin.h"
#include "skintesting.h"
#include "twips.h"

#include <QFile>
#include <QLabel>
#include <QMenu>
#include <QTemporaryDir>
#include <QTest>
#include <memory>

using namespace skintesting;

class SkinMenusTest : public QObject
{
    Q_OBJECT

private slots:
    void init();
    void cleanup();
    void withoutAFileTheDesignMenuStays();
    void oneTitleWithoutItemsKeepsTheDesignItem();
    void titlesStandSideBySide();
    void onlyTheFirstEightTitlesHaveMenus();
    void itemsAndTheirNames();
    void choosingAnItemReportsItsName();
    void aHostHandlerMayChangeTheReportedName();
    void theDesignItemReportsNothing();
    void anUnreadableFileLeavesTheDesignMenus();

private:
    std::unique_ptr<Skin> makeSkin(const QByteArray &menuFile);
    void clickTitle(Skin &skin, int index);

    std::unique_ptr<QTemporaryDir> m_folder;
    ChoosingMenus m_menus;
};

void SkinMenusTest::init()
{
    m_folder = std::make_unique<QTemporaryDir>();
    QVERIFY(m_folder->isValid());
    orvex::ApplicationFolder::setPath(m_folder->path());
    m_menus = ChoosingMenus();
}

void SkinMenusTest::cleanup()
{
    orvex::ApplicationFolder::reset();
}

std::unique_ptr<Skin> SkinMenusTest::makeSkin(const QByteArray &menuFile)
{
    if (!menuFile.isNull()) {
        QFile file(m_folder->filePath(QStringLiteral("menu.txt")));
        if (!file.open(QIODevice::WriteOnly) || file.write(menuFile) != menuFile.size())
            qFatal("cannot write the test menu file");
    }
    auto skin = std::make_unique<Skin>();
    skin->setMenuPresenter(&m_menus);
    return skin;
}

void SkinMenusTest::clickTitle(Skin &skin, int index)
{
    QLabel *title = skin.menuTitles().at(index);
    QTest::mouseClick(title, Qt::LeftButton, {}, title->rect().center());
}

void SkinMenusTest::withoutAFileTheDesignMenuStays()
{
    auto skin = makeSkin(QByteArray());
    QCOMPARE(skin->menuTitles().size(), 1);
    QCOMPARE(skin->menuTitles().front()->text(), QStringLiteral("Menu"));
    clickTitle(*skin, 0);
    QCOMPARE(m_menus.opened, QList<QMenu *>{skin->menu(0)});
    QCOMPARE(skin->menu(0)->actions().size(), 1);
    QVERIFY(skin->menu(0)->actions().front()->text().isEmpty());
    QVERIFY(skin->itemNames(0).isEmpty());
}

void SkinMenusTest::oneTitleWithoutItemsKeepsTheDesignItem()
{
    auto skin = makeSkin("FileMenu!File\r\n");
    QCOMPARE(skin->menuTitles().size(), 1);
    QCOMPARE(skin->menuTitles().front()->text(), QStringLiteral("File"));
    QCOMPARE(skin->menu(0)->actions().size(), 1);
    QVERIFY(skin->menu(0)->actions().front()->text().isEmpty());
}

void SkinMenusTest::titlesStandSideBySide()
{
    auto skin = makeSkin("F!File\r\nH!Help\r\nW!Window\r\n");
    const QList<QLabel *> titles = skin->menuTitles();
    QCOMPARE(titles.size(), 3);
    QCOMPARE(titles[0]->x(), 11); // 165 twips
    for (int j = 1; j < titles.size(); ++j) {
        const double expected =
            orvex::twips::fromPixels(titles[j - 1]->x() + titles[j - 1]->width()) + 200;
        QCOMPARE(titles[j]->x(), orvex::twips::toPixelEdge(expected));
        QCOMPARE(titles[j]->y(), titles[0]->y());
        QCOMPARE(titles[j]->width(), titles[j]->sizeHint().width());
        QVERIFY(!titles[j]->isHidden());
    }

    clickTitle(*skin, 1);
    QCOMPARE(m_menus.opened, QList<QMenu *>{skin->menu(1)});
    const QWidget *menuBar = skin->findChild<QWidget *>(QStringLiteral("MenuBar"));
    // x is the title's offset inside the strip; y is the strip's bottom edge.
    QCOMPARE(m_menus.positions.front(),
             skin->mapToGlobal(QPoint(titles[1]->x(), menuBar->y() + menuBar->height())));
}

void SkinMenusTest::onlyTheFirstEightTitlesHaveMenus()
{
    QByteArray file;
    for (int j = 0; j < 9; ++j)
        file += QStringLiteral("T%1!Title %1\r\nI%1!....Item %1\r\n").arg(j).toLatin1();
    auto skin = makeSkin(file);
    QCOMPARE(skin->menuTitles().size(), 9);
    for (int slot = 0; slot < 8; ++slot) {
        QCOMPARE(skin->menu(slot)->actions().size(), 1);
        QCOMPARE(skin->menu(slot)->actions().front()->text(), QStringLiteral("Item %1").arg(slot));
        QCOMPARE(skin->itemNames(slot), QStringList{QStringLiteral("I%1").arg(slot)});
    }
    clickTitle(*skin, 8);
    QVERIFY(m_menus.opened.isEmpty());
}

void SkinMenusTest::itemsAndTheirNames()
{
    auto skin = makeSkin("Lost!....Before any title\r\n"
                         "FileMenu!File\r\n"
                         "OpenItem!....Open\r\n"
                         "WaitItem!........Wait....\r\n"
                         "x!........Deep\r\n"
                         "HelpMenu!Help!\r\n");
    QCOMPARE(skin->menuTitles().size(), 2);
    QCOMPARE(skin->menuTitles()[1]->text(), QStringLiteral("Help!"));
    QStringList captions;
    for (const QAction *item : skin->menu(0)->actions())
        captions.append(item->text());
    QCOMPARE(captions, (QStringList{"Open", "Wait....", "Deep"}));
    QCOMPARE(skin->itemNames(0), (QStringList{"OpenItem", "WaitItem", "x"}));
    for (const QAction *item : skin->menu(0)->actions())
        QCOMPARE(item->objectName(), QStringLiteral("a"));
    QCOMPARE(skin->menu(1)->actions().size(), 1);
}

void SkinMenusTest::choosingAnItemReportsItsName()
{
    auto skin = makeSkin("A!One\r\na0!....x\r\nB!Two\r\nb0!....y\r\nC!Three\r\n"
                         "c0!....first\r\nc1!....second\r\nc2!....third\r\n");
    QStringList reported;
    connect(skin.get(), &Skin::MenuClick, this,
            [&reported](QString &itemName) { reported.append(itemName); });
    m_menus.choose = 1;
    clickTitle(*skin, 2);
    QCOMPARE(reported, QStringList{QStringLiteral("c1")});
    QCOMPARE(m_menus.opened, QList<QMenu *>{skin->menu(2)});
}

void SkinMenusTest::aHostHandlerMayChangeTheReportedName()
{
    auto skin = makeSkin("A!One\r\nfirst!....Item\r\n");
    QStringList reported;
    connect(skin.get(), &Skin::MenuClick, this, [&reported](QString &itemName) {
        reported.append(itemName);
        itemName = QStringLiteral("renamed");
    });
    m_menus.choose = 0;
    clickTitle(*skin, 0);
    clickTitle(*skin, 0);
    QCOMPARE(reported, (QStringList{"first", "renamed"}));
    QCOMPARE(skin->itemNames(0), QStringList{QStringLiteral("renamed")});
}

void SkinMenusTest::theDesignItemReportsNothing()
{
    auto skin = makeSkin("A!One\r\nB!Two\r\nb!....Item\r\n");
    int reports = 0;
    connect(skin.get(), &Skin::MenuClick, this, [&reports](QString &) { ++reports; });
    m_menus.choose = 0;
    clickTitle(*skin, 0);
    QCOMPARE(m_menus.opened.size(), 1);
    QCOMPARE(reports, 0);
}

void SkinMenusTest::anUnreadableFileLeavesTheDesignMenus()
{
    // A regular file that opens but whose first read fails: page 0 of this
    // process's memory is never mapped.
    QVERIFY(QFile::link(QStringLiteral("/proc/self/mem"),
                        m_folder->filePath(QStringLiteral("menu.txt"))));
    auto skin = makeSkin(QByteArray());
    QCOMPARE(skin->menuTitles().size(), 1);
    QCOMPARE(skin->menuTitles().front()->text(), QStringLiteral("Menu"));
    QCOMPARE(skin->menu(0)->actions().size(), 1);
}

QTEST_MAIN(SkinMenusTest)
#include "tst_skinmenus.moc"
