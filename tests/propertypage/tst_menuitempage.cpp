#include "applicationfolder.h"
#include "fakepagesite.h"
#include "menufixtures.h"
#include "menuitem.h"
#include "skin.h"
#include "twips.h"

#include <QCheckBox>
#include <QGroupBox>
#include <QLabel>
#include <QLineEdit>
#include <QListWidget>
#include <QPushButton>
#include <QTemporaryDir>
#include <QTest>

class TestMenuItemPage : public QObject
{
    Q_OBJECT

private slots:
    void init();
    void cleanup();
    void controlsHaveTheirNamesPlacesAndCaptions_data();
    void controlsHaveTheirNamesPlacesAndCaptions();
    void tabOrderFollowsTheTabIndexes();
    void arrowButtonsShowPictures();
    void typingBuildsMenusAndOkSavesThem();
    void nameBoxRefusesTheSeparator();
    void clickingARowMovesTheCurrentRow();
    void moveButtonsMoveTheSelection();
    void pageLoadsTheFileWhenCreated();
    void failedSaveIsReported();
    void unreadableFileIsReportedAtOpen();
    void showMarksChangedOnlyForATrueValue_data();
    void showMarksChangedOnlyForATrueValue();
    void applyWritesTheBoxAndClearsTheFlag();
    void clickingTwiceStillMarksChanged();
    void onlyTheFirstSelectedObjectCounts();
    void missingPropertyIsReportedAndNothingChanges();
    void emptySelectionIsReported();

private:
    template <typename T> T *child(const char *name)
    {
        T *found = m_page->findChild<T *>(QLatin1String(name));
        if (!found)
            qFatal("no child %s", name);
        return found;
    }
    QString menuPath() const { return m_folder->filePath(QStringLiteral("menu.txt")); }
    void createPage();
    std::unique_ptr<Skin> makeSkin(bool buttonMax);

    std::unique_ptr<QTemporaryDir> m_folder;
    std::unique_ptr<FakePageSite> m_site;
    std::unique_ptr<MenuItem> m_page;
};

void TestMenuItemPage::init()
{
    m_folder = std::make_unique<QTemporaryDir>();
    QVERIFY(m_folder->isValid());
    orvex::ApplicationFolder::setPath(m_folder->path());
    m_site = std::make_unique<FakePageSite>(m_folder->path());
}

void TestMenuItemPage::cleanup()
{
    m_page.reset();
    m_site.reset();
    orvex::ApplicationFolder::reset();
}

void TestMenuItemPage::createPage()
{
    m_page = std::make_unique<MenuItem>(*m_site);
    m_page->show();
    QVERIFY(QTest::qWaitForWindowExposed(m_page.get()));
}

std::unique_ptr<Skin> TestMenuItemPage::makeSkin(bool buttonMax)
{
    auto skin = std::make_unique<Skin>();
    skin->setButtonMax(buttonMax);
    return skin;
}

void TestMenuItemPage::controlsHaveTheirNamesPlacesAndCaptions_data()
{
    QTest::addColumn<QString>("name");
    QTest::addColumn<QRect>("twips");
    QTest::addColumn<QString>("caption");

    QTest::newRow("Frame1") << "Frame1" << QRect(75, 0, 6840, 7965) << "Add Menu";
    QTest::newRow("txtCaption") << "txtCaption" << QRect(1245, 450, 3585, 405) << "";
    QTest::newRow("Label1") << "Label1" << QRect(285, 540, 675, 225) << "Caption";
    QTest::newRow("txtname") << "txtname" << QRect(1245, 930, 3585, 405) << "";
    QTest::newRow("Label2") << "Label2" << QRect(315, 1050, 555, 255) << "Name";
    QTest::newRow("OK") << "OK" << QRect(5385, 450, 1275, 405) << "OK";
    QTest::newRow("Cancel") << "Cancel" << QRect(5355, 990, 1275, 405) << "Cancel";
    QTest::newRow("down") << "down" << QRect(225, 1650, 525, 495) << "";
    QTest::newRow("up") << "up" << QRect(765, 1650, 555, 495) << "";
    QTest::newRow("prev") << "prev" << QRect(1725, 1650, 525, 495) << "";
    QTest::newRow("next") << "next" << QRect(2235, 1650, 525, 495) << "";
    QTest::newRow("Nxt") << "Nxt" << QRect(2955, 1770, 1065, 345) << "Next";
    QTest::newRow("Insert") << "Insert" << QRect(4095, 1770, 1215, 345) << "Insert";
    QTest::newRow("Delete") << "Delete" << QRect(5385, 1770, 1215, 345) << "Delete";
    QTest::newRow("List1") << "List1" << QRect(225, 2400, 6405, 5325) << "";
    QTest::newRow("List2") << "List2" << QRect(4725, 1800, 1590, 2205) << "";
    QTest::newRow("chkButtonMax") << "chkButtonMax" << QRect(7650, 450, 2700, 285) << "ButtonMax";
}

void TestMenuItemPage::controlsHaveTheirNamesPlacesAndCaptions()
{
    QFETCH(QString, name);
    QFETCH(QRect, twips);
    QFETCH(QString, caption);
    createPage();

    auto *control = m_page->findChild<QWidget *>(name);
    QVERIFY(control);
    QCOMPARE(control->geometry(), orvex::twips::toPixelRect(twips));
    QCOMPARE(m_page->minimumSize(), orvex::twips::toPixelSize(10425, 8010));
    QString text;
    if (auto *box = qobject_cast<QGroupBox *>(control))
        text = box->title();
    else if (auto *label = qobject_cast<QLabel *>(control))
        text = label->text();
    else if (auto *button = qobject_cast<QAbstractButton *>(control))
        text = button->text();
    QCOMPARE(text, caption);
    // Every control but the hidden name list lies wholly on the page.
    QCOMPARE(control->isVisible(), name != u"List2");
    QVERIFY(m_page->rect().contains(control->mapTo(m_page.get(), control->rect().bottomRight())));
}

void TestMenuItemPage::tabOrderFollowsTheTabIndexes()
{
    createPage();
    const QStringList expected{"Cancel",     "OK",      "Delete",      "Insert", "Nxt",
                               "txtCaption", "txtname", "next",        "prev",   "down",
                               "up",         "List1",   "chkButtonMax"};
    QStringList order;
    QWidget *widget = child<QWidget>("Cancel");
    do {
        if (widget->isVisible() && widget->focusPolicy() & Qt::TabFocus)
            order.append(widget->objectName());
        widget = widget->nextInFocusChain();
    } while (widget != child<QWidget>("Cancel"));
    QCOMPARE(order, expected);
}

void TestMenuItemPage::arrowButtonsShowPictures()
{
    createPage();
    for (const char *name : {"down", "up", "prev", "next"}) {
        const QIcon icon = child<QPushButton>(name)->icon();
        QVERIFY2(!icon.isNull(), name);
        QCOMPARE(icon.availableSizes(), (QList<QSize>{QSize(32, 32), QSize(16, 16)}));
        QVERIFY(child<QPushButton>(name)->text().isEmpty());
    }
    // Each button points its own way: no two pictures are the same.
    const QImage left = child<QPushButton>("down")->icon().pixmap(32).toImage();
    const QImage right = child<QPushButton>("up")->icon().pixmap(32).toImage();
    QVERIFY(left != right);
}

void TestMenuItemPage::typingBuildsMenusAndOkSavesThem()
{
    createPage();
    auto *caption = child<QLineEdit>("txtCaption");
    auto *name = child<QLineEdit>("txtname");
    auto *list = child<QListWidget>("List1");

    QTest::keyClicks(caption, "F");
    QCOMPARE(list->count(), 1);
    QCOMPARE(list->item(0)->text(), QStringLiteral("F"));
    QTest::keyClicks(caption, "ile");
    QTest::keyClicks(name, "FileMenu");
    QTest::mouseClick(child<QPushButton>("Nxt"), Qt::LeftButton);
    QVERIFY(caption->text().isEmpty());
    QVERIFY(name->text().isEmpty());
    QTest::mouseClick(child<QPushButton>("up"), Qt::LeftButton);
    QTest::keyClicks(caption, "Open");
    QTest::keyClicks(name, "OpenItem");
    QCOMPARE(list->item(1)->text(), QStringLiteral("....Open"));
    QCOMPARE(child<QListWidget>("List2")->item(1)->text(), QStringLiteral("OpenItem"));

    QTest::mouseClick(child<QPushButton>("Cancel"), Qt::LeftButton);
    QVERIFY(!QFile::exists(menuPath()));
    QTest::mouseClick(child<QPushButton>("OK"), Qt::LeftButton);
    QCOMPARE(menufixtures::read(menuPath()), QByteArray("FileMenu!File\r\nOpenItem!....Open\r\n"));
    QVERIFY(m_site->presenter.requests().isEmpty());
    QVERIFY(!m_page->isChanged());
}

void TestMenuItemPage::nameBoxRefusesTheSeparator()
{
    createPage();
    QTest::keyClicks(child<QLineEdit>("txtname"), "File!Menu");
    QCOMPARE(child<QLineEdit>("txtname")->text(), QStringLiteral("FileMenu"));
    QCOMPARE(m_page->editor().names(), QStringList{"FileMenu"});

    // Text put in around the validator is taken back.
    child<QLineEdit>("txtname")->setText(QStringLiteral("a!b"));
    QCOMPARE(child<QLineEdit>("txtname")->text(), QStringLiteral("FileMenu"));
    child<QLineEdit>("txtCaption")->setText(QStringLiteral("two\nlines"));
    QVERIFY(child<QLineEdit>("txtCaption")->text().isEmpty());
    QVERIFY(m_page->editor().captions().isEmpty());
}

void TestMenuItemPage::clickingARowMovesTheCurrentRow()
{
    QVERIFY(menufixtures::write(menuPath(), menufixtures::sample));
    createPage();
    auto *list = child<QListWidget>("List1");
    QTest::mouseClick(list->viewport(), Qt::LeftButton, {},
                      list->visualItemRect(list->item(2)).center());
    QCOMPARE(m_page->editor().currentRow(), 2);
    // The boxes are not filled from the lists; typing rewrites the clicked row.
    QVERIFY(child<QLineEdit>("txtCaption")->text().isEmpty());
    QTest::keyClicks(child<QLineEdit>("txtCaption"), "Z");
    QCOMPARE(list->item(2)->text(), QStringLiteral("Z"));
}

void TestMenuItemPage::moveButtonsMoveTheSelection()
{
    QVERIFY(menufixtures::write(menuPath(), menufixtures::sample));
    createPage();
    auto *list = child<QListWidget>("List1");
    QTest::mouseClick(list->viewport(), Qt::LeftButton, {},
                      list->visualItemRect(list->item(1)).center());
    QTest::mouseClick(child<QPushButton>("next"), Qt::LeftButton);
    QCOMPARE(list->item(2)->text(), QStringLiteral("....Open"));
    QCOMPARE(list->currentRow(), 2);
    QCOMPARE(m_page->editor().currentRow(), 2);

    QTest::mouseClick(child<QPushButton>("Insert"), Qt::LeftButton);
    QCOMPARE(list->count(), 5);
    QVERIFY(list->item(2)->text().isEmpty());
    QVERIFY(list->item(2)->isSelected());

    QTest::mouseClick(child<QPushButton>("Delete"), Qt::LeftButton);
    QCOMPARE(list->count(), 4);
    QTest::mouseClick(child<QPushButton>("prev"), Qt::LeftButton);
    QCOMPARE(list->item(1)->text(), QStringLiteral("....Open"));
    QCOMPARE(list->currentRow(), 1);
    QTest::mouseClick(child<QPushButton>("down"), Qt::LeftButton);
    QCOMPARE(list->item(1)->text(), QStringLiteral("Open"));
    QCOMPARE(child<QListWidget>("List2")->item(1)->text(), QStringLiteral("OpenItem"));
}

void TestMenuItemPage::pageLoadsTheFileWhenCreated()
{
    QVERIFY(menufixtures::write(menuPath(), menufixtures::sample));
    createPage();
    auto *list = child<QListWidget>("List1");
    QCOMPARE(list->count(), 4);
    QCOMPARE(list->item(2)->text(), QStringLiteral("........Wait...."));
    QCOMPARE(child<QListWidget>("List2")->item(3)->text(), QStringLiteral("HelpMenu"));
    QTest::mouseClick(child<QPushButton>("OK"), Qt::LeftButton);
    QCOMPARE(menufixtures::read(menuPath()), menufixtures::sample);
}

void TestMenuItemPage::failedSaveIsReported()
{
    // A folder in the file's place cannot be replaced by a file.
    QVERIFY(QDir(m_folder->path()).mkdir(QStringLiteral("menu.txt")));
    createPage();
    QTest::keyClicks(child<QLineEdit>("txtCaption"), "File");
    QTest::mouseClick(child<QPushButton>("OK"), Qt::LeftButton);

    QCOMPARE(m_site->presenter.requests().size(), 1);
    const QString text = m_site->presenter.requests().first().text;
    QVERIFY2(text.startsWith(u"The menus were not saved."), qPrintable(text));
    QVERIFY2(text.contains(QDir::toNativeSeparators(menuPath())), qPrintable(text));
    QVERIFY(QFileInfo(menuPath()).isDir());
}

void TestMenuItemPage::unreadableFileIsReportedAtOpen()
{
    if (!menufixtures::makeUnreadable(menuPath()))
        QSKIP("no way to make an unreadable file here");
    createPage();
    QCOMPARE(m_site->presenter.requests().size(), 1);
    QCOMPARE(child<QListWidget>("List1")->count(), 0);
    QTest::mouseClick(child<QPushButton>("OK"), Qt::LeftButton);
    QCOMPARE(m_site->presenter.requests().size(), 2);
    QCOMPARE(m_site->presenter.requests()[1].buttons, orvex::MessageButtons::YesNo);
    QVERIFY(QFileInfo(menuPath()).isSymLink() ||
            !(QFileInfo(menuPath()).permissions() & QFileDevice::ReadOwner));
}

void TestMenuItemPage::showMarksChangedOnlyForATrueValue_data()
{
    QTest::addColumn<bool>("buttonMax");
    QTest::newRow("true") << true;
    QTest::newRow("false") << false;
}

void TestMenuItemPage::showMarksChangedOnlyForATrueValue()
{
    QFETCH(bool, buttonMax);
    const auto skin = makeSkin(buttonMax);
    m_site->selection = {skin.get()};
    createPage();

    m_page->selectionChanged();
    QCOMPARE(child<QCheckBox>("chkButtonMax")->isChecked(), buttonMax);
    QCOMPARE(m_page->isChanged(), buttonMax);
    QCOMPARE(m_site->changed, buttonMax);
    QVERIFY(m_site->presenter.requests().isEmpty());
}

void TestMenuItemPage::applyWritesTheBoxAndClearsTheFlag()
{
    const auto skin = makeSkin(false);
    m_site->selection = {skin.get()};
    createPage();
    m_page->selectionChanged();

    auto *box = child<QCheckBox>("chkButtonMax");
    QTest::mouseClick(box, Qt::LeftButton, {}, QPoint(8, box->height() / 2));
    QVERIFY(m_site->changed);
    QVERIFY(!skin->buttonMax()); // untouched until the host applies

    QVERIFY(m_page->apply());
    QVERIFY(skin->buttonMax());
    QCOMPARE(skin->property("ButtonMax"), QVariant(true));
    QVERIFY(!m_page->isChanged());
    QVERIFY(!m_site->changed);
}

void TestMenuItemPage::clickingTwiceStillMarksChanged()
{
    const auto skin = makeSkin(true);
    m_site->selection = {skin.get()};
    createPage();
    m_page->selectionChanged();
    QVERIFY(m_page->apply());
    QVERIFY(!m_page->isChanged());

    auto *box = child<QCheckBox>("chkButtonMax");
    QTest::mouseClick(box, Qt::LeftButton, {}, QPoint(8, box->height() / 2));
    QTest::mouseClick(box, Qt::LeftButton, {}, QPoint(8, box->height() / 2));
    QVERIFY(box->isChecked());
    QVERIFY(m_page->isChanged());
    QVERIFY(m_page->apply());
    QVERIFY(skin->buttonMax());
}

void TestMenuItemPage::onlyTheFirstSelectedObjectCounts()
{
    const auto first = makeSkin(true);
    const auto second = makeSkin(false);
    m_site->selection = {first.get(), second.get()};
    createPage();
    m_page->selectionChanged();
    QVERIFY(child<QCheckBox>("chkButtonMax")->isChecked());

    child<QCheckBox>("chkButtonMax")->setChecked(false);
    QVERIFY(m_page->apply());
    QVERIFY(!first->buttonMax());
    QVERIFY(!second->buttonMax());

    m_site->selection = {second.get(), first.get()};
    child<QCheckBox>("chkButtonMax")->setChecked(true);
    QVERIFY(m_page->apply());
    QVERIFY(second->buttonMax());
    QVERIFY(!first->buttonMax());
}

void TestMenuItemPage::missingPropertyIsReportedAndNothingChanges()
{
    QLabel label;
    label.setObjectName(QStringLiteral("Label9"));
    const auto skin = makeSkin(true);
    m_site->selection = {&label, skin.get()};
    createPage();
    auto *box = child<QCheckBox>("chkButtonMax");

    m_page->selectionChanged();
    QCOMPARE(m_site->presenter.requests().size(), 1);
    QVERIFY(m_site->presenter.requests()[0].text.contains(u"ButtonMax"));
    QVERIFY(m_site->presenter.requests()[0].text.contains(u"Label9"));
    QVERIFY(!box->isChecked());
    QVERIFY(!m_page->isChanged());

    box->setChecked(true);
    QVERIFY(!m_page->apply());
    QCOMPARE(m_site->presenter.requests().size(), 2);
    QVERIFY(label.dynamicPropertyNames().isEmpty());
    QVERIFY(!label.property("ButtonMax").isValid());
    QVERIFY(m_page->isChanged());
}

void TestMenuItemPage::emptySelectionIsReported()
{
    createPage();
    m_page->selectionChanged();
    QVERIFY(!m_page->apply());
    QCOMPARE(m_site->presenter.requests().size(), 2);
    QCOMPARE(m_site->presenter.requests()[0].text, QStringLiteral("No control is selected."));
}

QTEST_MAIN(TestMenuItemPage)
#include "tst_menuitempage.moc"
