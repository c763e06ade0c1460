#include "applicationfolder.h"
#include "menufixtures.h"
#include "menuitem.h"
#include "menuitemdialog.h"
#include "skin.h"

#include <QCheckBox>
#include <QDialogButtonBox>
#include <QDir>
#include <QListWidget>
#include <QPushButton>
#include <QTabWidget>
#include <QTemporaryDir>
#include <QTest>

// The design environment's dialog around the page, without a form window: it
// then writes the property directly.
class TestMenuItemDialog : public QObject
{
    Q_OBJECT

private slots:
    void initTestCase();
    void showsThePageOnItsTab();
    void applyIsOfferedOnlyWhileThePageHasChanges();
    void okAppliesAndCancelDoesNot();

private:
    QPushButton *button(MenuItemDialog &dialog, QDialogButtonBox::StandardButton which)
    {
        return dialog.findChild<QDialogButtonBox *>()->button(which);
    }

    QTemporaryDir m_startFolder;
};

void TestMenuItemDialog::initTestCase()
{
    QVERIFY(m_startFolder.isValid());
    QVERIFY(menufixtures::write(QDir(m_startFolder.path()).filePath(QStringLiteral("menu.txt")),
                                menufixtures::sample));
    // Without a saved form the page works in the folder Designer started in.
    QVERIFY(QDir::setCurrent(m_startFolder.path()));
    orvex::ApplicationFolder::setPath(QDir::tempPath());
}

void TestMenuItemDialog::showsThePageOnItsTab()
{
    Skin skin;
    MenuItemDialog dialog(&skin, nullptr);
    auto *tabs = dialog.findChild<QTabWidget *>();
    QVERIFY(tabs);
    QCOMPARE(tabs->count(), 1);
    QCOMPARE(tabs->tabText(0), QStringLiteral("MenuItem"));
    QCOMPARE(tabs->widget(0), dialog.page());
    QCOMPARE(dialog.selectedObjects(), QList<QObject *>{&skin});
    QCOMPARE(dialog.page()->findChild<QListWidget *>(QStringLiteral("List1"))->count(), 4);
}

void TestMenuItemDialog::applyIsOfferedOnlyWhileThePageHasChanges()
{
    Skin skin;
    skin.setButtonMax(false);
    MenuItemDialog dialog(&skin, nullptr);
    dialog.show();
    QPushButton *apply = button(dialog, QDialogButtonBox::Apply);
    QVERIFY(!apply->isEnabled());

    auto *box = dialog.page()->findChild<QCheckBox *>(QStringLiteral("chkButtonMax"));
    QTest::mouseClick(box, Qt::LeftButton, {}, QPoint(8, box->height() / 2));
    QVERIFY(apply->isEnabled());
    QVERIFY(!skin.buttonMax());

    QTest::mouseClick(apply, Qt::LeftButton);
    QVERIFY(skin.buttonMax());
    QVERIFY(!apply->isEnabled());
    QVERIFY(dialog.isVisible());
}

void TestMenuItemDialog::okAppliesAndCancelDoesNot()
{
    Skin skin;
    skin.setButtonMax(true);
    {
        MenuItemDialog dialog(&skin, nullptr);
        dialog.show();
        // Showing a True value marks the page changed.
        QVERIFY(button(dialog, QDialogButtonBox::Apply)->isEnabled());
        dialog.page()->findChild<QCheckBox *>(QStringLiteral("chkButtonMax"))->setChecked(false);
        QTest::mouseClick(button(dialog, QDialogButtonBox::Cancel), Qt::LeftButton);
        QCOMPARE(dialog.result(), int(QDialog::Rejected));
        QVERIFY(skin.buttonMax());
    }
    MenuItemDialog dialog(&skin, nullptr);
    dialog.show();
    dialog.page()->findChild<QCheckBox *>(QStringLiteral("chkButtonMax"))->setChecked(false);
    QTest::mouseClick(button(dialog, QDialogButtonBox::Ok), Qt::LeftButton);
    QCOMPARE(dialog.result(), int(QDialog::Accepted));
    QVERIFY(!skin.buttonMax());
}

QTEST_MAIN(TestMenuItemDialog)
#include "tst_menuitemdialog.moc"
