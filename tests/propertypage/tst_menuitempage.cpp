// The MenuItem page's widgets wired to its editor, its menu file and its host.
#include "propertypage/menuitem.h"
#include "propertypage/propertypagesite.h"
#include "recordingmessagepresenter.h"
#include "testfiles.h"

#include <OrvexSkin/skin.h>
#include <QApplication>
#include <QCheckBox>
#include <QLineEdit>
#include <QListWidget>
#include <QPushButton>
#include <QTemporaryDir>
#include <QTest>

using orvex::MenuItem;

namespace {

// A host with a fixed selection and folder; records the changed flags and messages.
struct FakePageSite final : orvex::PropertyPageSite
{
    QList<QObject *> selectedObjects() const override { return selection; }
    void setChanged(bool changed) override { changes.append(changed); }
    QString applicationFolder() const override { return folder.path(); }
    orvex::MessagePresenter &messagePresenter() override { return presenter; }
    QString menuPath() const { return folder.filePath(QStringLiteral("menu.txt")); }

    QTemporaryDir folder;
    QList<QObject *> selection;
    QList<bool> changes;
    RecordingMessagePresenter presenter;
};

template <typename T = QPushButton> T *child(const QWidget &page, const QString &name)
{
    return page.findChild<T *>(name);
}

void click(const QWidget &page, const QString &button)
{
    QTest::mouseClick(child(page, button), Qt::LeftButton);
}

QStringList rows(const QWidget &page, const char *list)
{
    QStringList texts;
    const auto *widget = child<QListWidget>(page, list);
    for (int row = 0; row < widget->count(); ++row)
        texts.append(widget->item(row)->text());
    return texts;
}

} // namespace

class MenuItemPageTest : public QObject
{
    Q_OBJECT

private Q_SLOTS:
    void tabOrderAndTypingThatOkSaves()
    {
        FakePageSite site;
        MenuItem page(site);
        page.show();
        QApplication::setActiveWindow(&page);
        QVERIFY(QTest::qWaitForWindowActive(&page));
        child(page, "Cancel")->setFocus();
        QStringList order;
        for (int i = 0; i < 14; ++i) {
            order.append(QApplication::focusWidget()->objectName());
            QTest::keyClick(QApplication::focusWidget(), Qt::Key_Tab);
        }
        QCOMPARE(order,
                 (QStringList{"Cancel", "OK", "Delete", "Insert", "Nxt", "txtCaption", "txtname",
                              "next", "prev", "down", "up", "List1", "chkButtonMax", "Cancel"}));

        auto *caption = child<QLineEdit>(page, "txtCaption");
        auto *name = child<QLineEdit>(page, "txtname");
        QTest::keyClicks(caption, "File");
        QTest::keyClicks(name, "F");
        click(page, "Nxt");
        click(page, "up");
        QTest::keyClicks(caption, "Open");
        QTest::keyClicks(name, "open");
        QCOMPARE(rows(page, "List1"), (QStringList{"File", "....Open"}));
        QCOMPARE(rows(page, "List2"), (QStringList{"F", "open"}));

        click(page, "OK");
        QCOMPARE(testfiles::read(site.menuPath()), QByteArray("F!File\r\nopen!....Open\r\n"));
        QVERIFY(site.presenter.requests().isEmpty());
    }

    // Each row button acts on the clicked row; the rules are the editor's.
    void buttonsChangeTheClickedRow()
    {
        FakePageSite site;
        QVERIFY(testfiles::write(site.menuPath(),
                                 "F!File\r\nopen!....Open\r\nwait!........Wait\r\nH!Help\r\n"));
        MenuItem page(site);
        page.show();
        auto *list = child<QListWidget>(page, "List1");
        QTest::mouseClick(list->viewport(), Qt::LeftButton, {},
                          list->visualItemRect(list->item(1)).center());
        QStringList seen;
        for (const char *button : {"down", "next", "prev", "Insert", "Delete"}) {
            click(page, button);
            seen << QString("%1 %2: ").arg(button).arg(list->currentRow()) +
                        rows(page, "List1").join(',');
        }
        QCOMPARE(seen, (QStringList{"down 1: File,Open,........Wait,Help",
                                    "next 2: File,........Wait,Open,Help",
                                    "prev 1: File,Open,........Wait,Help",
                                    "Insert 1: File,,Open,........Wait,Help",
                                    "Delete 1: File,Open,........Wait,Help"}));
    }

    void buttonMaxAppliesToTheSelection()
    {
        FakePageSite site;
        orvex::Skin skin(site.folder.path(), nullptr);
        skin.setButtonMax(true);
        site.selection = {&skin};
        MenuItem page(site);
        auto *box = child<QCheckBox>(page, "chkButtonMax");
        page.selectionChanged();
        QVERIFY(box->isChecked());
        QVERIFY(page.isChanged()); // the box did not have the value shown
        QCOMPARE(site.changes, QList<bool>{true});

        QTest::keyClick(box, Qt::Key_Space);
        QVERIFY(skin.buttonMax()); // untouched until the host applies
        QVERIFY(page.apply());
        QVERIFY(!skin.buttonMax());
        QVERIFY(!page.isChanged());
        QCOMPARE(site.changes.last(), false);

        // A failed apply is reported through the site and leaves the page changed.
        site.selection.clear();
        QTest::keyClick(box, Qt::Key_Space);
        QVERIFY(!page.apply());
        QCOMPARE(site.presenter.requests().size(), 1);
        QVERIFY(page.isChanged());
    }
};

QTEST_MAIN(MenuItemPageTest)
#include "tst_menuitempage.moc"
