#include "core/menu/menubar.h"
#include "core/menu/menukeys.h"
#include "core/text/textlines.h"
#include "propertypage/rules/menudocument.h"
#include "propertypage/rules/menueditor.h"
#include "recordingmessagepresenter.h"
#include "testfiles.h"

#include <QTemporaryDir>
#include <QTest>

using namespace orvex;
using menueditor::MenuEditor;
using Lines = QStringList;

class MenusTest : public QObject
{
    Q_OBJECT

private Q_SLOTS:
    void lineAndRecordRules()
    {
        for (const auto &[bytes, lines] :
             {std::pair(QByteArray("a\r\nb\nc\rd"), Lines{"a", "b", "c", "d"}), // CR LF, LF, CR
              {QByteArray("\r\n\n\rb\r\n"), Lines{"", "", "", "b"}}, // LF CR is two line ends
              {QByteArray(), Lines()}}) {
            QCOMPARE(textlines::split(bytes), lines);
            QCOMPARE(textlines::first(bytes), lines.value(0));
        }
        const menufile::SplitLine split = menufile::splitLine("Help!Help!");
        QVERIFY(split.hasSeparator && (split.record == menufile::Record{"Help", "Help!"}));
        const menufile::SplitLine plain = menufile::splitLine("....Loose");
        QVERIFY(!plain.hasSeparator && (plain.record == menufile::Record{"", "....Loose"}));
        for (const auto &[text, count, caption] :
             {std::tuple("........W..", 2, "W.."), {"......", 1, ".."}, {"...", 0, "..."}}) {
            QCOMPARE(menufile::countMarkers(QString(text)), count);
            QCOMPARE(menufile::stripMarkers(text), caption);
        }
        QVERIFY(menufile::isValidText(u"Help!\u00ff") && !menufile::isValidName(u"Help!"));
        QVERIFY(menufile::isValidName(u"\u00ff") && !menufile::isValidText(u"\u0100"));
        QVERIFY(!menufile::isValidText(u"a\rb") && !menufile::isValidText(u"a\nb"));
        for (const menufile::Record &record : {menufile::Record{"a\n", ""}, {"", "\rb"}})
            QCOMPARE(menufile::checkRecord(record).failure().why(), "it contains a line break");
        for (const menufile::Record &record : {menufile::Record{"\u20ac", ""}, {"", "\u20ac"}})
            QVERIFY(menufile::checkRecord(record).failure().why().contains("not single-byte"));
    }

    void fileReadAndWrite()
    {
        QTemporaryDir dir;
        const QString path = menufile::path(dir.path());
        QVERIFY(QDir(dir.path()).mkdir("menu.txt")); // a folder is no menu file
        Result<menubar::Menus> result = menubar::load(dir.path());
        QVERIFY(result.ok() && result->titles == Lines{"Menu"});
        // A link to a file that opens and then fails its first read, for root as well.
        QVERIFY(QDir(dir.path()).rmdir("menu.txt") && QFile::link("/proc/self/mem", path));
        result = menubar::load(dir.path());
        QCOMPARE(menubar::unreadableWarning(result.status().failure()),
                 "warning: cannot read the menu file " + path +
                     " (Input/output error); the design menus stay");
        QString every; // every character of single-byte text but the line ends
        for (char16_t c = 0; c < 256; ++c)
            every += c == '\r' || c == '\n' ? u'!' : QChar(c);
        QVERIFY(QFile::remove(path) && menufile::write(path, {{"T", "Top"}, {"", every}}).ok());
        QCOMPARE(testfiles::read(path), "T!Top\r\n!" + every.toLatin1() + "\r\n");
        QCOMPARE(menufile::write(path, {{"ok", ""}, {"a!b", ""}}).failure().why(),
                 "record 2 cannot be saved: the name contains \"!\"");
        QCOMPARE(menubar::load(dir.path())->titles, (Lines{"Top", every}));
    }

    void buildMenus_data()
    {
        QTest::addColumn<Lines>("lines");
        QTest::addColumn<Lines>("titles");
        QTest::addColumn<Lines>("items"); // "slot|caption|name"
        QTest::newRow("items before the first title dropped, blank line a title")
            << Lines{"a!....x", "T!Top", "b!....y", "", "....z"} << Lines{"Top", ""}
            << Lines{"0|y|b", "1|z|b"};
        QTest::newRow("a line without \"!\" keeps the name before it, none at first")
            << Lines{"Top", "....a", "HelpMenu!Help", "....Loose", "i!....i", "....c"}
            << Lines{"Top", "Help"} << Lines{"0|a|", "1|Loose|HelpMenu", "1|i|i", "1|c|i"};
        QTest::newRow("markers, then the caption") << Lines{"T!Top", "x!........Deep", "y!...3"}
                                                   << Lines{"Top", "...3"} << Lines{"0|Deep|x"};
        QTest::newRow("ninth title has no items")
            << Lines{"1", "2", "3", "4", "5", "6", "7", "8", "y!....Y", "9", "x!....X"}
            << Lines{"1", "2", "3", "4", "5", "6", "7", "8", "9"} << Lines{"7|Y|y"};
    }

    void buildMenus()
    {
        QFETCH(Lines, lines);
        const menubar::Menus menus = menubar::build(lines);
        Lines items;
        for (int slot = 0; slot < menubar::slotCount; ++slot)
            for (const menubar::Item &item : menus.items[slot])
                items << QString("%1|%2|%3").arg(slot).arg(item.caption, item.name);
        QTEST(menus.titles, "titles");
        QTEST(items, "items");
    }

    void countsStopAtTheirCaps()
    {
        // One item and one title past the cap; B counts its items afresh.
        const menubar::Menus menus =
            menubar::build(Lines{"A!A"} + Lines(menubar::countLimit + 1, "n!....item") +
                           Lines{"B!B", "m!....b"} + Lines(menubar::countLimit - 1, "!title"));
        QCOMPARE(menus.titles.size(), menubar::countLimit);
        QVERIFY(menus.items[0].size() == menubar::countLimit && menus.items[1].size() == 1);

        MenuEditor editor;
        editor.setCaptionBox("X");
        for (int i = 0; i <= MenuEditor::maxIndentLevel; ++i)
            editor.indent();
        QVERIFY(editor.indentLevel() == MenuEditor::maxIndentLevel &&
                editor.captions().first().size() == 4 * MenuEditor::maxIndentLevel + 1);
    }

    void menuKeys_data()
    {
        QTest::addColumn<Lines>("titles");
        QTest::addColumn<QList<int>>("mnemonics"); // title indexes
        QTest::addColumn<QString>("letters");
        QTest::newRow("unique first letters, any case")
            << Lines{"File", "edit", "\u00e9t\u00e9"} << QList{0, 1, 2} << "FE\u00c9";
        QTest::newRow("a letter two titles share, in any case")
            << Lines{"Help", "File", "hints"} << QList{1} << "F";
        QTest::newRow("no letter first, no title, no menu")
            << Lines{"", "1st", " Tab", "Go", "Ninth"} << QList{3} << "G";
    }

    void menuKeys()
    {
        QFETCH(Lines, titles);
        QList<int> indexes;
        QString letters;
        for (const menukeys::Mnemonic &mnemonic : menukeys::mnemonics(titles, 4)) {
            indexes << mnemonic.title;
            letters += mnemonic.letter;
        }
        QTEST(indexes, "mnemonics");
        QTEST(letters, "letters");
        for (const auto &[from, direction, to] : {std::tuple(0, 1, 1), {2, 1, 0}, {0, -1, 2}})
            QCOMPARE(menukeys::step(from, direction, 3), to);
    }

    void editRows_data()
    {
        QTest::addColumn<Lines>("lines");
        QTest::addColumn<Lines>("script"); // c: and n: type into the boxes, click: picks a row
        QTest::addColumn<Lines>("records");
        QTest::addColumn<QList<int>>("row"); // current row, indent level, selected row
        const Lines abc{"a!A", "b!B", "c!C"};
        QTest::newRow("title, then indented items, names padded")
            << Lines() << Lines{"c:File", "Nxt", "up", "c:Open", "Nxt", "c:Save", "n:S"}
            << Lines{"!File", "!....Open", "S!....Save"} << QList{2, 1, -1};
        QTest::newRow("prev, then Nxt empties the boxes")
            << abc << Lines{"click:2", "prev", "Nxt", "c:Z", "n:z", "Nxt", "n:z"}
            << Lines{"a!A", "c!C", "z!Z", "z!"} << QList{3, 0, 1};
        QTest::newRow("rows past the end")
            << Lines{"a!A"}
            << Lines{"Nxt", "Delete", "Insert", "Nxt", "Nxt", "c:X", "n:x", "up", "down", "next"}
            << Lines{"a!A", "!"} << QList{3, 0, 1};
        QTest::newRow("next from row 0 up to the last row")
            << abc << Lines{"prev", "next", "next", "next"} << Lines{"b!B", "c!C", "a!A"}
            << QList{2, 0, 2};
        QTest::newRow("down takes one marker, keeps the level")
            << Lines{"o!........Open", "p!..."}
            << Lines{"down", "click:1", "down", "up", "down", "Nxt", "c:X"}
            << Lines{"o!....Open", "p!...", "!....X"} << QList{2, 1, 1};
        QTest::newRow("a line without \"!\" keeps the name before it, as the control reads it")
            << Lines{"Loose", "HelpMenu!Help", "....Loose"} << Lines()
            << Lines{"!Loose", "HelpMenu!Help", "HelpMenu!....Loose"} << QList{0, 0, -1};
        QTest::newRow("Insert at the row, Delete the last row, click no row")
            << abc << Lines{"click:1", "Insert", "c:X", "click:3", "Delete", "click:-1", "c:Y"}
            << Lines{"a!A", "!X", "b!B", "!Y"} << QList{3, 0, -1};
    }

    void editRows()
    {
        QFETCH(Lines, lines);
        QFETCH(Lines, script);
        const QHash<QString, void (MenuEditor::*)()> buttons{
            {"Nxt", &MenuEditor::goToNextRow},  {"Insert", &MenuEditor::insertRow},
            {"Delete", &MenuEditor::deleteRow}, {"up", &MenuEditor::indent},
            {"down", &MenuEditor::outdent},     {"prev", &MenuEditor::moveUp},
            {"next", &MenuEditor::moveDown}};
        MenuEditor editor;
        editor.loadLines(lines);
        for (const QString &step : script) {
            if (step.startsWith("c:") || step.startsWith("n:"))
                step[0] == 'c' ? editor.setCaptionBox(step.sliced(2))
                               : editor.setNameBox(step.sliced(2));
            else if (step.startsWith("click:"))
                editor.clickRow(step.sliced(6).toInt());
            else
                (editor.*buttons.value(step))();
        }
        Lines records;
        for (const menufile::Record &record : editor.records())
            records << record.name + "!" + record.text;
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
                QFile::link("/proc/self/mem", path));
        document.load(editor);
        QCOMPARE(editor.captions(), Lines{"Kept"});
        QVERIFY(!document.save(editor) && !document.save(editor)); // No; Yes, but cannot replace
        QVERIFY(QFileInfo(path).isSymLink() && QFile::remove(path));
        QVERIFY(document.save(editor) && document.save(editor)); // Yes; then not asked again
        QCOMPARE(testfiles::read(path), "kept!Kept\r\n");
        Lines kinds; // the boxes without their texts
        for (const QString &box : presenter.described())
            kinds << box.section(" | ", 1);
        const QString ask = "icon warning | yes/no | default no";
        QCOMPARE(kinds, (Lines{"icon warning | ok | default ok", ask, ask,
                               "icon critical | ok | default ok", ask}));
    }
};

QTEST_GUILESS_MAIN(MenusTest)
#include "tst_menus.moc"
