// The menu strip of a control in a shown window: the ways a menu opens, the
// highlighted title, and the item reported. MenuVisible is the control's test.
#include "skin/skin_p.h"
#include "skinhost.h"
#include "testfiles.h"

#include <QLabel>
#include <QMenu>
#include <QTemporaryDir>
#include <QTest>
#include <QTimer>
#include <memory>

using namespace Qt::StringLiterals;

class MenuStripTest : public QObject
{
    Q_OBJECT

    // Titles File, Edit, Help, Hints. Hints has no items: its menu keeps the
    // design item, which has no name.
    QTemporaryDir m_folder;
    std::unique_ptr<skinhost::SkinnedWindow> m_window;
    orvex::MenuStrip *m_strip = nullptr;
    QStringList m_reported;

private Q_SLOTS:
    void initTestCase()
    {
        QVERIFY(testfiles::write(m_folder.filePath(u"menu.txt"_s),
                                 "FileMenu!File\r\nNewItem!....New\r\nQuitItem!....Quit\r\n"
                                 "EditMenu!Edit\r\nCopyItem!....Copy\r\nHelpMenu!Help\r\n"
                                 "HintsMenu!Hints\r\n"));
    }

    void init()
    {
        m_window = std::make_unique<skinhost::SkinnedWindow>(m_folder.path());
        m_strip = &orvex::SkinPrivate::get(m_window->skin)->m_menus;
        m_reported.clear();
        connect(m_window->skin, &orvex::Skin::MenuClick, this,
                [this](QString &name) { m_reported << name; });
        QVERIFY(QTest::qWaitForWindowActive(&m_window->host));
    }

    void cleanup() { m_window.reset(); }

    void waysIntoTheMenus_data()
    {
        QTest::addColumn<QString>("way"); // a key typed, or click:B with mouse button B
        // Per menu shown: a key typed into it, or a row to choose; Escape after the last.
        QTest::addColumn<QString>("answers");
        QTest::addColumn<QString>("shown"); // item array name and active row per menu shown
        QTest::addColumn<QString>("reported");
        QTest::newRow("a left click on the first title, then Right round from the last menu")
            << u"click:1"_s << u"Right,Right,Right,Right"_s << u"a-1,b0,c0,d0,a0"_s << QString();
        // From the keyboard a menu opens with its first item active.
        QTest::newRow("Alt and a first letter, then Left round from the first menu")
            << u"Alt+E"_s << u"Left,Left,0"_s << u"b0,a0,d0"_s << QString();
        QTest::newRow("a right click") << u"click:2"_s << QString() << QString() << QString();
    }

    void waysIntoTheMenus()
    {
        QFETCH(QString, way);
        QFETCH(QString, answers);
        QStringList toGive = answers.split(u',', Qt::SkipEmptyParts);
        QStringList shown;
        m_window->menus.show = [&](QMenu *menu) -> QAction * {
            const QList<QAction *> items = menu->actions();
            shown << items.front()->objectName() +
                         QString::number(items.indexOf(menu->activeAction()));
            const QString answer = toGive.isEmpty() ? u"Escape"_s : toGive.takeFirst();
            if (answer.front().isDigit())
                return items.value(answer.toInt());
            QKeyEvent key(QEvent::KeyPress, QKeySequence(answer)[0].key(), Qt::NoModifier);
            QCoreApplication::sendEvent(menu, &key);
            return nullptr;
        };
        if (way.startsWith(u"click:")) { // the left button on title 0, the right on title 1
            const int button = way.sliced(6).toInt();
            QLabel *title = m_strip->titles()[button - 1];
            QTest::mouseClick(title, Qt::MouseButton(button), {}, title->rect().center());
        } else {
            const QKeyCombination key = QKeySequence(way)[0];
            QTest::keyClick(m_window->host.windowHandle(), key.key(), key.keyboardModifiers());
        }
        QTEST(shown.join(u','), "shown");
        QTEST(m_reported.join(u','), "reported");
    }

    void enterChoosesTheActiveItemOfARealMenu()
    {
        m_window->skin->setMenuPresenter(nullptr);
        // Types into the menu once it is up.
        QTimer typist;
        connect(&typist, &QTimer::timeout, this, [&typist] {
            if (QWidget *menu = QApplication::activePopupWidget()) {
                typist.stop();
                QTest::keyClick(menu, Qt::Key_Down);
                QTest::keyClick(menu, Qt::Key_Return);
            }
        });
        typist.start(10);
        QTest::keyClick(m_window->host.windowHandle(), Qt::Key_F, Qt::AltModifier);
        QCOMPARE(m_reported, QStringList{u"QuitItem"_s});
    }

    void titleUnderThePointerOrOpenIsHighlighted()
    {
        QWidget &window = m_window->host;
        orvex::SurfaceWidget *bar = m_strip->menuBar();
        const QRgb highlight = bar->palette().color(QPalette::Highlight).rgb() & 0xffffff;
        const QRgb plain = bar->surface().backColor().rgb() & 0xffffff;
        QLabel *edit = m_strip->titles()[1];
        // Beside the text, inside the highlight's margin (on the right too once).
        const auto besideEdit = [&](int x = -2) {
            return skinhost::at(bar->grab().toImage(), edit->x() + x, 8);
        };
        QTest::mouseMove(&window, bar->mapTo(&window, edit->geometry().center()));
        QVERIFY(besideEdit() == highlight && besideEdit(edit->width() + 1) == highlight);
        QTest::mouseMove(&window, QPoint(200, 100));
        QCOMPARE(besideEdit(), plain);

        QList<QRgb> whileOpen;
        m_window->menus.show = [&](QMenu *) -> QAction * {
            whileOpen << besideEdit();
            return nullptr;
        };
        QTest::keyClick(window.windowHandle(), Qt::Key_E, Qt::AltModifier);
        QCOMPARE(whileOpen, QList<QRgb>{highlight});
        QCOMPARE(besideEdit(), plain);
    }
};

QTEST_MAIN(MenuStripTest)
#include "tst_menustrip.moc"
