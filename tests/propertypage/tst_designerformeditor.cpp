// The Designer plugin inside Designer's own form editor: the Skin it offers reads the menus
// of its form's folder, else of Designer's start folder; "Edit Menus..." on its task menu
// applies ButtonMax so that the form records it.
#include "testfiles.h"

#include <QDesignerComponents>
#include <QtDesigner>
#include <QtTest>

using namespace Qt::StringLiterals;

namespace {

// Designer's settings go to a home of the test's, alive until after the application object.
QTemporaryDir homeFolder;

// The ButtonMax value the saved form stores ("true", "false"), or "" for none.
QString savedButtonMax(const QDesignerFormWindowInterface &form)
{
    static const QRegularExpression property(
        uR"(<property name="ButtonMax">\s*<bool>(\w+)</bool>)"_s);
    return property.match(form.contents()).captured(1);
}

} // namespace

class DesignerFormEditorTest : public QObject
{
    Q_OBJECT

public:
    // Before the application object exists; Designer finds the plugin in $QT_PLUGIN_PATH/designer.
    static void initMain()
    {
        for (const char *variable : {"HOME", "XDG_CONFIG_HOME", "XDG_DATA_HOME", "XDG_CACHE_HOME"})
            qputenv(variable, homeFolder.path().toLocal8Bit());
        qputenv("QT_PLUGIN_PATH",
                QFile::encodeName(QFileInfo(QStringLiteral(ORVEX_DESIGNER_PLUGIN_DIR)).path()));
    }

private Q_SLOTS:
    void initTestCase()
    {
        QVERIFY(testfiles::write(m_formFolder.filePath(u"menu.txt"_s),
                                 "F!File\r\nopen!....Open\r\nwait!........Wait\r\nH!Help\r\n"));
        // Designer starts in a folder with menus of its own, and leaves it.
        QVERIFY(testfiles::write(m_startFolder.filePath(u"menu.txt"_s), "H!Help\r\n"));
        QVERIFY(QDir::setCurrent(m_startFolder.path()));
        m_core = QDesignerComponents::createFormEditor(this);
        m_core->setTopLevel(&m_mainWindow);
        QDesignerComponents::initializeResources();
        QDesignerComponents::initializePlugins(m_core);
        m_core->setPropertyEditor(QDesignerComponents::createPropertyEditor(m_core, &m_mainWindow));
        new QDesignerIntegration(m_core, this);
        QDesignerComponents::createTaskMenu(m_core, this);
        QVERIFY(QDir::setCurrent(QDir::tempPath()));
    }

    void outsideASavedFormTheStartFoldersMenus()
    {
        const std::unique_ptr<QWidget> widget(
            m_core->widgetFactory()->createWidget(u"orvex::Skin"_s, nullptr));
        QCOMPARE(widget->findChild<QLabel *>(u"Label"_s)->text(), u"Help");
    }

    void applyingButtonMaxIsRecordedInTheForm_data()
    {
        QTest::addColumn<bool>("applyThenCancel");
        QTest::newRow("OK") << false;
        QTest::newRow("Apply, then Cancel") << true;
    }

    void applyingButtonMaxIsRecordedInTheForm()
    {
        QFETCH(bool, applyThenCancel);
        const std::unique_ptr<QDesignerFormWindowInterface> form(
            m_core->formWindowManager()->createFormWindow(&m_mainWindow, Qt::Window));
        // Saved: its folder is the application folder at design time.
        form->setFileName(m_formFolder.filePath(u"installer.ui"_s));
        QVERIFY(form->setContents(uR"(<ui version="4.0"><class>Installer</class>
 <widget class="QWidget" name="Installer"><widget class="orvex::Skin" name="Skin1"/></widget>
 <customwidgets><customwidget><class>orvex::Skin</class><extends>QWidget</extends>
  <header>skin.h</header><container>1</container></customwidget></customwidgets></ui>)"_s));

        // The plugin's control (a placeholder would have no ButtonMax).
        auto *skin = form->mainContainer()->findChild<QWidget *>(u"Skin1"_s);
        QVERIFY(skin);
        QCOMPARE(skin->property("ButtonMax"), QVariant(false));
        QCOMPARE(savedButtonMax(*form), QString());
        QUndoStack *history = form->commandHistory();
        const int commandsBefore = history->count();

        QTimer::singleShot(0, this, [&] {
            auto *dialog = qobject_cast<QDialog *>(QApplication::activeModalWidget());
            QVERIFY(dialog);
            const auto close = qScopeGuard([dialog] { dialog->hide(); });
            // The page reads the menus of the form's folder.
            QCOMPARE(dialog->findChild<QListWidget *>(u"List1"_s)->count(), 4);
            auto *box = dialog->findChild<QCheckBox *>(u"chkButtonMax"_s);
            QTest::mouseClick(box, Qt::LeftButton, {}, QPoint(8, box->height() / 2));
            auto *buttons = dialog->findChild<QDialogButtonBox *>();
            if (applyThenCancel) {
                QTest::mouseClick(buttons->button(QDialogButtonBox::Apply), Qt::LeftButton);
                QVERIFY(!buttons->button(QDialogButtonBox::Apply)->isEnabled());
                QTest::mouseClick(buttons->button(QDialogButtonBox::Cancel), Qt::LeftButton);
            } else {
                QTest::mouseClick(buttons->button(QDialogButtonBox::Ok), Qt::LeftButton);
                QCOMPARE(dialog->result(), int(QDialog::Accepted));
            }
        });
        auto *taskMenu =
            qt_extension<QDesignerTaskMenuExtension *>(m_core->extensionManager(), skin);
        QVERIFY(taskMenu);
        taskMenu->preferredEditAction()->trigger();

        // Designer recorded it (so the dialog ran): the control, the saved form, one command.
        QCOMPARE(skin->property("ButtonMax"), QVariant(true));
        QCOMPARE(savedButtonMax(*form), u"true");
        QCOMPARE(history->count(), commandsBefore + 1);
    }

private:
    QTemporaryDir m_startFolder;
    QTemporaryDir m_formFolder;
    QWidget m_mainWindow;
    QDesignerFormEditorInterface *m_core = nullptr;
};

QTEST_MAIN(DesignerFormEditorTest)
#include "tst_designerformeditor.moc"
