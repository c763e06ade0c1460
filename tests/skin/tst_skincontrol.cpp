#include "propertybag.h"
#include "skin.h"
#include "skintesting.h"

#include <QLabel>
#include <QMenu>
#include <QMetaProperty>
#include <QSettings>
#include <QSignalSpy>
#include <QTemporaryDir>
#include <QTest>

using namespace skintesting;

class SkinControlTest : public QObject
{
    Q_OBJECT

private slots:
    void initTestCase();
    void init();
    void identifiesItselfAndItsParts();
    void constituentsHaveTheirDesignGeometry();
    void freshControlHasNoDefaultsOfItsOwn();
    void restoredFromAnEmptyBagTakesTheReadDefaults();
    void writesOnlyWhatDiffersFromTheWriteDefaults();
    void writeThenReadRestoresEveryProperty();
    void propertiesWorkByName();
    void onlyMenuVisibleNotifiesAChange();
    void buttonSettersRelayAtOnceCaptionDoesNotRepaint();
    void attachPreparesAndSizesTheHost();
    void attachRestoresTheRememberedSkin_data();
    void attachRestoresTheRememberedSkin();
    void handlersBeforeAttachShowTheHint();
    void allocateWithoutHostLeavesTheControlDetached();

private:
    QTemporaryDir m_settings;
    QTemporaryDir m_skins;
};

void SkinControlTest::initTestCase()
{
    QVERIFY(m_settings.isValid());
    isolateSettings(m_settings);
    QCoreApplication::setApplicationName(QStringLiteral("tst_skincontrol"));
}

void SkinControlTest::init()
{
    QSettings(QSettings::NativeFormat, QSettings::UserScope, "OrvexTessary", "Skinned Host")
        .clear();
}

void SkinControlTest::identifiesItselfAndItsParts()
{
    Skin skin;
    const QMetaObject *meta = skin.metaObject();
    const int info = meta->indexOfClassInfo("ClassID");
    QVERIFY(info >= 0);
    QCOMPARE(QString::fromLatin1(meta->classInfo(info).value()),
             QStringLiteral("OrvexTessary.Skin"));
    for (const char *name : {"TitleBar", "CapLabel", "MenuBar", "Label", "Skinpic"})
        QVERIFY2(skin.findChild<QWidget *>(QLatin1String(name)), name);
    const QList<QMenu *> cores = skin.findChildren<QMenu *>(QStringLiteral("Core"));
    QCOMPARE(cores.size(), 8);
    for (int slot = 0; slot < 8; ++slot) {
        QCOMPARE(skin.menu(slot)->actions().size(), 1);
        QCOMPARE(skin.menu(slot)->actions().front()->objectName(), QString(QChar(u'a' + slot)));
        QVERIFY(skin.menu(slot)->actions().front()->text().isEmpty());
    }
    for (const char *method :
         {"ChangeSkin(QString)", "allocate()", "GetSkinTheme()", "Init_Skin(QWidget*)"})
        QVERIFY2(meta->indexOfMethod(method) >= 0, method);
}

void SkinControlTest::constituentsHaveTheirDesignGeometry()
{
    Skin skin;
    QCOMPARE(skin.size(), QSize(590, 182)); // 8850 x 2730 twips
    QCOMPARE(skin.findChild<QWidget *>("TitleBar")->geometry(), QRect(0, 0, 590, 20));
    auto *capLabel = skin.findChild<QLabel *>("CapLabel");
    QCOMPARE(capLabel->pos(), QPoint(8, 6));
    QCOMPARE(capLabel->text(), QStringLiteral("Title Bar"));
    QCOMPARE(skin.findChild<QWidget *>("MenuBar")->geometry(), QRect(6, 27, 579, 16));
    auto *firstTitle = skin.findChild<QLabel *>("Label");
    QCOMPARE(firstTitle->pos(), QPoint(11, 0));
    QCOMPARE(firstTitle->text(), QStringLiteral("Menu"));
    auto *skinpic = skin.findChild<QWidget *>("Skinpic");
    QCOMPARE(skinpic->geometry(), QRect(140, 94, 213, 57));
    QVERIFY(skinpic->isHidden());
    QCOMPARE(skin.skin().size(), QSize(207, 52));
    QCOMPARE(skin.skin().pixel(0, 14) & 0xffffff, magenta);
}

void SkinControlTest::freshControlHasNoDefaultsOfItsOwn()
{
    Skin skin;
    QCOMPARE(skin.buttonMin(), false);
    QCOMPARE(skin.buttonMax(), false);
    QCOMPARE(skin.rememberSkin(), false);
    QCOMPARE(skin.caption(), QStringLiteral("Title Bar"));
    QCOMPARE(skin.menuVisible(), true);
    QCOMPARE(skin.isAttached(), false);
    QVERIFY(!skin.host());
}

void SkinControlTest::restoredFromAnEmptyBagTakesTheReadDefaults()
{
    Skin skin;
    const QImage designSkin = skin.skin();
    skin.readProperties(orvex::PropertyBag());
    QCOMPARE(skin.caption(), QString());
    QCOMPARE(skin.buttonMax(), true);
    QCOMPARE(skin.buttonMin(), true);
    QCOMPARE(skin.rememberSkin(), false);
    QCOMPARE(skin.menuVisible(), true);
    QCOMPARE(skin.skin(), designSkin);
}

void SkinControlTest::writesOnlyWhatDiffersFromTheWriteDefaults()
{
    Skin skin;
    skin.readProperties(orvex::PropertyBag());
    orvex::PropertyBag bag;
    skin.writeProperties(bag);
    QCOMPARE(bag.keys(), QStringList{QStringLiteral("Skin")});
}

void SkinControlTest::writeThenReadRestoresEveryProperty()
{
    Skin original;
    original.setCaption(QStringLiteral("My Window"));
    original.setButtonMax(false);
    original.setButtonMin(true);
    original.setRememberSkin(true);
    original.setMenuVisible(false);
    original.setSkin(makeSkin(false));
    orvex::PropertyBag bag;
    original.writeProperties(bag);
    QCOMPARE(bag.keys(),
             (QStringList{"Caption", "Skin", "ButtonMax", "RememberSkin", "MenuVisible"}));

    const auto stored = orvex::PropertyBag::fromText(bag.toText());
    QVERIFY(stored);
    Skin restored;
    restored.readProperties(*stored);
    QCOMPARE(restored.caption(), QStringLiteral("My Window"));
    QCOMPARE(restored.buttonMax(), false);
    QCOMPARE(restored.buttonMin(), true);
    QCOMPARE(restored.rememberSkin(), true);
    QCOMPARE(restored.menuVisible(), false);
    QCOMPARE(restored.skin(), makeSkin(false));
}

void SkinControlTest::propertiesWorkByName()
{
    Skin skin;
    for (const char *name :
         {"Caption", "ButtonMax", "ButtonMin", "Skin", "RememberSkin", "MenuVisible"})
        QVERIFY2(skin.metaObject()->indexOfProperty(name) >= 0, name);
    QVERIFY(skin.setProperty("ButtonMax", true));
    QCOMPARE(skin.buttonMax(), true);
    QVERIFY(skin.setProperty("Caption", QStringLiteral("By name")));
    QCOMPARE(skin.property("Caption").toString(), QStringLiteral("By name"));
    QVERIFY(skin.setProperty("Skin", QPixmap::fromImage(makeSkin(false))));
    QCOMPARE(skin.skin(), makeSkin(false));
    QCOMPARE(skin.property("Skin").value<QPixmap>().toImage().convertToFormat(QImage::Format_RGB32),
             makeSkin(false));
}

void SkinControlTest::onlyMenuVisibleNotifiesAChange()
{
    Skin skin;
    const QMetaObject *meta = skin.metaObject();
    for (const char *name : {"Caption", "ButtonMax", "ButtonMin", "Skin", "RememberSkin"})
        QVERIFY2(!meta->property(meta->indexOfProperty(name)).hasNotifySignal(), name);
    QSignalSpy changed(&skin, &Skin::MenuVisibleChanged);
    skin.setMenuVisible(false);
    QCOMPARE(changed.size(), 1);
    QCOMPARE(skin.menuVisible(), false);
    QVERIFY(skin.findChild<QWidget *>("MenuBar")->isHidden());
}

void SkinControlTest::buttonSettersRelayAtOnceCaptionDoesNotRepaint()
{
    Skin skin;
    skin.resize(400, 200); // 6000 twips wide
    QVERIFY(!skin.buttonSpans().maximise.present());
    skin.setButtonMax(true);
    QCOMPARE(skin.buttonSpans().maximise, (orvex::framelayout::ButtonSpan{5490, 5670}));
    skin.setButtonMin(true);
    QCOMPARE(skin.buttonSpans().minimise, (orvex::framelayout::ButtonSpan{5280, 5520}));
    skin.setButtonMax(false);
    QVERIFY(!skin.buttonSpans().maximise.present());
    QCOMPARE(skin.buttonSpans().minimise, (orvex::framelayout::ButtonSpan{5490, 5670}));

    const QImage before = skin.titleBarSurface().image();
    skin.setCaption(QStringLiteral("Another caption"));
    QCOMPARE(skin.titleBarSurface().image(), before);
}

void SkinControlTest::attachPreparesAndSizesTheHost()
{
    QWidget host;
    host.setWindowTitle(QStringLiteral("Skinned Host"));
    host.resize(400, 266);
    auto *skin = new Skin(&host);
    skin->setCaption(QStringLiteral("ignored"));
    skin->Init_Skin(&host);
    QVERIFY(skin->isAttached());
    QCOMPARE(skin->host(), &host);
    QVERIFY(host.windowFlags().testFlag(Qt::FramelessWindowHint));
    QCOMPARE(skin->caption(), QStringLiteral("Skinned Host"));
    QCOMPARE(skin->size(), QSize(400, 266));
    QCOMPARE(skin->findChild<QLabel *>("CapLabel")->y(), 5); // 75 twips

    host.show();
    QVERIFY(QTest::qWaitForWindowExposed(&host));
    host.resize(500, 300);
    QTRY_COMPARE(skin->size(), QSize(500, 300)); // follows its host
}

void SkinControlTest::attachRestoresTheRememberedSkin_data()
{
    QTest::addColumn<bool>("recorded");
    QTest::addColumn<bool>("rememberSkin");
    QTest::addColumn<bool>("restored");
    QTest::newRow("recorded, remember on") << true << true << true;
    QTest::newRow("recorded, remember off") << true << false << false;
    QTest::newRow("nothing recorded, remember on") << false << true << false;
}

void SkinControlTest::attachRestoresTheRememberedSkin()
{
    QFETCH(bool, recorded);
    QFETCH(bool, rememberSkin);
    const QString file = m_skins.filePath(QStringLiteral("remembered.png"));
    QVERIFY(makeSkin(false, qRgb(1, 99, 7)).save(file));
    if (recorded) {
        QSettings(QSettings::NativeFormat, QSettings::UserScope, "OrvexTessary", "Skinned Host")
            .setValue("skin/main", file);
    }
    QWidget host;
    host.setWindowTitle(QStringLiteral("Skinned Host"));
    host.resize(400, 266);
    auto *skin = new Skin(&host);
    const QImage designSkin = skin->skin();
    skin->setRememberSkin(rememberSkin);
    skin->Init_Skin(&host);
    QFETCH(bool, restored);
    QCOMPARE(skin->skin() == designSkin, !restored);
    QCOMPARE(skin->GetSkinTheme() == QColor(1, 99, 7), restored);
}

void SkinControlTest::handlersBeforeAttachShowTheHint()
{
    QCoreApplication::setApplicationName(QStringLiteral("Hint Test"));
    TestableSkin skin;
    RecordingMessages messages;
    skin.setMessagePresenter(&messages);
    skin.ResetButtons();
    skin.TitleBar_MouseMove(0, 0, 100, 100);
    skin.PaintFrame();
    QCOMPARE(messages.shown.size(), 3);
    for (const orvex::MessageRequest &hint : messages.shown) {
        QCOMPARE(hint.text, QStringLiteral("Add The Following Lines To your code\r\n"
                                           "drapler1.init_skin me"));
        QCOMPARE(hint.title, QGuiApplication::applicationDisplayName());
        QCOMPARE(hint.buttons, orvex::MessageButtons::Ok);
    }
}

void SkinControlTest::allocateWithoutHostLeavesTheControlDetached()
{
    Skin skin;
    QTest::ignoreMessage(QtWarningMsg, "Skin::allocate: the control has no host window");
    QVERIFY(QMetaObject::invokeMethod(&skin, "allocate"));
    QVERIFY(!skin.isAttached());
}

QTEST_MAIN(SkinControlTest)
#include "tst_skincontrol.moc"
