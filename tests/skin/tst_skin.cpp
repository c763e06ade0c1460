// The control's values (the stored properties, the message request and the box made of it),
// and the control on a real host window: its caption and menu strips, the body's pointer
// events and painting, skin files, the window mask and the host attachment.
#include "core/design/rememberedskin.h"
#include "skin/skin_p.h"
#include "skinhost.h"
#include "testfiles.h"

#include <OrvexSkin/MessageRequest>
#include <OrvexSkin/PropertyBag>
#include <OrvexSkin/QtMessagePresenter>
#include <QAccessible>
#include <QApplication>
#include <QLabel>
#include <QMenu>
#include <QPainter>
#include <QSignalSpy>
#include <QTemporaryDir>
#include <QTest>
#include <QTimer>
#include <QWindow>

using namespace skinhost;
using namespace Qt::StringLiterals;
using namespace orvex;

class SkinTest : public QObject
{
    Q_OBJECT

    // The skin files and menu.txt: titles File, Edit, Help, Hints. Hints has no
    // items: its menu keeps the design item, which has no name.
    QTemporaryDir m_folder;
    std::unique_ptr<SkinnedWindow> m_window;
    QStringList m_reported; // the item names MenuClick reported

    CaptionStrip &caption() const { return SkinPrivate::get(m_window->skin)->m_caption; }
    MenuStrip &menus() const { return SkinPrivate::get(m_window->skin)->m_menus; }

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
        m_window = std::make_unique<SkinnedWindow>(m_folder.path());
        m_reported.clear();
        connect(m_window->skin, &Skin::MenuClick, this,
                [this](QString &name) { m_reported << name; });
        QVERIFY(QTest::qWaitForWindowActive(&m_window->host));
    }

    void cleanup() { m_window.reset(); }

    void keysIgnoreCaseAndDefaultsAreLeftOut()
    {
        PropertyBag bag;
        bag.write(u"caption"_s, u"Title"_s, QString());
        const PropertyBag copy = bag;
        bag.write(u"Caption"_s, u"Other"_s, QString());
        QCOMPARE(bag.keys(), QStringList{u"Caption"_s});
        QCOMPARE(copy.read(u"CAPTION"_s, QString()), u"Title"_s); // the copy kept its own
        bag.write(u"CAPTION"_s, QString(), QString());            // back to the default: left out
        bag.write(u"flag"_s, true, true);
        QCOMPARE(bag.keys(), QStringList());
        bag.write(u"count"_s, 8, 7);
        QCOMPARE(bag.read(u"count"_s, false), QVariant(true)); // a number read as yes/no
    }

    void textFormRoundTripsExactly()
    {
        QImage picture(3, 2, QImage::Format_RGB32);
        picture.fill(QColor(10, 20, 30));
        PropertyBag bag;
        bag.write(u"caption"_s, u"Tab\t\"q\" \u00e9 \\ line\r\nend"_s, QString());
        bag.write(u"rememberskin"_s, true, false);
        bag.write(u"_extentx"_s, 10848, 0);
        bag.writePicture(u"Skin"_s, picture);
        const auto restored = PropertyBag::fromText(bag.toText());
        QVERIFY(restored && *restored == bag);
        QCOMPARE(restored->toText(), bag.toText());
        const QImage back = restored->readPicture(u"SKIN"_s, QImage());
        QCOMPARE(back.convertToFormat(QImage::Format_RGB32), picture);
        QCOMPARE(restored->read(u"skin"_s, u"none"_s), QVariant(u"none"_s));
        QVERIFY(restored->readPicture(u"caption"_s, QImage()).isNull());
        const auto numbers = PropertyBag::fromText(
            R"({"a": 2147483647, "b": 2147483648, "c": 1.5, "d": -2147483649, "e": -2147483648})");
        // Only whole 32-bit numbers.
        QVERIFY(numbers && numbers->keys() == (QStringList{u"a"_s, u"e"_s}));
        for (const char *text : {"caption = x", "[1]", R"({"s": {"bmp": 5}})", R"({"c": null})"}) {
            QString error;
            QVERIFY2(!PropertyBag::fromText(text, &error) && !error.isEmpty(), text);
        }
    }

    void boxShowsEveryPart_data()
    {
        QTest::addColumn<MessageRequest>("request");
        QTest::addColumn<QString>("shown"); // the title, then as screen readers meet the box
        MessageRequest question(u"Stick"_s, u"<b>Go?</b>"_s, MessageIcon::Warning,
                                MessageButtons::YesNo, MessageAnswer::No);
        question.setInformativeText(u"<i>old</i>"_s);
        question.setButtonLabel(MessageAnswer::Yes, u"Replace"_s);
        QTest::newRow("question, No by default")
            << question
            << u"Stick: icon Warning, <b>Go?</b>, <i>old</i>, qt_msgbox_buttonbox (Replace, No)"_s;
        MessageRequest note(u"Stick"_s, u"Done."_s, MessageIcon::Information);
        note.setButtonLabel(MessageAnswer::Ok, u"Close"_s);
        note.setIconAccessibleName(u"Tick"_s);
        QTest::newRow("note") << note << u"Stick: icon Tick, Done., qt_msgbox_buttonbox (Close)"_s;
    }

    // Texts as plain text (a rich one would read without its tags), the
    // labels and the icon's name given, the informative text read right after
    // the text; Enter gives the default answer.
    void boxShowsEveryPart()
    {
        QFETCH(MessageRequest, request);
        QString shown;
        QTimer::singleShot(0, this, [&shown] {
            QWidget *box = QApplication::activeModalWidget();
            const QAccessibleInterface *read = QAccessible::queryAccessibleInterface(box);
            shown = read->text(QAccessible::Name) + u": "_s + readOut(read);
            QTest::keyClick(box, Qt::Key_Return);
        });
        const MessageAnswer answer = QtMessagePresenter().show(request);
        QTEST(shown, "shown");
        QCOMPARE(answer, request.defaultAnswer());
    }

    // Screen readers hear the icon's severity, unless the caller names it (as the box's rows do).
    void iconNamesFollowTheSeverity()
    {
        QStringList names;
        for (const MessageIcon icon : {MessageIcon::Critical, MessageIcon::Warning,
                                       MessageIcon::Information, MessageIcon::None})
            names << MessageRequest(u"T"_s, u"x"_s, icon).iconAccessibleName();
        QCOMPARE(names, (QStringList{u"Error"_s, u"Warning"_s, u"Information"_s, QString()}));
    }

    // At a density of 2 the screen gets each of the surface's pixels once.
    void surfaceShowsEachDevicePixel()
    {
        Surface surface;
        surface.resize(QSize(2, 1), 2);
        surface.image().setPixel(3, 1, 0x123456);
        QImage screen(4, 2, QImage::Format_RGB32);
        screen.setDevicePixelRatio(2);
        QPainter painter(&screen);
        surface.show(painter, QRect(0, 0, 1, 1));
        surface.show(painter, QRect(1, 0, 1, 1));
        painter.end();
        QCOMPARE(screen, surface.image());
    }

    void buttonUnderThePointerLightsUp()
    {
        SurfaceWidget *titleBar = caption().titleBar();
        mouse(QTest::MouseMove, titleBar, closePoint);
        QCOMPARE(at(titleBar->grab().toImage(), 386, 12), closeHover); // painted on the screen
        mouse(QTest::MouseMove, titleBar, minimisePoint);
        QCOMPARE(at(titleBar->surface().image(), 386, 12), closeNormal);
        QCOMPARE(at(titleBar->surface().image(), 358, 12), minimiseHover);
    }

    void captionPressActsWithAnyButton_data()
    {
        QTest::addColumn<QPoint>("point");
        QTest::addColumn<Qt::MouseButton>("button");
        QTest::addColumn<bool>("shown");
        QTest::addColumn<bool>("minimised");
        QTest::newRow("close, right button") << closePoint << Qt::RightButton << false << false;
        QTest::newRow("minimise") << minimisePoint << Qt::LeftButton << true << true;
        QTest::newRow("empty strip") << stripPoint << Qt::LeftButton << true << false;
    }

    void captionPressActsWithAnyButton()
    {
        QFETCH(QPoint, point);
        QFETCH(Qt::MouseButton, button);
        mouse(QTest::MousePress, caption().titleBar(), point, button);
        QTEST(m_window->host.isVisible(), "shown");
        QTEST(m_window->host.windowState().testFlag(Qt::WindowMinimized), "minimised");
        mouse(QTest::MouseRelease, caption().titleBar(), point, button);
    }

    void doubleClickMaximisesWithTheMaximiseButtonOnly()
    {
        for (const bool buttonMax : {false, true}) {
            m_window->skin->setButtonMax(buttonMax);
            QSignalSpy doubleClicked(&caption(), &CaptionStrip::doubleClicked);
            mouse(QTest::MouseDClick, caption().titleBar(), stripPoint, Qt::LeftButton);
            QCOMPARE(m_window->host.windowState().testFlag(Qt::WindowMaximized), buttonMax);
            QCOMPARE(doubleClicked.count(), 1);
        }
    }

    void dragsOfTheFreeCaptionStripMoveTheHost()
    {
        QWidget &host = m_window->host;
        QWidget *titleBar = caption().titleBar();
        drag(titleBar, stripPoint, stripPoint + QPoint(37, 23));
        QCOMPARE(host.pos(), QPoint(77, 53));
        // The caption text moves the host as the strip does, at its own x.
        drag(titleBar->findChild<QLabel *>(u"CapLabel"_s), QPoint(2, 2), QPoint(12, 2));
        QCOMPARE(host.pos(), QPoint(87, 53));
        // Over the close button the strip lights it instead.
        drag(titleBar, closePoint, closePoint + QPoint(-1, 5));
        QCOMPARE(host.pos(), QPoint(87, 53));
        host.setWindowState(Qt::WindowMaximized);
        const QPoint maximisedAt = host.pos();
        drag(titleBar, stripPoint, stripPoint + QPoint(37, 23));
        QCOMPARE(host.pos(), maximisedAt);
    }

    void bodyIsPaintedAndFollowsTheMaximisedHost()
    {
        Skin *skin = m_window->skin;
        skin->setSkin(makeSkin(false, 0x123456));
        // A full repaint draws the left edge from the window's first column.
        const QImage screen = skin->grab().toImage();
        QCOMPARE(at(screen, 0, 150), frameLeft);
        QCOMPARE(at(screen, 200, 150), QRgb(0x123456));
        mouse(QTest::MouseClick, caption().titleBar(), QPoint(374, 10), Qt::LeftButton);
        // The window grows later; the control follows, showing the restore cell.
        QTRY_VERIFY(m_window->host.width() > 400);
        QTRY_COMPARE(skin->size(), m_window->host.size());
        QCOMPARE(at(caption().titleBar()->surface().image(), m_window->host.width() - 28, 12),
                 restoreNormal);
    }

    void bodyReportsMouseEventsAndResizesFromTheCorner()
    {
        QWindow *handle = m_window->host.windowHandle();
        QSignalSpy down(m_window->skin, &Skin::MouseDown);
        QSignalSpy moved(m_window->skin, &Skin::MouseMove);
        // Button 1 left, 2 right, 4 middle; Shift 1 Shift, 2 Ctrl, 4 Alt; twips.
        QTest::mousePress(handle, Qt::RightButton, Qt::ShiftModifier | Qt::AltModifier, {200, 150});
        QTest::mousePress(handle, Qt::MiddleButton, {}, {200, 150});
        QTest::mouseEvent(QTest::MouseMove, handle, Qt::NoButton, Qt::ControlModifier, {100, 50});
        QTest::mouseRelease(handle, Qt::MiddleButton, {}, {100, 50});
        QTest::mouseRelease(handle, Qt::RightButton, {}, {100, 50});
        QCOMPARE(down.first(), (QVariantList{2, 5, 3000, 2250}));
        QCOMPARE(moved.last(), (QVariantList{6, 2, 1500, 750}));
        // Every step stays in the corner zone (the last 13 pixels): a move out of
        // it before the resize starts drags the window instead.
        drag(m_window->skin, QPoint(398, 298), QPoint(390, 294));
        QTRY_COMPARE(m_window->host.geometry(), QRect(40, 30, 390, 294));
        QTRY_COMPARE(m_window->skin->size(), QSize(390, 294));
    }

    void withoutAHostOnlyTheHintShows()
    {
        RecordingMessagePresenter messages;
        QWidget host;
        auto *skin = new Skin(m_folder.path(), &host);
        skin->setMessagePresenter(&messages);
        host.show();
        QVERIFY(QTest::qWaitForWindowExposed(&host));
        mouse(QTest::MouseMove, skin->findChild<QWidget *>(u"TitleBar"_s), stripPoint);
        QCOMPARE(messages.requests().size(), 1);
        QCOMPARE(messages.requests().front().text, SkinPrivate::attachHintText());
        // A resize from the body's corner has no host to act on.
        const QPoint corner = skin->rect().bottomRight();
        drag(skin, corner - QPoint(2, 2), corner - QPoint(6, 4));
        QCOMPARE(skin->rect().bottomRight(), corner);
    }

    // The host's children keep their mouse events and show the arrow unless they
    // chose a pointer, the control excepted; a shown host stays shown when it
    // loses its frame.
    void hostAttachmentGuardsChildrenAndLosesTheFrame()
    {
        QWidget host;
        auto *control = new QWidget(&host);
        auto *plain = new QWidget(&host);
        auto *text = new QWidget(&host);
        text->setCursor(Qt::IBeamCursor);
        HostAttachment attachment(control);
        attachment.attach(&host);
        attachment.watchHost();
        auto *later = new QWidget(&host);
        host.show();
        QVERIFY(QTest::qWaitForWindowExposed(&host));
        for (QWidget *child : {plain, text, later})
            QVERIFY(child->testAttribute(Qt::WA_NoMousePropagation) &&
                    child->cursor().shape() == (child == text ? Qt::IBeamCursor : Qt::ArrowCursor));
        QVERIFY(!control->testAttribute(Qt::WA_NoMousePropagation) &&
                !control->testAttribute(Qt::WA_SetCursor));
        attachment.makeBorderless();
        QVERIFY(host.isVisible() && host.windowFlags().testFlag(Qt::FramelessWindowHint));
    }

    // A skin file is loaded and remembered, with its doubled drawing beside it when
    // that is twice its size; a picture the host puts in has none.
    void changeSkinLoadsAndRemembers()
    {
        const QString path = m_folder.filePath(u"rounded.png"_s);
        const QImage picture = makeSkin(true, 0x336699);
        QImage doubled = picture.scaled(picture.size() * 2).convertToFormat(QImage::Format_RGB32);
        QVERIFY(picture.save(path) && picture.save(m_folder.filePath(u"plain.png"_s)));
        QVERIFY(doubled.save(m_folder.filePath(u"rounded@2x.png"_s)));
        doubled.setDevicePixelRatio(2); // as a reader gives a file named @2x
        QVERIFY(picture.save(m_folder.filePath(u"plain@2x.png"_s)));
        Skin *skin = m_window->skin;
        const skinpainter::SkinBitmap &bitmap = SkinPrivate::get(skin)->m_skin;
        skin->ChangeSkin(m_folder.filePath(u"plain.png"_s));
        QVERIFY(bitmap.picture2x.isNull());
        QVERIFY(m_window->host.mask().isEmpty()); // the test skin is not rounded
        skin->ChangeSkin(path);
        QCOMPARE(bitmap.picture2x, doubled);
        QCOMPARE(at(SkinPrivate::get(skin)->m_body.image(), 200, 150), QRgb(0x336699));
        QCOMPARE(rememberedskin::read(u"Skin Test Host"_s), path);
        // The window takes its shape when the control is next laid out.
        m_window->host.resize(420, 320);
        QVERIFY(!m_window->host.mask().isEmpty());
        skin->setSkin(picture);
        QVERIFY(bitmap.picture2x.isNull());
    }

    // Only while the strip is shown, F10 opening the first menu with its first item
    // active; MenuVisibleChanged only for a change.
    void menusReachTheHostWhileTheStripIsShown()
    {
        Skin *skin = m_window->skin;
        // A host that changes the name it is passed changes what the item reports.
        connect(skin, &Skin::MenuClick, this, [](QString &itemName) { itemName = u"renamed"_s; });
        QSignalSpy shown(skin, &Skin::MenuVisibleChanged);
        m_window->menus.show = [](QMenu *menu) { // the item after the active one
            return menu->actions().value(menu->actions().indexOf(menu->activeAction()) + 1);
        };
        QWindow *handle = m_window->host.windowHandle();
        skin->setMenuVisible(false);
        skin->setMenuVisible(false);
        QTest::keyClick(handle, Qt::Key_F10);
        skin->setMenuVisible(true);
        QTest::keyClick(handle, Qt::Key_F10);
        QTest::keyClick(handle, Qt::Key_F, Qt::AltModifier);
        QCOMPARE(m_reported, (QStringList{u"QuitItem"_s, u"renamed"_s}));
        skin->setMenuVisible(false);
        skin->readProperties({}); // a stored design without MenuVisible shows the strip
        QCOMPARE(shown, (QList<QVariantList>{{false}, {true}, {false}, {true}}));
    }

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
            QLabel *title = menus().titles()[button - 1];
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
};

QTEST_MAIN(SkinTest)
#include "tst_skin.moc"
