// The widget-free rules beside the frame's: the menu file, model, keys and
// editor, the remembered skin and the ButtonMax option.
#include "core/design/rememberedskin.h"
#include "core/menu/menubar.h"
#include "core/menu/menukeys.h"
#include "core/text/textlines.h"
#include "propertypage/rules/buttonoptions.h"
#include "propertypage/rules/menudocument.h"
#include "propertypage/rules/menueditor.h"
#include "recordingmessagepresenter.h"
#include "testfiles.h"

#include <QSettings>
#include <QTemporaryDir>
#include <QTest>

using namespace orvex;
using namespace Qt::StringLiterals;
using menueditor::MenuEditor;
using Lines = QStringList;

namespace {

// A list written as one text, its entries between commas: u"a,,b" is "a", "", "b".
Lines list(QStringView entries)
{
    return entries.isEmpty() ? Lines() : entries.toString().split(u',');
}

} // namespace

class Control : public QObject
{
    Q_OBJECT
    Q_PROPERTY(bool ButtonMax MEMBER m_buttonMax)
    bool m_buttonMax = true;
};

class RulesTest : public QObject
{
    Q_OBJECT
    QTemporaryDir m_settings;

private Q_SLOTS:
    // Before any settings object exists, so that no test reads the user's own store.
    void initTestCase()
    {
        QSettings::setPath(QSettings::NativeFormat, QSettings::UserScope, m_settings.path());
    }

    void textLines_data()
    {
        QTest::addColumn<QByteArray>("bytes");
        QTest::addColumn<Lines>("lines");
        QTest::newRow("CR LF, LF, CR") << "a\r\nb\nc\rd"_ba << list(u"a,b,c,d");
        QTest::newRow("LF CR is two line ends") << "\r\n\n\rb\r\n"_ba << list(u",,,b");
        QTest::newRow("nothing") << QByteArray() << Lines();
    }

    void textLines()
    {
        QFETCH(QByteArray, bytes);
        QFETCH(Lines, lines);
        QCOMPARE(textlines::split(bytes), lines);
        QCOMPARE(textlines::first(bytes), lines.value(0));
    }

    void recordsOfLines_data()
    {
        QTest::addColumn<QString>("line");
        QTest::addColumn<Lines>("record"); // name, text; no name without a "!"
        QTest::addColumn<qsizetype>("markers");
        QTest::addColumn<QString>("caption");
        QTest::newRow("split at the first \"!\"; three full stops")
            << u"x!...Help!"_s << list(u"x,...Help!") << 0LL << u"...Help!"_s;
        QTest::newRow("no \"!\"") << u"....Loose"_s << list(u"....Loose") << 1LL << u"Loose"_s;
        QTest::newRow("two markers")
            << u"!........W.."_s << list(u",........W..") << 2LL << u"W.."_s;
        QTest::newRow("six full stops") << u"x!......"_s << list(u"x,......") << 1LL << u".."_s;
    }

    void recordsOfLines()
    {
        QFETCH(QString, line);
        QFETCH(Lines, record);
        const menufile::SplitLine split = menufile::splitLine(line);
        QCOMPARE(split.hasSeparator, record.size() == 2);
        QCOMPARE(split.record,
                 (menufile::Record{record.size() == 2 ? record[0] : QString(), record.last()}));
        QTEST(menufile::countMarkers(split.record.text), "markers");
        QTEST(menufile::stripMarkers(split.record.text), "caption");
    }

    void recordTexts_data()
    {
        QTest::addColumn<QString>("name");
        QTest::addColumn<QString>("text");
        QTest::addColumn<QString>("problem");
        const QString lineBreak = u"it contains a line break"_s;
        const QString wide = u"it contains a character that is not single-byte text"_s;
        QTest::newRow("\"!\" in the text") << u"\u00ff"_s << u"Help!\u00ff"_s << QString();
        QTest::newRow("\"!\" in the name") << u"a!b"_s << QString() << u"the name contains \"!\""_s;
        QTest::newRow("line break in the name") << u"a\n"_s << QString() << lineBreak;
        QTest::newRow("line break in the text") << QString() << u"a\rb"_s << lineBreak;
        QTest::newRow("wide in the name") << u"\u0100"_s << QString() << wide;
        QTest::newRow("wide in the text") << QString() << u"\u20ac"_s << wide;
    }

    void recordTexts()
    {
        QFETCH(QString, name);
        QFETCH(QString, text);
        QFETCH(QString, problem);
        const Status checked = menufile::checkRecord({name, text});
        QCOMPARE(checked.ok() ? QString() : checked.failure().why(), problem);
        QCOMPARE(menufile::isValidName(name) && menufile::isValidText(text), problem.isEmpty());
    }

    void fileReadAndWrite()
    {
        QTemporaryDir dir;
        const QString path = menufile::path(dir.path());
        QVERIFY(QDir(dir.path()).mkdir(u"menu.txt"_s)); // a folder is no menu file
        Result<menubar::Menus> result = menubar::load(dir.path());
        QVERIFY(result.ok() && result->titles == Lines{u"Menu"_s});
        // A link to a file that opens and then fails its first read, for root as well.
        QVERIFY(QDir(dir.path()).rmdir(u"menu.txt"_s) && QFile::link(u"/proc/self/mem"_s, path));
        result = menubar::load(dir.path());
        QCOMPARE(menubar::unreadableWarning(result.status().failure()),
                 u"warning: cannot read the menu file "_s + path +
                     u" (Input/output error); the design menus stay"_s);
        QString every; // every character of single-byte text but the line ends
        for (char16_t c = 0; c < 256; ++c)
            every += c == '\r' || c == '\n' ? u'!' : QChar(c);
        QVERIFY(QFile::remove(path) &&
                menufile::write(path, {{u"T"_s, u"Top"_s}, {{}, every}}).ok());
        QCOMPARE(testfiles::read(path), "T!Top\r\n!"_ba + every.toLatin1() + "\r\n"_ba);
        const Status refused = menufile::write(path, {{u"ok"_s, {}}, {u"a!b"_s, {}}});
        QCOMPARE(refused.failure().text(),
                 path + u": record 2 cannot be saved: the name contains \"!\""_s);
        QCOMPARE(menubar::load(dir.path())->titles, (Lines{u"Top"_s, every}));
    }

    void buildMenus_data()
    {
        QTest::addColumn<Lines>("lines");
        QTest::addColumn<Lines>("titles");
        QTest::addColumn<Lines>("items"); // "slot|caption|name"
        QTest::newRow("items before the first title dropped, blank line a title")
            << list(u"a!....x,T!Top,b!....y,,....z") << list(u"Top,") << list(u"0|y|b,1|z|b");
        QTest::newRow("a line without \"!\" keeps the name before it, none at first")
            << list(u"Top,....a,HelpMenu!Help,....Loose,i!....i,....c") << list(u"Top,Help")
            << list(u"0|a|,1|Loose|HelpMenu,1|i|i,1|c|i");
        QTest::newRow("ninth title has no items") << list(u"1,2,3,4,5,6,7,8,y!....Y,9,x!....X")
                                                  << list(u"1,2,3,4,5,6,7,8,9") << list(u"7|Y|y");
    }

    void buildMenus()
    {
        QFETCH(Lines, lines);
        const menubar::Menus menus = menubar::build(lines);
        Lines items;
        for (int slot = 0; slot < menubar::slotCount; ++slot)
            for (const menubar::Item &item : menus.items[slot])
                items << u"%1|%2|%3"_s.arg(slot).arg(item.caption, item.name);
        QTEST(menus.titles, "titles");
        QTEST(items, "items");
    }

    void countsStopAtTheirCaps()
    {
        // One item and one title past the cap; B counts its items afresh.
        const menubar::Menus menus =
            menubar::build(list(u"A!A") + Lines(menubar::countLimit + 1, u"n!....item"_s) +
                           list(u"B!B,m!....b") + Lines(menubar::countLimit - 1, u"!title"_s));
        QCOMPARE(menus.titles.size(), menubar::countLimit);
        QVERIFY(menus.items[0].size() == menubar::countLimit && menus.items[1].size() == 1);

        MenuEditor editor;
        editor.setCaptionBox(u"X"_s);
        for (int i = 0; i <= MenuEditor::maxIndentLevel; ++i)
            editor.indent();
        QVERIFY(editor.indentLevel() == MenuEditor::maxIndentLevel &&
                editor.captions().first().size() == 4 * MenuEditor::maxIndentLevel + 1);
    }

    void mnemonics_data()
    {
        QTest::addColumn<Lines>("titles");
        QTest::addColumn<QString>("mnemonics"); // each a letter and its title's index
        QTest::newRow("unique first letters, any case")
            << list(u"File,edit,\u00e9t\u00e9") << u"F0 E1 \u00c92"_s;
        QTest::newRow("a letter two titles share, in any case")
            << list(u"Help,File,hints") << u"F1"_s;
        QTest::newRow("no letter first, no title, no menu")
            << list(u",1st, Tab,Go,Ninth") << u"G3"_s;
    }

    void mnemonics()
    {
        QFETCH(Lines, titles);
        Lines found;
        for (const menukeys::Mnemonic &mnemonic : menukeys::mnemonics(titles, 4))
            found << mnemonic.letter + QString::number(mnemonic.title);
        QTEST(found.join(u' '), "mnemonics");
    }

    void editRows_data()
    {
        QTest::addColumn<Lines>("lines");
        QTest::addColumn<Lines>("script"); // c: and n: type into the boxes, click: picks a row
        QTest::addColumn<Lines>("records");
        QTest::addColumn<QList<int>>("row"); // current row, indent level, selected row
        const Lines abc = list(u"a!A,b!B,c!C");
        QTest::newRow("title, then indented items, names padded")
            << Lines() << list(u"c:File,Nxt,up,c:Open,Nxt,c:Save,n:S")
            << list(u"!File,!....Open,S!....Save") << QList{2, 1, -1};
        QTest::newRow("prev, then Nxt empties the boxes")
            << abc << list(u"click:2,prev,Nxt,c:Z,n:z,Nxt,n:z") << list(u"a!A,c!C,z!Z,z!")
            << QList{3, 0, 1};
        QTest::newRow("rows past the end")
            << list(u"a!A") << list(u"Nxt,Delete,Insert,Nxt,Nxt,c:X,n:x,up,down,next")
            << list(u"a!A,!") << QList{3, 0, 1};
        QTest::newRow("down takes one marker, keeps the level; next on the last row stays")
            << list(u"o!........Open,p!...") << list(u"down,click:1,next,down,up,down,Nxt,c:X")
            << list(u"o!....Open,p!...,!....X") << QList{2, 1, 1};
        QTest::newRow("a line without \"!\" keeps the name before it, as the control reads it")
            << list(u"Loose,HelpMenu!Help,....Loose") << Lines()
            << list(u"!Loose,HelpMenu!Help,HelpMenu!....Loose") << QList{0, 0, -1};
        QTest::newRow("prev on row 0 stays, Insert at the row, Delete the last row, click no row")
            << abc << list(u"prev,click:1,Insert,c:X,click:3,Delete,click:-1,c:Y")
            << list(u"a!A,!X,b!B,!Y") << QList{3, 0, -1};
    }

    void editRows()
    {
        QFETCH(Lines, lines);
        QFETCH(Lines, script);
        const QHash<QString, void (MenuEditor::*)()> buttons{
            {u"Nxt"_s, &MenuEditor::goToNextRow},  {u"Insert"_s, &MenuEditor::insertRow},
            {u"Delete"_s, &MenuEditor::deleteRow}, {u"up"_s, &MenuEditor::indent},
            {u"down"_s, &MenuEditor::outdent},     {u"prev"_s, &MenuEditor::moveUp},
            {u"next"_s, &MenuEditor::moveDown}};
        MenuEditor editor;
        editor.loadLines(lines);
        for (const QString &step : script) {
            if (step.startsWith(u"c:"))
                editor.setCaptionBox(step.sliced(2));
            else if (step.startsWith(u"n:"))
                editor.setNameBox(step.sliced(2));
            else if (step.startsWith(u"click:"))
                editor.clickRow(step.sliced(6).toInt());
            else
                (editor.*buttons.value(step))();
        }
        Lines records;
        for (const menufile::Record &record : editor.records())
            records << record.name + u'!' + record.text;
        QTEST(records, "records");
        QTEST((QList<int>{editor.currentRow(), editor.indentLevel(), editor.selectedRow()}), "row");
    }

    void documentAsksBeforeReplacingAnUnreadableFile()
    {
        QTemporaryDir dir;
        RecordingMessagePresenter presenter(
            {MessageAnswer::No, MessageAnswer::Yes, MessageAnswer::Yes});
        menueditor::MenuDocument document(dir.path(), presenter);
        const QString path = document.filePath();
        MenuEditor editor;
        QVERIFY(testfiles::write(path, "kept!Kept"));
        document.load(editor);
        QVERIFY(QFile::remove(path));
        document.load(editor); // missing: nothing read, nothing asked
        QVERIFY(document.save(editor) && QFile::remove(path) &&
                QFile::link(u"/proc/self/mem"_s, path));
        document.load(editor);
        QCOMPARE(editor.captions(), list(u"Kept"));
        QVERIFY(!document.save(editor) && !document.save(editor)); // No; Yes, but cannot replace
        QVERIFY(QFileInfo(path).isSymLink() && QFile::remove(path));
        QVERIFY(document.save(editor) && document.save(editor)); // Yes; then not asked again
        QCOMPARE(testfiles::read(path), "kept!Kept\r\n");
        Lines kinds; // the boxes without their texts
        for (const QString &box : presenter.described())
            kinds << box.section(u" | "_s, 1);
        const QString ask = u"icon warning | yes/no | default no"_s;
        QCOMPARE(kinds, (Lines{u"icon warning | ok | default ok"_s, ask, ask,
                               u"icon critical | ok | default ok"_s, ask}));
    }

    void rememberedSkinIsKeptPerHost()
    {
        // A file where the organisation's folder should be: refused even for root.
        QVERIFY(QFile(m_settings.filePath(u"OrvexTessary"_s)).open(QIODevice::WriteOnly));
        QVERIFY(!rememberedskin::write(u"Host"_s, u"/skins/blue.bmp"_s).ok());
        QVERIFY(QFile::remove(m_settings.filePath(u"OrvexTessary"_s)));

        QVERIFY(rememberedskin::write(u"Host/One%"_s, u"/skins/blue.bmp"_s).ok());
        QCOMPARE(rememberedskin::read(u"Host/One%"_s), u"/skins/blue.bmp");
        QCOMPARE(QSettings(u"OrvexTessary"_s, u"Host%2FOne%25"_s).value("skin/main"),
                 u"/skins/blue.bmp"_s);
    }

    void buttonMaxOnTheFirstSelectedObject()
    {
        Control control;
        QObject plain;
        QList<QObject *> written;
        bool accepts = true;
        const auto writer = [&](QObject *object, const char *name, const QVariant &value) {
            if (name == QByteArrayView("ButtonMax") && value == QVariant(false))
                written << object;
            return accepts;
        };
        const auto why = [&](const QList<QObject *> &selection) {
            const Status written = buttonoptions::write(selection, false, writer);
            return written.ok() ? QString() : written.failure().text();
        };
        QCOMPARE(why({}), u"No control is selected.");
        QVERIFY(why({&plain, &control}).contains(u"has no property \"ButtonMax\""));
        const Result<bool> read = buttonoptions::read({&control, &plain});
        QVERIFY(read.ok() && read.value());
        QCOMPARE(why({&control, &plain}), QString());
        accepts = false;
        QVERIFY(why({&control}).contains(u"could not be set"));
        QCOMPARE(written, (QList<QObject *>{&control, &control}));
    }
};

QTEST_GUILESS_MAIN(RulesTest)
#include "tst_rules.moc"
