#include "menu_editor/menudocument.h"
#include "menu_editor/menueditor.h"
#include "menufixtures.h"
#include "recordingmessagepresenter.h"
#include "tmpfsdevice.h"

#include <QDir>
#include <QTemporaryDir>
#include <QTest>

using orvex::MessageAnswer;
using orvex::menueditor::MenuDocument;
using orvex::menueditor::MenuEditor;

class TestMenuDocument : public QObject
{
    Q_OBJECT

private slots:
    void init();
    void sampleLoadsAndSavesByteForByte();
    void everyLineLoads_data();
    void everyLineLoads();
    void missingFileLoadsNothing();
    void okOnEmptyListsWritesAnEmptyFile();
    void failedSaveKeepsTheOldFile();
    void unreadableFileIsReplacedOnlyAfterConfirming();

private:
    std::unique_ptr<QTemporaryDir> m_folder;
    QString menuPath() const { return m_folder->filePath(QStringLiteral("menu.txt")); }
};

void TestMenuDocument::init()
{
    m_folder = std::make_unique<QTemporaryDir>();
    QVERIFY(m_folder->isValid());
}

void TestMenuDocument::sampleLoadsAndSavesByteForByte()
{
    QVERIFY(menufixtures::write(menuPath(), menufixtures::sample));
    RecordingMessagePresenter presenter;
    MenuDocument document(m_folder->path(), presenter);
    MenuEditor editor;

    document.load(editor);
    QCOMPARE(editor.captions(), (QStringList{"File", "....Open", "........Wait....", "Help!"}));
    QCOMPARE(editor.names(), (QStringList{"FileMenu", "OpenItem", "WaitItem", "HelpMenu"}));

    QVERIFY(menufixtures::write(menuPath(), "overwritten"));
    QVERIFY(document.save(editor));
    QCOMPARE(menufixtures::read(menuPath()), menufixtures::sample);
    QVERIFY(presenter.requests().isEmpty());
}

void TestMenuDocument::everyLineLoads_data()
{
    QTest::addColumn<QByteArray>("file");
    QTest::addColumn<QStringList>("captions");
    QTest::addColumn<QByteArray>("saved");

    QTest::newRow("a line without ! mid-file")
        << QByteArray("a!A\r\nplain\r\nb!B\r\n") << QStringList{"A", "plain", "B"}
        << QByteArray("a!A\r\n!plain\r\nb!B\r\n");
    QTest::newRow("blank line, lone CR and LF ends, no final end")
        << QByteArray("a!A\n\rb!B\r!") << QStringList{"A", "", "B", ""}
        << QByteArray("a!A\r\n!\r\nb!B\r\n!\r\n");
}

void TestMenuDocument::everyLineLoads()
{
    QFETCH(QByteArray, file);
    QVERIFY(menufixtures::write(menuPath(), file));
    RecordingMessagePresenter presenter;
    MenuDocument document(m_folder->path(), presenter);
    MenuEditor editor;

    document.load(editor);
    QTEST(editor.captions(), "captions");
    QVERIFY(document.save(editor));
    QTEST(menufixtures::read(menuPath()), "saved");
}

void TestMenuDocument::missingFileLoadsNothing()
{
    RecordingMessagePresenter presenter;
    MenuDocument document(m_folder->path(), presenter);
    MenuEditor editor;
    editor.loadLines({"kept!Kept"});

    document.load(editor);
    QCOMPARE(editor.captions(), QStringList{"Kept"});
    QVERIFY(presenter.requests().isEmpty());
    QVERIFY(!QFile::exists(menuPath()));
}

void TestMenuDocument::okOnEmptyListsWritesAnEmptyFile()
{
    RecordingMessagePresenter presenter;
    MenuDocument document(m_folder->path(), presenter);
    QVERIFY(document.save(MenuEditor()));
    QVERIFY(QFile::exists(menuPath()));
    QCOMPARE(menufixtures::read(menuPath()), QByteArray());

    QVERIFY(menufixtures::write(menuPath(), menufixtures::sample));
    QVERIFY(document.save(MenuEditor()));
    QCOMPARE(menufixtures::read(menuPath()), QByteArray());
}

void TestMenuDocument::failedSaveKeepsTheOldFile()
{
    TmpfsDevice device(64 * 1024);
    if (!device.isMounted())
        QSKIP(qPrintable("no size-limited device to fill: " + device.whyNot()));
    const QString path = orvex::menufile::path(device.path());
    QVERIFY(menufixtures::write(path, menufixtures::sample));
    QVERIFY(TmpfsDevice::fill(QDir(device.path()).filePath(QStringLiteral("filler"))));

    RecordingMessagePresenter presenter;
    MenuDocument document(device.path(), presenter);
    MenuEditor editor;
    document.load(editor);
    editor.setCaptionBox(QString(4000, u'x'));

    QVERIFY(!document.save(editor));
    QCOMPARE(menufixtures::read(path), menufixtures::sample);
    QCOMPARE(presenter.requests().size(), 1);
    const orvex::MessageRequest &message = presenter.requests().first();
    QCOMPARE(message.icon, orvex::MessageIcon::Critical);
    QVERIFY2(message.text.startsWith(u"The menus were not saved."), qPrintable(message.text));
    QVERIFY2(message.text.contains(QDir::toNativeSeparators(path)), qPrintable(message.text));
    QVERIFY2(message.text.contains(u"space", Qt::CaseInsensitive), qPrintable(message.text));
}

void TestMenuDocument::unreadableFileIsReplacedOnlyAfterConfirming()
{
    if (!menufixtures::makeUnreadable(menuPath()))
        QSKIP("no way to make an unreadable file here");
    RecordingMessagePresenter presenter({MessageAnswer::No, MessageAnswer::Yes});
    MenuDocument document(m_folder->path(), presenter);
    MenuEditor editor;

    document.load(editor);
    QVERIFY(editor.captions().isEmpty());
    QCOMPARE(presenter.requests().size(), 1);
    QCOMPARE(presenter.requests()[0].icon, orvex::MessageIcon::Warning);
    QVERIFY(presenter.requests()[0].text.contains(QDir::toNativeSeparators(menuPath())));

    editor.setCaptionBox(QStringLiteral("New"));
    const QFileInfo before(menuPath());
    QVERIFY(!document.save(editor));
    QCOMPARE(presenter.requests().size(), 2);
    QCOMPARE(presenter.requests()[1].buttons, orvex::MessageButtons::YesNo);
    QCOMPARE(presenter.requests()[1].defaultAnswer, MessageAnswer::No);
    QCOMPARE(QFileInfo(menuPath()).isSymLink(), before.isSymLink());
    QCOMPARE(QFileInfo(menuPath()).permissions(), before.permissions());

    // The user has made the file a plain one again and now agrees to replace it.
    QVERIFY(QFile::remove(menuPath()));
    QVERIFY(menufixtures::write(menuPath(), menufixtures::sample));
    QVERIFY(document.save(editor));
    QCOMPARE(presenter.requests().size(), 3);
    QCOMPARE(menufixtures::read(menuPath()), QByteArray("!New\r\n"));

    QVERIFY(document.save(editor));
    QCOMPARE(presenter.requests().size(), 3);
}

QTEST_APPLESS_MAIN(TestMenuDocument)
#include "tst_menudocument.moc"
