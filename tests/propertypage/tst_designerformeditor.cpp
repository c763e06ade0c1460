#include "menufixtures.h"

#include <QAction>
#include <QApplication>
#include <QCheckBox>
#include <QDesignerComponents>
#include <QDesignerFormEditorInterface>
#include <QDesignerFormWindowInterface>
#include <QDesignerFormWindowManagerInterface>
#include <QDesignerIntegration>
#include <QDesignerPropertyEditorInterface>
#include <QDesignerTaskMenuExtension>
#include <QDesignerWidgetBoxInterface>
#include <QDialog>
#include <QDialogButtonBox>
#include <QDir>
#include <QExtensionManager>
#include <QFileInfo>
#include <QListWidget>
#include <QPushButton>
#include <QScopeGuard>
#include <QTabWidget>
#include <QTemporaryDir>
#include <QTest>
#include <QTimer>
#include <QUndoStack>
#include <QXmlStreamReader>

namespace {

// Designer keeps its settings under the home folder; the test gives it one of
// its own. It lives until the program ends, after the application object.
QTemporaryDir &homeFolder()
{
    static QTemporaryDir folder;
    return folder;
}

// A form holding one Skin control, as Designer saves it.
const QString formWithSkin = QStringLiteral(R"(<?xml version="1.0" encoding="UTF-8"?>
<ui version="4.0">
 <class>Installer</class>
 <widget class="QWidget" name="Installer">
  <property name="geometry">
   <rect><x>0</x><y>0</y><width>640</width><height>480</height></rect>
  </property>
  <widget class="Skin" name="Skin1">
   <property name="geometry">
    <rect><x>0</x><y>0</y><width>480</width><height>320</height></rect>
   </property>
  </widget>
 </widget>
 <customwidgets>
  <customwidget>
   <class>Skin</class>
   <extends>QWidget</extends>
   <header>skin.h</header>
   <container>1</container>
  </customwidget>
 </customwidgets>
</ui>
)");

// The value that a saved form stores for a property of one widget ("true",
// "false"), or an empty string when the form does not store the property.
QString savedProperty(const QString &contents, const QString &widgetName, const QString &property)
{
    QXmlStreamReader xml(contents);
    int widgetDepth = -1;
    int depth = 0;
    bool inProperty = false;
    while (!xml.atEnd()) {
        switch (xml.readNext()) {
        case QXmlStreamReader::StartElement:
            ++depth;
            if (xml.name() == u"widget" &&
                xml.attributes().value(QLatin1StringView("name")) == widgetName)
                widgetDepth = depth;
            else if (widgetDepth >= 0 && depth == widgetDepth + 1 && xml.name() == u"property")
                inProperty = xml.attributes().value(QLatin1StringView("name")) == property;
            else if (inProperty && depth == widgetDepth + 2)
                return xml.readElementText();
            break;
        case QXmlStreamReader::EndElement:
            if (depth == widgetDepth)
                widgetDepth = -1;
            if (depth == widgetDepth + 1)
                inProperty = false;
            --depth;
            break;
        default:
            break;
        }
    }
    return {};
}

const QString skinName = QStringLiteral("Skin1");
const QString buttonMax = QStringLiteral("ButtonMax");

} // namespace

// The Skin control inside Designer's own form editor: "Edit Menus..." on its
// task menu applies ButtonMax so that the form records it.
class TestDesignerFormEditor : public QObject
{
    Q_OBJECT

public:
    // Runs before the application object exists, while the environment is
    // still read: Designer's settings go to a temporary home, and Designer
    // finds the project's plugin in $QT_PLUGIN_PATH/designer.
    static void initMain();

private slots:
    void initTestCase();
    void init();
    void cleanup();
    void cleanupTestCase();
    void applyingButtonMaxIsRecordedInTheForm_data();
    void applyingButtonMaxIsRecordedInTheForm();

private:
    QTemporaryDir m_formFolder;
    std::unique_ptr<QWidget> m_mainWindow;
    QDesignerFormEditorInterface *m_core = nullptr;
    QDesignerFormWindowInterface *m_form = nullptr;
};

void TestDesignerFormEditor::initMain()
{
    const QByteArray home = homeFolder().path().toLocal8Bit();
    qputenv("HOME", home);
    qputenv("XDG_CONFIG_HOME", home + "/.config");
    qputenv("XDG_DATA_HOME", home + "/.local/share");
    qputenv("XDG_CACHE_HOME", home + "/.cache");
    const QFileInfo pluginFolder(QStringLiteral(ORVEX_DESIGNER_PLUGIN_DIR));
    qputenv("QT_PLUGIN_PATH", QFile::encodeName(pluginFolder.absolutePath()));
}

void TestDesignerFormEditor::initTestCase()
{
    QVERIFY(homeFolder().isValid());
    QVERIFY(m_formFolder.isValid());
    QCOMPARE(QFileInfo(QStringLiteral(ORVEX_DESIGNER_PLUGIN_DIR)).fileName(), u"designer");
    QVERIFY(menufixtures::write(QDir(m_formFolder.path()).filePath(QStringLiteral("menu.txt")),
                                menufixtures::sample));

    // Set up the form editor the way a Designer host does: the core, its
    // plugins, the tool windows, the integration and the task menus.
    m_mainWindow = std::make_unique<QWidget>();
    m_core = QDesignerComponents::createFormEditor(this);
    m_core->setTopLevel(m_mainWindow.get());
    QDesignerComponents::initializeResources();
    QDesignerComponents::initializePlugins(m_core);
    m_core->setWidgetBox(QDesignerComponents::createWidgetBox(m_core, m_mainWindow.get()));
    m_core->setPropertyEditor(
        QDesignerComponents::createPropertyEditor(m_core, m_mainWindow.get()));
    new QDesignerIntegration(m_core, this);
    QDesignerComponents::createTaskMenu(m_core, this);
}

void TestDesignerFormEditor::init()
{
    m_form = m_core->formWindowManager()->createFormWindow(m_mainWindow.get(), Qt::Window);
    QVERIFY(m_form);
    // A saved form: its folder is the application folder at design time.
    m_form->setFileName(QDir(m_formFolder.path()).filePath(QStringLiteral("installer.ui")));
    QVERIFY(m_form->setContents(formWithSkin));
    m_core->formWindowManager()->setActiveFormWindow(m_form);
    m_form->show();
    QVERIFY(QTest::qWaitForWindowExposed(m_form));
}

void TestDesignerFormEditor::cleanup()
{
    delete m_form;
    m_form = nullptr;
}

void TestDesignerFormEditor::cleanupTestCase()
{
    m_mainWindow.reset();
}

void TestDesignerFormEditor::applyingButtonMaxIsRecordedInTheForm_data()
{
    QTest::addColumn<bool>("applyBeforeClosing");
    QTest::newRow("OK") << false;
    QTest::newRow("Apply, then Cancel") << true;
}

void TestDesignerFormEditor::applyingButtonMaxIsRecordedInTheForm()
{
    QFETCH(bool, applyBeforeClosing);

    // The control on the form is the plugin's, not a placeholder for an
    // unknown class.
    auto *skin = m_form->mainContainer()->findChild<QWidget *>(QStringLiteral("Skin1"));
    QVERIFY(skin);
    QCOMPARE(skin->metaObject()->className(), "Skin");
    QCOMPARE(skin->property("ButtonMax"), QVariant(false));
    QCOMPARE(savedProperty(m_form->contents(), skinName, buttonMax), QString());
    QVERIFY(!m_form->isDirty());
    QUndoStack *history = m_form->commandHistory();
    const int commandsBefore = history->count();

    // Another widget is selected: the dialog still edits the task menu's.
    m_form->clearSelection();
    m_form->selectWidget(m_form->mainContainer());

    auto *taskMenu = qt_extension<QDesignerTaskMenuExtension *>(m_core->extensionManager(), skin);
    QVERIFY(taskMenu);
    QAction *editMenus = taskMenu->preferredEditAction();
    QVERIFY(editMenus);
    QCOMPARE(editMenus->text(), u"Edit Menus...");
    QVERIFY(taskMenu->taskActions().contains(editMenus));

    bool driven = false;
    QTimer::singleShot(0, this, [&] {
        auto *dialog = qobject_cast<QDialog *>(QApplication::activeModalWidget());
        QVERIFY(dialog);
        // Whatever happens here, the dialog closes, so that the test goes on.
        const auto close = qScopeGuard([dialog] {
            if (dialog->isVisible())
                dialog->reject();
        });
        auto *tabs = dialog->findChild<QTabWidget *>();
        QVERIFY(tabs);
        QCOMPARE(tabs->tabText(tabs->currentIndex()), u"MenuItem");
        // The page works in the form's folder.
        auto *list = dialog->findChild<QListWidget *>(QStringLiteral("List1"));
        QVERIFY(list);
        QCOMPARE(list->count(), 4);

        auto *box = dialog->findChild<QCheckBox *>(QStringLiteral("chkButtonMax"));
        QVERIFY(box);
        QVERIFY(!box->isChecked());
        QTest::mouseClick(box, Qt::LeftButton, {}, QPoint(8, box->height() / 2));
        QVERIFY(box->isChecked());

        auto *buttons = dialog->findChild<QDialogButtonBox *>();
        QVERIFY(buttons);
        if (applyBeforeClosing) {
            QPushButton *apply = buttons->button(QDialogButtonBox::Apply);
            QVERIFY(apply->isEnabled());
            QTest::mouseClick(apply, Qt::LeftButton);
            QVERIFY(dialog->isVisible());
            QCOMPARE(history->count(), commandsBefore + 1);
            QTest::mouseClick(buttons->button(QDialogButtonBox::Cancel), Qt::LeftButton);
            QCOMPARE(dialog->result(), int(QDialog::Rejected));
        } else {
            QTest::mouseClick(buttons->button(QDialogButtonBox::Ok), Qt::LeftButton);
            QCOMPARE(dialog->result(), int(QDialog::Accepted));
        }
        driven = true;
    });
    editMenus->trigger();
    QVERIFY(driven);

    // Designer recorded the change: the control, the saved form, the changed
    // mark and one step on the form's undo stack.
    QCOMPARE(skin->property("ButtonMax"), QVariant(true));
    QCOMPARE(savedProperty(m_form->contents(), skinName, buttonMax), u"true");
    QVERIFY(m_form->isDirty());
    QCOMPARE(history->count(), commandsBefore + 1);
    QVERIFY(history->canUndo());

    history->undo();
    QCOMPARE(skin->property("ButtonMax"), QVariant(false));
    QCOMPARE(savedProperty(m_form->contents(), skinName, buttonMax), QString());
    QVERIFY(!m_form->isDirty());

    history->redo();
    QCOMPARE(skin->property("ButtonMax"), QVariant(true));
    QCOMPARE(savedProperty(m_form->contents(), skinName, buttonMax), u"true");
}

QTEST_MAIN(TestDesignerFormEditor)
#include "tst_designerformeditor.moc"
