#include "menu_editor/menueditor.h"

#include <QTest>

using orvex::menueditor::MenuEditor;

namespace {

// Runs a script of page actions: "c:text" and "n:text" type into the caption
// and name boxes, "click:r" clicks row r, the rest name the page's buttons.
void run(MenuEditor &editor, const QStringList &script)
{
    for (const QString &step : script) {
        if (step.startsWith(u"c:"))
            editor.setCaptionBox(step.sliced(2));
        else if (step.startsWith(u"n:"))
            editor.setNameBox(step.sliced(2));
        else if (step.startsWith(u"click:"))
            editor.clickRow(step.sliced(6).toInt());
        else if (step == u"Nxt")
            editor.goToNextRow();
        else if (step == u"Insert")
            editor.insertRow();
        else if (step == u"Delete")
            editor.deleteRow();
        else if (step == u"up")
            editor.indent();
        else if (step == u"down")
            editor.outdent();
        else if (step == u"prev")
            editor.moveUp();
        else if (step == u"next")
            editor.moveDown();
        else
            QFAIL(qPrintable(QStringLiteral("unknown step ") + step));
    }
}

} // namespace

class TestMenuEditor : public QObject
{
    Q_OBJECT

private slots:
    void rules_data();
    void rules();
    void loadKeepsEveryLine();
    void indentLevelStopsAtItsCap();
    void refusedTextChangesNothing_data();
    void refusedTextChangesNothing();
};

void TestMenuEditor::rules_data()
{
    QTest::addColumn<QStringList>("lines");
    QTest::addColumn<QStringList>("script");
    QTest::addColumn<QStringList>("captions");
    QTest::addColumn<QStringList>("names");
    QTest::addColumn<int>("currentRow");
    QTest::addColumn<int>("indentLevel");

    const QStringList three{"a!A", "b!B", "c!C"};

    QTest::newRow("each keystroke replaces row 0 of an empty page")
        << QStringList() << QStringList{"c:F", "c:Fi", "c:Fil", "c:File"} << QStringList{"File"}
        << QStringList{""} << 0 << 0;
    QTest::newRow("typical use: title, then indented items")
        << QStringList() << QStringList{"c:File",     "n:FileMenu", "Nxt",    "up",        "c:Open",
                                        "n:OpenItem", "Nxt",        "c:Save", "n:SaveItem"}
        << QStringList{"File", "....Open", "....Save"}
        << QStringList{"FileMenu", "OpenItem", "SaveItem"} << 2 << 1;
    QTest::newRow("indented caption appended at the row count")
        << QStringList{"!File", "!Sub"} << QStringList{"click:1", "up", "Nxt", "c:Open"}
        << QStringList{"File", "....Sub", "....Open"} << QStringList{"", "", ""} << 2 << 1;
    QTest::newRow("caption typed past the end goes nowhere")
        << QStringList{"a!A"} << QStringList{"Nxt", "Nxt", "c:X", "n:x"} << QStringList{"A"}
        << QStringList{"a"} << 2 << 0;
    QTest::newRow("Nxt with empty boxes only moves the row")
        << three << QStringList{"Nxt"} << QStringList{"A", "B", "C"} << QStringList{"a", "b", "c"}
        << 1 << 0;
    QTest::newRow("Nxt after typing overwrites the next existing row")
        << three << QStringList{"c:Z", "n:z", "Nxt"} << QStringList{"Z", "", "C"}
        << QStringList{"z", "", "c"} << 1 << 0;
    QTest::newRow("Nxt after a caption alone empties only the caption")
        << three << QStringList{"c:Z", "Nxt"} << QStringList{"Z", "", "C"}
        << QStringList{"a", "b", "c"} << 1 << 0;
    QTest::newRow("prev on row 0 changes nothing")
        << three << QStringList{"prev"} << QStringList{"A", "B", "C"} << QStringList{"a", "b", "c"}
        << 0 << 0;
    QTest::newRow("next on the last row changes nothing")
        << three << QStringList{"click:2", "next"} << QStringList{"A", "B", "C"}
        << QStringList{"a", "b", "c"} << 2 << 0;
    QTest::newRow("next on row 1 of three moves both lists")
        << three << QStringList{"click:1", "next"} << QStringList{"A", "C", "B"}
        << QStringList{"a", "c", "b"} << 2 << 0;
    QTest::newRow("prev moves both lists and follows the row")
        << three << QStringList{"click:2", "prev"} << QStringList{"A", "C", "B"}
        << QStringList{"a", "c", "b"} << 1 << 0;
    QTest::newRow("next and prev past the end do nothing")
        << three << QStringList{"click:2", "Nxt", "next", "prev"} << QStringList{"A", "B", "C"}
        << QStringList{"a", "b", "c"} << 3 << 0;
    QTest::newRow("next on an empty list does nothing")
        << QStringList() << QStringList{"next", "prev", "down"} << QStringList() << QStringList()
        << 0 << 0;
    QTest::newRow("down removes one marker group")
        << QStringList{"o!........Open"} << QStringList{"down"} << QStringList{"....Open"}
        << QStringList{"o"} << 0 << 0;
    QTest::newRow("down on an unindented row changes nothing")
        << QStringList{"o!Open"} << QStringList{"down"} << QStringList{"Open"} << QStringList{"o"}
        << 0 << 0;
    QTest::newRow("down on a three-character row changes nothing")
        << QStringList{"o!..."} << QStringList{"down"} << QStringList{"..."} << QStringList{"o"}
        << 0 << 0;
    QTest::newRow("down keeps the indent level for the next caption")
        << QStringList{"o!Open"} << QStringList{"up", "down", "c:Shut"} << QStringList{"....Shut"}
        << QStringList{"o"} << 0 << 1;
    QTest::newRow("up on an empty row marks it and raises the level")
        << QStringList{"e!"} << QStringList{"up"} << QStringList{"...."} << QStringList{"e"} << 0
        << 1;
    QTest::newRow("up past the end does nothing") << QStringList{"a!A"} << QStringList{"Nxt", "up"}
                                                  << QStringList{"A"} << QStringList{"a"} << 1 << 0;
    QTest::newRow("Delete removes the row from both lists")
        << three << QStringList{"click:1", "Delete"} << QStringList{"A", "C"}
        << QStringList{"a", "c"} << 1 << 0;
    QTest::newRow("Delete past the end does nothing")
        << three << QStringList{"click:2", "Nxt", "Delete"} << QStringList{"A", "B", "C"}
        << QStringList{"a", "b", "c"} << 3 << 0;
    QTest::newRow("Insert puts an empty row at the current row")
        << three << QStringList{"click:1", "Insert", "c:X", "n:x"}
        << QStringList{"A", "X", "B", "C"} << QStringList{"a", "x", "b", "c"} << 1 << 0;
    QTest::newRow("Insert at the row count appends")
        << QStringList{"a!A"} << QStringList{"Nxt", "Insert"} << QStringList{"A", ""}
        << QStringList{"a", ""} << 1 << 0;
    QTest::newRow("Insert past the end does nothing")
        << QStringList{"a!A"} << QStringList{"Nxt", "Nxt", "Insert"} << QStringList{"A"}
        << QStringList{"a"} << 2 << 0;
    QTest::newRow("a name typed for a caption-only row stays with it")
        << QStringList() << QStringList{"c:A", "Nxt", "c:B", "n:b", "prev"} << QStringList{"B", "A"}
        << QStringList{"b", ""} << 0 << 0;
    QTest::newRow("a name typed before its caption")
        << QStringList() << QStringList{"n:FileMenu", "c:File"} << QStringList{"File"}
        << QStringList{"FileMenu"} << 0 << 0;
    QTest::newRow("a click on no row leaves the row")
        << three << QStringList{"click:1", "click:-1", "click:7", "c:X"}
        << QStringList{"A", "X", "C"} << QStringList{"a", "b", "c"} << 1 << 0;
}

void TestMenuEditor::rules()
{
    QFETCH(QStringList, lines);
    QFETCH(QStringList, script);

    MenuEditor editor;
    editor.loadLines(lines);
    run(editor, script);

    QTEST(editor.captions(), "captions");
    QTEST(editor.names(), "names");
    QTEST(int(editor.currentRow()), "currentRow");
    QTEST(int(editor.indentLevel()), "indentLevel");
    QVERIFY(editor.names().size() >= editor.captions().size());
}

void TestMenuEditor::loadKeepsEveryLine()
{
    MenuEditor editor;
    editor.loadLines({"a!A", "plain", "", "!", "b!B!c"});
    QCOMPARE(editor.captions(), (QStringList{"A", "plain", "", "", "B!c"}));
    QCOMPARE(editor.names(), (QStringList{"a", "", "", "", "b"}));

    const QList<orvex::menufile::Record> records = editor.records();
    QCOMPARE(records.size(), 5);
    QCOMPARE(records[1], (orvex::menufile::Record{"", "plain"}));
    QCOMPARE(records[4], (orvex::menufile::Record{"b", "B!c"}));
}

void TestMenuEditor::indentLevelStopsAtItsCap()
{
    MenuEditor editor;
    editor.setCaptionBox(QStringLiteral("X"));
    for (int i = 0; i < MenuEditor::maxIndentLevel; ++i)
        editor.indent();
    QCOMPARE(editor.indentLevel(), MenuEditor::maxIndentLevel);
    const QString atCap = editor.captions().first();
    QCOMPARE(atCap.size(), 4 * MenuEditor::maxIndentLevel + 1);

    editor.indent();
    QCOMPARE(editor.indentLevel(), MenuEditor::maxIndentLevel);
    QCOMPARE(editor.captions().first(), atCap);
}

void TestMenuEditor::refusedTextChangesNothing_data()
{
    QTest::addColumn<bool>("nameBox");
    QTest::addColumn<QString>("text");

    QTest::newRow("name with !") << true << QStringLiteral("File!Menu");
    QTest::newRow("name with a line feed") << true << QStringLiteral("a\nb");
    QTest::newRow("caption with a carriage return") << false << QStringLiteral("a\rb");
    QTest::newRow("caption beyond single-byte text") << false << QStringLiteral("\u20ac");
}

void TestMenuEditor::refusedTextChangesNothing()
{
    QFETCH(bool, nameBox);
    QFETCH(QString, text);

    MenuEditor editor;
    editor.loadLines({"a!A"});
    const bool accepted = nameBox ? editor.setNameBox(text) : editor.setCaptionBox(text);

    QVERIFY(!accepted);
    QCOMPARE(editor.captions(), QStringList{"A"});
    QCOMPARE(editor.names(), QStringList{"a"});
    QVERIFY(editor.captionBox().isEmpty());
    QVERIFY(editor.nameBox().isEmpty());
    QVERIFY(editor.setCaptionBox(QStringLiteral("Help!")));
    QCOMPARE(editor.captions(), QStringList{"Help!"});
}

QTEST_APPLESS_MAIN(TestMenuEditor)
#include "tst_menueditor.moc"
