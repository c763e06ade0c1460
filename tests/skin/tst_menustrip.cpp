// The menu strip on its own, in a shown window: the ways a menu opens (a left
// click, F10, Alt and a first letter, Left and Right from an open menu), the
// highlighted title, and the item reported.
#include "menustrip_p.h"
#include "surface_p.h"
#include "testfiles.h"

#include <OrvexSkin/MenuPresenter>
#include <QLabel>
#include <QMenu>
#include <QTemporaryDir>
#include <QTest>
#include <QTimer>
#include <functional>
#include <memory>

using orvex::MenuStrip;

namespace {

// Titles File, Edit, Help, Hints. Hints has no items: its menu keeps the
// design item, which has no name.
const QByteArray menuFile = "FileMenu!File\r\nNewItem!....New\r\nQuitItem!....Quit\r\n"
                            "EditMenu!Edit\r\nCopyItem!....Copy\r\nHelpMenu!Help\r\n"
                            "HintsMenu!Hints\r\n";

// Shows pop-up menus through a function of the test's.
class MenusByFunction final : public orvex::MenuPresenter
{
public:
    QAction *exec(QMenu *menu, const QPoint &) override { return show(menu); }
    std::function<QAction *(QMenu *)> show;
};

// The strip on a shown window of its own, with the test's menus.
struct StripWindow
{
    StripWindow()
    {
        QVERIFY(testfiles::write(folder.filePath(QStringLiteral("menu.txt")), menuFile));
        strip = std::make_unique<MenuStrip>(&window);
        strip->LoadMenus(folder.path());
        strip->setPresenter(&menus);
        strip->menuBar()->place(QRect(6, 26, 400, 16));
        window.resize(420, 120);
        window.show();
        QVERIFY(QTest::qWaitForWindowActive(&window));
    }

    QTemporaryDir folder;
    QWidget window;
    std::unique_ptr<MenuStrip> strip;
    MenusByFunction menus;
};

QRgb at(QWidget *widget, QPoint point)
{
    return widget->grab().toImage().pixel(point) & 0xffffff;
}

} // namespace

class MenuStripTest : public QObject
{
    Q_OBJECT

private slots:
    void waysIntoTheMenus_data()
    {
        QTest::addColumn<QString>("way"); // keys typed, or click:N on title N
        QTest::addColumn<QStringList>(
            "answers");                         // per menu shown: a key for it, or a row to choose
        QTest::addColumn<QStringList>("shown"); // item array name and active row per menu shown
        QTest::addColumn<QStringList>("reported");
        QTest::addColumn<bool>("stripShown");
        const QStringList none;
        QTest::newRow("F10: the first menu, its first item active")
            << "F10" << QStringList{"1"} << QStringList{"a0"} << QStringList{"QuitItem"} << true;
        QTest::newRow("a left click, then Right round from the last menu")
            << "click:1" << QStringList{"Right", "Right", "Right", "Escape"}
            << QStringList{"b-", "c0", "d0", "a0"} << none << true;
        QTest::newRow("Alt and a first letter, then Left round from the first menu")
            << "Alt+E" << QStringList{"Left", "Left", "0"} << QStringList{"b0", "a0", "d0"} << none
            << true;
        QTest::newRow("a right click") << "click:2" << none << none << none << true;
        QTest::newRow("keys while the strip is hidden")
            << "F10, Alt+E" << none << none << none << false;
    }

    void waysIntoTheMenus()
    {
        QFETCH(QString, way);
        QFETCH(QStringList, answers);
        QFETCH(bool, stripShown);
        StripWindow window;
        MenuStrip *strip = window.strip.get();
        strip->menuBar()->setVisible(stripShown);
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
        QStringList reported;
        connect(strip, &MenuStrip::MenuClick, this,
                [&reported](QString &itemName) { reported << itemName; });

        if (way.startsWith(u"click:")) {
            // Title 1 with the left button; "click:2" is title 1 with the right one.
            const int button = way.sliced(6).toInt();
            QLabel *title = strip->titles()[1];
            QTest::mouseClick(title, Qt::MouseButton(button), {}, title->rect().center());
        } else {
            const QKeySequence keys(way);
            for (int i = 0; i < keys.count(); ++i)
                QTest::keyClick(window.window.windowHandle(), keys[i].key(),
                                keys[i].keyboardModifiers());
        }
        QTEST(shown, "shown");
        QTEST(reported, "reported");
    }

    void enterChoosesTheActiveItemOfARealMenu()
    {
        StripWindow window;
        MenuStrip *strip = window.strip.get();
        strip->setPresenter(nullptr);
        QStringList reported;
        connect(strip, &MenuStrip::MenuClick, this,
                [&reported](QString &itemName) { reported << itemName; });
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
        QCOMPARE(reported, QStringList{"QuitItem"});
    }

    void titleUnderThePointerOrOpenIsHighlighted()
    {
        StripWindow window;
        MenuStrip *strip = window.strip.get();
        orvex::SurfaceWidget *bar = strip->menuBar();
        const QRgb highlight = bar->palette().color(QPalette::Highlight).rgb() & 0xffffff;
        const QRgb plain = bar->surface().backColor().rgb() & 0xffffff;
        QLabel *edit = strip->titles()[1];
        // Beside the text, inside the highlight's margin.
        const QPoint besideEdit(edit->x() - 2, 8);
        QTest::mouseMove(&window.window, bar->mapTo(&window.window, edit->geometry().center()));
        QCOMPARE(at(bar, besideEdit), highlight);
        QTest::mouseMove(&window.window, QPoint(200, 100));
        QCOMPARE(at(bar, besideEdit), plain);

        QList<QRgb> whileOpen;
        window.menus.show = [&](QMenu *) -> QAction * {
            whileOpen << at(bar, besideEdit);
            return nullptr;
        };
        QTest::keyClick(window.window.windowHandle(), Qt::Key_E, Qt::AltModifier);
        QCOMPARE(whileOpen, QList<QRgb>{highlight});
        QCOMPARE(at(bar, besideEdit), plain);
    }
};

QTEST_MAIN(MenuStripTest)
#include "tst_menustrip.moc"
