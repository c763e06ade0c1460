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
using namespace Qt::StringLiterals;

namespace {

// The strip on a window of its own, with the test's menus: titles File, Edit,
// Help, Hints. Hints has no items: its menu keeps the design item, which has
// no name. Records the items it reports.
struct StripWindow
{
    explicit StripWindow(const QString &folder) : strip(&window)
    {
        strip.LoadMenus(folder);
        strip.setPresenter(&menus);
        strip.menuBar()->place(QRect(6, 26, 400, 16));
        QObject::connect(&strip, &MenuStrip::MenuClick,
                         [this](QString &name) { reported << name; });
        window.resize(420, 120);
    }

    QWidget window;
    MenuStrip strip;
    skinhost::MenusByFunction menus;
    QStringList reported;
};

} // namespace

class MenuStripTest : public QObject
{
    Q_OBJECT

    QTemporaryDir m_folder;
    std::unique_ptr<StripWindow> m_window;

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
        m_window = std::make_unique<StripWindow>(m_folder.path());
        m_window->window.show();
        QVERIFY(QTest::qWaitForWindowActive(&m_window->window));
    }

    void cleanup() { m_window.reset(); }

    void waysIntoTheMenus_data()
    {
        QTest::addColumn<QString>("way"); // a key typed, or click:B with mouse button B
        // Per menu shown: a key typed into it, or a row to choose.
        QTest::addColumn<QStringList>("answers");
        QTest::addColumn<QStringList>("shown"); // item array name and active row per menu shown
        QTest::addColumn<QStringList>("reported");
        const QStringList none;
        QTest::newRow("F10: the first menu, its first item active")
            << u"F10"_s << QStringList{u"1"_s} << QStringList{u"a0"_s}
            << QStringList{u"QuitItem"_s};
        QTest::newRow("a left click on the first title, then Right round from the last menu")
            << u"click:1"_s << QStringList{u"Right"_s, u"Right"_s, u"Right"_s, u"Right"_s}
            << QStringList{u"a-"_s, u"b0"_s, u"c0"_s, u"d0"_s, u"a0"_s} << none;
        QTest::newRow("Alt and a first letter, then Left round from the first menu")
            << u"Alt+E"_s << QStringList{u"Left"_s, u"Left"_s, u"0"_s}
            << QStringList{u"b0"_s, u"a0"_s, u"d0"_s} << none;
        QTest::newRow("a right click") << u"click:2"_s << none << none << none;
    }

    void waysIntoTheMenus()
    {
        QFETCH(QString, way);
        QFETCH(QStringList, answers);
        StripWindow &window = *m_window;
        QStringList shown;
        window.menus.show = [&](QMenu *menu) -> QAction * {
            const QList<QAction *> items = menu->actions();
            shown << items.front()->objectName() +
                         (menu->activeAction()
                              ? QString::number(items.indexOf(menu->activeAction()))
                              : u"-"_s);
            const QString answer = answers.isEmpty() ? u"Escape"_s : answers.takeFirst();
            if (answer.front().isDigit())
                return items.value(answer.toInt());
            QKeyEvent key(QEvent::KeyPress, QKeySequence(answer)[0].key(), Qt::NoModifier);
            QCoreApplication::sendEvent(menu, &key);
            return nullptr;
        };
        if (way.startsWith(u"click:")) { // the left button on title 0, the right on title 1
            const int button = way.sliced(6).toInt();
            QLabel *title = window.strip.titles()[button - 1];
            QTest::mouseClick(title, Qt::MouseButton(button), {}, title->rect().center());
        } else {
            const QKeyCombination key = QKeySequence(way)[0];
            QTest::keyClick(window.window.windowHandle(), key.key(), key.keyboardModifiers());
        }
        QTEST(shown, "shown");
        QTEST(window.reported, "reported");
    }

    void enterChoosesTheActiveItemOfARealMenu()
    {
        StripWindow &window = *m_window;
        window.strip.setPresenter(nullptr);
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
        QCOMPARE(window.reported, QStringList{u"QuitItem"_s});
    }

    void titleUnderThePointerOrOpenIsHighlighted()
    {
        StripWindow &window = *m_window;
        orvex::SurfaceWidget *bar = window.strip.menuBar();
        const QRgb highlight = bar->palette().color(QPalette::Highlight).rgb() & 0xffffff;
        const QRgb plain = bar->surface().backColor().rgb() & 0xffffff;
        QLabel *edit = window.strip.titles()[1];
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
