// The Designer plugin as Designer loads it: the widget it offers, made with
// the menus of the folder Designer started in when no form file is saved yet.
#include "testfiles.h"

#include <QLabel>
#include <QPluginLoader>
#include <QTemporaryDir>
#include <QTest>
#include <QtUiPlugin/QDesignerCustomWidgetCollectionInterface>

using namespace Qt::StringLiterals;

class DesignerPluginTest : public QObject
{
    Q_OBJECT

private Q_SLOTS:
    void offersSkinWithTheStartFoldersMenus()
    {
        QTemporaryDir startFolder;
        QVERIFY(testfiles::write(startFolder.filePath(u"menu.txt"_s), "H!Help\r\n"));
        QVERIFY(QDir::setCurrent(startFolder.path()));
        QPluginLoader loader(QStringLiteral(ORVEX_DESIGNER_PLUGIN));
        auto *plugins = qobject_cast<QDesignerCustomWidgetCollectionInterface *>(loader.instance());
        QVERIFY2(plugins && plugins->customWidgets().size() == 1, qPrintable(loader.errorString()));
        QDesignerCustomWidgetInterface *skin = plugins->customWidgets().front();
        QCOMPARE(skin->includeFile(), u"OrvexSkin/Skin"_s);
        QVERIFY(skin->isContainer());

        QVERIFY(QDir::setCurrent(QDir::tempPath()));
        const std::unique_ptr<QWidget> widget(skin->createWidget(nullptr));
        QCOMPARE(widget->findChild<QLabel *>(u"Label"_s)->text(), u"Help");
    }
};

QTEST_MAIN(DesignerPluginTest)
#include "tst_designerplugin.moc"
