#include "menufixtures.h"

#include <QDir>
#include <QLabel>
#include <QPluginLoader>
#include <QTemporaryDir>
#include <QTest>
#include <QtUiPlugin/QDesignerCustomWidgetCollectionInterface>
#include <QtUiPlugin/QDesignerCustomWidgetInterface>

class TestDesignerPlugin : public QObject
{
    Q_OBJECT

private slots:
    void initTestCase();
    void offersSkinAsAContainerInItsOwnGroup();
    void createdWidgetHasItsPropertiesByName();
    void unsavedFormsUseTheStartFolder();

private:
    QDesignerCustomWidgetInterface *skinInterface();

    QTemporaryDir m_startFolder;
    QPluginLoader m_loader{QStringLiteral(ORVEX_DESIGNER_PLUGIN)};
};

void TestDesignerPlugin::initTestCase()
{
    QVERIFY(m_startFolder.isValid());
    QVERIFY(menufixtures::write(QDir(m_startFolder.path()).filePath(QStringLiteral("menu.txt")),
                                menufixtures::sample));
    // The plugin takes the folder it is loaded in as Designer's start folder.
    QVERIFY(QDir::setCurrent(m_startFolder.path()));
    QVERIFY2(m_loader.load(), qPrintable(m_loader.errorString()));
    QCOMPARE(m_loader.metaData().value(u"IID").toString(),
             QStringLiteral("org.qt-project.Qt.QDesignerCustomWidgetCollectionInterface"));
}

QDesignerCustomWidgetInterface *TestDesignerPlugin::skinInterface()
{
    auto *collection =
        qobject_cast<QDesignerCustomWidgetCollectionInterface *>(m_loader.instance());
    if (!collection)
        return nullptr;
    const QList<QDesignerCustomWidgetInterface *> widgets = collection->customWidgets();
    return widgets.size() == 1 ? widgets.first() : nullptr;
}

void TestDesignerPlugin::offersSkinAsAContainerInItsOwnGroup()
{
    QDesignerCustomWidgetInterface *skin = skinInterface();
    QVERIFY(skin);
    QCOMPARE(skin->name(), QStringLiteral("Skin"));
    QCOMPARE(skin->group(), QStringLiteral("Orvex Tessary"));
    QVERIFY(skin->isContainer());
    QCOMPARE(skin->includeFile(), QStringLiteral("skin.h"));
    QVERIFY(skin->domXml().contains(u"<widget class=\"Skin\" name=\"Skin1\">"));
}

void TestDesignerPlugin::createdWidgetHasItsPropertiesByName()
{
    QDesignerCustomWidgetInterface *skin = skinInterface();
    QVERIFY(skin);
    const std::unique_ptr<QWidget> widget(skin->createWidget(nullptr));
    QVERIFY(widget);
    QCOMPARE(widget->metaObject()->className(), "Skin");
    for (const char *name :
         {"Caption", "ButtonMax", "ButtonMin", "Skin", "RememberSkin", "MenuVisible"})
        QVERIFY2(widget->metaObject()->indexOfProperty(name) >= 0, name);
    QCOMPARE(widget->metaObject()->property(widget->metaObject()->indexOfProperty("Skin")).typeId(),
             QMetaType::QPixmap);

    const bool buttonMax = widget->property("ButtonMax").toBool();
    QVERIFY(widget->setProperty("ButtonMax", !buttonMax));
    QCOMPARE(widget->property("ButtonMax"), QVariant(!buttonMax));
    QVERIFY(widget->setProperty("Caption", QStringLiteral("Designed")));
    QCOMPARE(widget->property("Caption").toString(), QStringLiteral("Designed"));
    QVERIFY(widget->dynamicPropertyNames().isEmpty());
}

void TestDesignerPlugin::unsavedFormsUseTheStartFolder()
{
    QDesignerCustomWidgetInterface *skin = skinInterface();
    QVERIFY(skin);
    QVERIFY(QDir::setCurrent(QDir::tempPath()));
    const std::unique_ptr<QWidget> widget(skin->createWidget(nullptr));
    QStringList titles;
    for (const QLabel *label : widget->findChildren<QLabel *>())
        titles.append(label->text());
    QVERIFY2(titles.contains(u"File") && titles.contains(u"Help!"), qPrintable(titles.join(u'|')));
}

QTEST_MAIN(TestDesignerPlugin)
#include "tst_designerplugin.moc"
