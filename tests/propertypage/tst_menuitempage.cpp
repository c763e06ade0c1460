// The MenuItem page's widgets wired to its editor, its menu file and its host.
#include "propertypage/menuitem.h"
#include "propertypage/propertypagesite.h"
#include "recordingmessagepresenter.h"
#include "testfiles.h"

#include <OrvexSkin/skin.h>
#include <QCheckBox>
#include <QLineEdit>
#include <QListWidget>
#include <QPushButton>
#include <QTemporaryDir>
#include <QTest>

using orvex::MenuItem;
using namespace Qt::StringLiterals;

namespace {

// A host with a fixed selection and folder; records the changed flags and messages.
struct FakePageSite final : orvex::PropertyPageSite
{
    QList<QObject *> selectedObjects() const override { return selection; }
    void setChanged(bool changed) override { changes.append(changed); }
    QString applicationFolder() const override { return folder.path(); }
    orvex::MessagePresenter &messagePresenter() override { return presenter; }
    QString menuPath() const { return folder.filePath(u"menu.txt"_s); }

    QTemporaryDir folder;
    QList<QObject *> selection;
    QList<bool> changes;
    RecordingMessagePresenter presenter;
};

template <typename T = QPushButton> T *child(const QWidget &page, const char *name)
{
    return page.findChild<T *>(QString::fromLatin1(name));
}

void click(const QWidget &page, const char *button)
{
    QTest::mouseClick(child(page, button), Qt::LeftButton);
}

QString rows(const QWidget &page, const char *list)
{
    QStringList texts;
    const auto *widget = child<QListWidget>(page, list);
    for (int row = 0; row < widget->count(); ++row)
        texts.append(widget->item(row)->text());
    return texts.join(u',');
}

} // namespace

class MenuItemPageTest : public QObject
{
    Q_OBJECT

    std::unique_ptr<FakePageSite> m_site;

private Q_SLOTS:
    void init() { m_site = std::make_unique<FakePageSite>(); }
    void cleanup() { m_site.reset(); }

    void typingThatOkSaves()
    {
        MenuItem page(*m_site);
        auto *caption = child<QLineEdit>(page, "txtCaption");
        auto *name = child<QLineEdit>(page, "txtname");
        QTest::keyClicks(caption, u"File"_s);
        QTest::keyClicks(name, u"F"_s);
        click(page, "Nxt");
        click(page, "up");
        QTest::keyClicks(caption, u"Open"_s);
        QTest::keyClicks(name, u"open"_s);
        QCOMPARE(rows(page, "List1") + u'|' + rows(page, "List2"), u"File,....Open|F,open");

        click(page, "OK");
        QCOMPARE(testfiles::read(m_site->menuPath()), "F!File\r\nopen!....Open\r\n");
        QVERIFY(m_site->presenter.requests().isEmpty());
    }

    // Each row button acts on the clicked row; the rules are the editor's.
    void buttonsChangeTheClickedRow()
    {
        QVERIFY(testfiles::write(m_site->menuPath(),
                                 "F!File\r\nopen!....Open\r\nwait!........Wait\r\nH!Help\r\n"));
        MenuItem page(*m_site);
        page.show();
        auto *list = child<QListWidget>(page, "List1");
        QTest::mouseClick(list->viewport(), Qt::LeftButton, {},
                          list->visualItemRect(list->item(1)).center());
        QStringList seen;
        for (const char *button : {"down", "next", "prev", "Insert", "Delete"}) {
            click(page, button);
            seen << u"%1 %2: "_s.arg(QLatin1String(button)).arg(list->currentRow()) +
                        rows(page, "List1");
        }
        QCOMPARE(seen, (QStringList{u"down 1: File,Open,........Wait,Help"_s,
                                    u"next 2: File,........Wait,Open,Help"_s,
                                    u"prev 1: File,Open,........Wait,Help"_s,
                                    u"Insert 1: File,,Open,........Wait,Help"_s,
                                    u"Delete 1: File,Open,........Wait,Help"_s}));
    }

    // Shown, changed (the box had another value), written only when applied; a
    // failed apply is reported through the site and leaves the page changed.
    void buttonMaxAppliesToTheSelection()
    {
        orvex::Skin skin(m_site->folder.path(), nullptr);
        skin.setButtonMax(true);
        m_site->selection = {&skin};
        MenuItem page(*m_site);
        auto *box = child<QCheckBox>(page, "chkButtonMax");
        page.selectionChanged();
        QVERIFY(box->isChecked() && page.isChanged());
        QTest::keyClick(box, Qt::Key_Space);
        QVERIFY(skin.buttonMax());
        QVERIFY(page.apply() && !skin.buttonMax() && !page.isChanged());
        QCOMPARE(m_site->changes, (QList<bool>{true, true, false}));

        m_site->selection.clear();
        QTest::keyClick(box, Qt::Key_Space);
        QVERIFY(!page.apply() && page.isChanged());
        QCOMPARE(m_site->presenter.requests().size(), 1);
    }
};

QTEST_MAIN(MenuItemPageTest)
#include "tst_menuitempage.moc"
