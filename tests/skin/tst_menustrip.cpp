// The menu strip on its own, in a shown window: the ways a menu opens, the
// highlighted title, and the item reported. MenuVisible is the control's test.
#include "skin/menustrip_p.h"
#include "skin/surface_p.h"
#include "skinhost.h"
#include "testfiles.h"

#include <QLabel>
#include <QMenu>
#include <QTemporaryDir>
#include <QTest>
#include <QTimer>
#include <memory>

using orvex::MenuStrip;

namespace {

// Titles File, Edit, Help, Hints. Hints has no items: its menu keeps the
// design item, which has no name.
const QByteArray menuFile = "FileMenu!File\r\nNewItem!....New\r\nQuitItem!....Quit\r\n"
                            "EditMenu!Edit\r\nCopyItem!....Copy\r\nHelpMenu!Help\r\n"
                            "HintsMenu!Hints\r\n";

// The strip on a shown window of its own, with the test's menus; the items it reports.
struct StripWindow
{
    StripWindow()
    {
        QVERIFY(testfiles::write(folder.filePath(QStringLiteral("menu.txt")), menuFile));
        strip = std::make_unique<MenuStrip>(&window);
        strip->loadMenus(folder.path());
        strip->setPresenter(&menus);
        strip->menuBar()->place(QRect(6, 26, 400, 16));
        QObject::connect(strip.get(), &MenuStrip::MenuClick,
                         [this](QString &name) { reported << name; });
        window.resize(420, 120);
        window.show();
        QVERIFY(QTest::qWaitForWindowActive(&window));
    }

    QTemporaryDir folder;
    QWidget window;
    std::unique_ptr<MenuStrip> strip;
    skinhost::MenusByFunction menus;
    QStringList reported;
};

} // namespace

class MenuStripTest : public QObject
{
    Q_OBJECT

private Q_SLOTS:
    void waysIntoTheMenus_data()
    {
        QTest::addColumn<QString>("way"); // a key typed, or click:N on title N
        // Per menu shown: a key typed into it, or a row to choose.
        QTest::addColumn<QStringList>("answers");
        QTest::addColumn<QStringList>("shown"); // item array name and active row per menu shown
        QTest::addColumn<QStringList>("reported");
        const QStringList none;
        QTest::newRow("F10: the first menu, its first item active")
            << "F10" << QStringList{"1"} << QStringList{"a0"} << QStringList{"QuitItem"};
        QTest::newRow("a left click, then Right round from the last menu")
            << "click:1" << QStringList{"Right", "Right", "Right", "Escape"}
            << QStringList{"b-", "c0", "d0", "a0"} << none;
        QTest::newRow("Alt and a first letter, then Left round from the first menu")
            << "Alt+E" << QStringList{"Left", "Left", "0"} << QStringList{"b0", "a0", "d0"} << none;
        QTest::newRow("a right click") << "click:2" << none << none << none;
    }

    void waysIntoTheMenus()
    {
        QFETCH(QString, way);
        QFETCH(QStringList, answers);
        StripWindow window;
        QStringList shown;
        window.menus.show = [&](QMenu *menu) -> QAction * {
            const QList<QAction *> items = menu->actions();
            shown << items.front()->objectName() +
                         (menu->activeAction()
                              ? QString::number(items.indexOf(menu->activeAction()))
                              : QStringLiteral("-"));
            const QString answer =
                answers.isEmpty() ? QStringLiteral("Escape") : answers.takeFirst();
            if (answer.front().isDigit())
                return items.value(answer.toInt());
            QKeyEvent key(QEvent::KeyPress, QKeySequence(answer)[0].key(), Qt::NoModifier);
            QCoreApplication::sendEvent(menu, &key);
            return nullptr;
        };
        if (way.startsWith(u"click:")) { // on title 1, with that button
            QLabel *title = window.strip->titles()[1];
            QTest::mouseClick(title, Qt::MouseButton(way.sliced(6).toInt()), {},
                              title->rect().center());
        } else {
            const QKeyCombination key = QKeySequence(way)[0];
            QTest::keyClick(window.window.windowHandle(), key.key(), key.keyboardModifiers());
        }
        QTEST(shown, "shown");
        QTEST(window.reported, "reported");
    }

    void enterChoosesTheActiveItemOfARealMenu()
    {
        StripWindow window;
        window.strip->setPresenter(nullptr);
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
        QTest::keyClick(window.window.windowHandle(), Qt::Key_F, Qt::AltModifier);
        QCOMPARE(window.reported, QStringList{"QuitItem"});
    }

    void titleUnderThePointerOrOpenIsHighlighted()
    {
        StripWindow window;
        orvex::SurfaceWidget *bar = window.strip->menuBar();
        const QRgb highlight = bar->palette().color(QPalette::Highlight).rgb() & 0xffffff;
        const QRgb plain = bar->surface().backColor().rgb() & 0xffffff;
        QLabel *edit = window.strip->titles()[1];
        // Beside the text, inside the highlight's margin (on the right too once).
        const auto besideEdit = [&](int x = -2) {
            return skinhost::at(bar->grab().toImage(), edit->x() + x, 8);
        };
        QTest::mouseMove(&window.window, bar->mapTo(&window.window, edit->geometry().center()));
        QVERIFY(besideEdit() == highlight && besideEdit(edit->width() + 1) == highlight);
        QTest::mouseMove(&window.window, QPoint(200, 100));
        QCOMPARE(besideEdit(), plain);

        QList<QRgb> whileOpen;
        window.menus.show = [&](QMenu *) -> QAction * {
            whileOpen << besideEdit();
            return nullptr;
        };
        QTest::keyClick(window.window.windowHandle(), Qt::Key_E, Qt::AltModifier);
        QCOMPARE(whileOpen, QList<QRgb>{highlight});
        QCOMPARE(besideEdit(), plain);
    }
};

QTEST_MAIN(MenuStripTest)
#include "tst_menustrip.moc"
