#include "menu_file/menufile.h"
#include "menutestfiles.h"

#include <QDir>
#include <QTemporaryDir>
#include <QTest>
#include <csignal>
#include <sys/resource.h>
#include <sys/stat.h>
#include <unistd.h>

using namespace orvex::menufile;

namespace {

// Every byte but CR and LF, after a name and a "!", as one CR LF line.
QByteArray everyByteLine()
{
    QByteArray line = "AllBytes!";
    for (int byte = 0; byte < 256; ++byte) {
        if (byte != '\r' && byte != '\n')
            line += char(byte);
    }
    return line + "\r\n";
}

QList<Record> recordsOf(const QStringList &lines)
{
    QList<Record> records;
    for (const QString &line : lines)
        records.append(splitLine(line).record);
    return records;
}

} // namespace

class MenuFileTest : public QObject
{
    Q_OBJECT

private slots:
    void pathIsInTheApplicationFolder();
    void presence_data();
    void presence();
    void splitsAtTheFirstSeparator_data();
    void splitsAtTheFirstSeparator();
    void levelMarkers_data();
    void levelMarkers();
    void readsEveryLineEnd_data();
    void readsEveryLineEnd();
    void unreadableFileGivesTheReason_data();
    void unreadableFileGivesTheReason();
    void writesWhatWasReadWithCrLf_data();
    void writesWhatWasReadWithCrLf();
    void writeKeepsPermissions();
    void emptyRecordListWritesEmptyFile();
    void refusedRecordLeavesOldFile_data();
    void refusedRecordLeavesOldFile();
    void failedWriteLeavesOldFile();
    void writeIntoMissingFolderFails();
};

void MenuFileTest::pathIsInTheApplicationFolder()
{
    QCOMPARE(path(QStringLiteral("/opt/app")), QStringLiteral("/opt/app/menu.txt"));
    QCOMPARE(path(QStringLiteral("/opt/app/")), QStringLiteral("/opt/app/menu.txt"));
}

void MenuFileTest::presence_data()
{
    QTest::addColumn<QString>("kind");
    QTest::addColumn<bool>("present");
    QTest::newRow("regular file") << "file" << true;
    QTest::newRow("empty file") << "empty" << true;
    QTest::newRow("link to a file") << "link" << true;
    QTest::newRow("missing") << "missing" << false;
    QTest::newRow("folder named menu.txt") << "folder" << false;
    QTest::newRow("pipe named menu.txt") << "fifo" << false;
    QTest::newRow("hidden file") << "hidden" << false;
}

void MenuFileTest::presence()
{
    QFETCH(QString, kind);
    QFETCH(bool, present);
    QTemporaryDir dir;
    QString file = path(dir.path());
    if (kind == "file")
        QVERIFY(writeBytes(file, sampleMenuFile));
    else if (kind == "empty")
        QVERIFY(writeBytes(file, {}));
    else if (kind == "link")
        QVERIFY(writeBytes(dir.filePath("real.txt"), sampleMenuFile) &&
                QFile::link(dir.filePath("real.txt"), file));
    else if (kind == "folder")
        QVERIFY(QDir(dir.path()).mkdir("menu.txt"));
    else if (kind == "fifo")
        QCOMPARE(mkfifo(QFile::encodeName(file).constData(), 0644), 0);
    else if (kind == "hidden")
        QVERIFY(writeBytes(file = dir.filePath(".menu.txt"), sampleMenuFile));

    QCOMPARE(exists(file), present);
    // A pipe must not be opened: reading it would wait for a writer.
    const ReadResult result = read(file);
    QCOMPARE(result.status, present ? ReadStatus::Loaded : ReadStatus::Missing);
    QVERIFY(result.error.isEmpty());
}

void MenuFileTest::splitsAtTheFirstSeparator_data()
{
    QTest::addColumn<QString>("line");
    QTest::addColumn<QString>("name");
    QTest::addColumn<QString>("text");
    QTest::addColumn<bool>("hasSeparator");
    QTest::newRow("title") << "FileMenu!File"
                           << "FileMenu"
                           << "File" << true;
    QTest::newRow("item") << "OpenItem!....Open"
                          << "OpenItem"
                          << "....Open" << true;
    QTest::newRow("separator in caption") << "HelpMenu!Help!"
                                          << "HelpMenu"
                                          << "Help!" << true;
    QTest::newRow("separator alone") << "!"
                                     << ""
                                     << "" << true;
    QTest::newRow("empty name") << "!Text"
                                << ""
                                << "Text" << true;
    QTest::newRow("empty text") << "Name!"
                                << "Name"
                                << "" << true;
    QTest::newRow("no separator") << "Plain text"
                                  << ""
                                  << "Plain text" << false;
    QTest::newRow("no separator, markers") << "....Loose"
                                           << ""
                                           << "....Loose" << false;
    QTest::newRow("blank") << ""
                           << ""
                           << "" << false;
}

void MenuFileTest::splitsAtTheFirstSeparator()
{
    QFETCH(QString, line);
    QFETCH(QString, name);
    QFETCH(QString, text);
    QFETCH(bool, hasSeparator);
    const SplitLine split = splitLine(line);
    QCOMPARE(split.record.name, name);
    QCOMPARE(split.record.text, text);
    QCOMPARE(split.hasSeparator, hasSeparator);
}

void MenuFileTest::levelMarkers_data()
{
    QTest::addColumn<QString>("text");
    QTest::addColumn<qsizetype>("count");
    QTest::addColumn<QString>("caption");
    QTest::newRow("empty") << "" << qsizetype(0) << "";
    QTest::newRow("no markers") << "File" << qsizetype(0) << "File";
    QTest::newRow("one") << "....Open" << qsizetype(1) << "Open";
    QTest::newRow("two, dots after caption") << "........Wait...." << qsizetype(2) << "Wait....";
    QTest::newRow("markers only") << "............" << qsizetype(3) << "";
    QTest::newRow("three dots") << "...Three" << qsizetype(0) << "...Three";
    QTest::newRow("five dots") << ".....Five" << qsizetype(1) << ".Five";
    QTest::newRow("space first") << " ....Space" << qsizetype(0) << " ....Space";
    QTest::newRow("separator inside") << "..!....x" << qsizetype(0) << "..!....x";
}

void MenuFileTest::levelMarkers()
{
    QFETCH(QString, text);
    QFETCH(qsizetype, count);
    QFETCH(QString, caption);
    QCOMPARE(countMarkers(text), count);
    QCOMPARE(stripMarkers(text), caption);
}

void MenuFileTest::readsEveryLineEnd_data()
{
    QTest::addColumn<QByteArray>("bytes");
    QTest::addColumn<QStringList>("lines");
    const QStringList twoLines{"a!A", "b!....B"};
    QTest::newRow("CR LF") << QByteArray("a!A\r\nb!....B\r\n") << twoLines;
    QTest::newRow("lone CR") << QByteArray("a!A\rb!....B\r") << twoLines;
    QTest::newRow("lone LF") << QByteArray("a!A\nb!....B\n") << twoLines;
    QTest::newRow("no final end") << QByteArray("a!A\r\nb!....B") << twoLines;
    QTest::newRow("mixed") << QByteArray("a!A\r\nb!B\rc!C\nd!D")
                           << QStringList{"a!A", "b!B", "c!C", "d!D"};
    QTest::newRow("blank lines, LF CR is two ends")
        << QByteArray("a!A\r\n\r\n\n\rb!B\r\n") << QStringList{"a!A", "", "", "", "b!B"};
    QTest::newRow("empty file") << QByteArray() << QStringList();
    QTest::newRow("bytes as Latin-1")
        << QByteArray("T!Caf\xe9 \xff\r\n") << QStringList{QStringLiteral(u"T!Caf\u00e9 \u00ff")};
}

void MenuFileTest::readsEveryLineEnd()
{
    QFETCH(QByteArray, bytes);
    QFETCH(QStringList, lines);
    QTemporaryDir dir;
    QVERIFY(writeBytes(path(dir.path()), bytes));
    const ReadResult result = read(path(dir.path()));
    QCOMPARE(result.status, ReadStatus::Loaded);
    QCOMPARE(result.lines, lines);
}

void MenuFileTest::unreadableFileGivesTheReason_data()
{
    QTest::addColumn<bool>("modeZero");
    QTest::addColumn<QString>("reason");
    QTest::newRow("open refused (mode 000)") << true << "Permission denied";
    QTest::newRow("read fails after open") << false << "Input/output error";
}

void MenuFileTest::unreadableFileGivesTheReason()
{
    QFETCH(bool, modeZero);
    QFETCH(QString, reason);
    QTemporaryDir dir;
    const QString file = path(dir.path());
    if (modeZero) {
        if (geteuid() == 0)
            QSKIP("root may open a file of mode 000");
        QVERIFY(writeBytes(file, sampleMenuFile));
        QVERIFY(QFile::setPermissions(file, {}));
    } else {
        // A regular file that opens but whose first read fails: page 0 of this
        // process's memory is never mapped.
        QVERIFY(QFile::link(QStringLiteral("/proc/self/mem"), file));
    }
    const ReadResult result = read(file);
    QCOMPARE(result.status, ReadStatus::Unreadable);
    QCOMPARE(result.error, reason);
    QVERIFY(result.lines.isEmpty());
}

void MenuFileTest::writesWhatWasReadWithCrLf_data()
{
    QTest::addColumn<QByteArray>("bytes");
    QTest::addColumn<QByteArray>("written");
    QTest::newRow("sample") << sampleMenuFile << sampleMenuFile;
    QTest::newRow("every byte") << everyByteLine() << everyByteLine();
    QTest::newRow("separator alone, empty text")
        << QByteArray("!\r\nName!\r\n") << QByteArray("!\r\nName!\r\n");
    QTest::newRow("lone LF") << QByteArray("a!A\nb!....B\n") << QByteArray("a!A\r\nb!....B\r\n");
    QTest::newRow("lone CR, no final end")
        << QByteArray("a!A\rb!....B") << QByteArray("a!A\r\nb!....B\r\n");
}

void MenuFileTest::writesWhatWasReadWithCrLf()
{
    QFETCH(QByteArray, bytes);
    QFETCH(QByteArray, written);
    QTemporaryDir dir;
    const QString file = path(dir.path());
    QVERIFY(writeBytes(file, bytes));
    const ReadResult result = read(file);
    QCOMPARE(result.status, ReadStatus::Loaded);
    const WriteResult outcome = write(file, recordsOf(result.lines));
    QVERIFY2(outcome.ok, qPrintable(outcome.error));
    QCOMPARE(readBytes(file), written);
}

void MenuFileTest::writeKeepsPermissions()
{
    QTemporaryDir dir;
    const QString file = path(dir.path());
    const QByteArray nativePath = QFile::encodeName(file);
    QVERIFY(writeBytes(file, "old!Old\r\n"));
    QCOMPARE(chmod(nativePath.constData(), 0640), 0);
    QVERIFY(write(file, {{"FileMenu", "File"}}).ok);
    QCOMPARE(readBytes(file), QByteArray("FileMenu!File\r\n"));
    struct stat status
    {
    };
    QCOMPARE(stat(nativePath.constData(), &status), 0);
    QCOMPARE(status.st_mode & 0777, 0640u);
}

void MenuFileTest::emptyRecordListWritesEmptyFile()
{
    QTemporaryDir dir;
    const QString file = path(dir.path());
    QVERIFY(writeBytes(file, sampleMenuFile));
    QVERIFY(write(file, {}).ok);
    QVERIFY(exists(file));
    QCOMPARE(readBytes(file), QByteArray());
}

void MenuFileTest::refusedRecordLeavesOldFile_data()
{
    QTest::addColumn<QString>("name");
    QTest::addColumn<QString>("text");
    QTest::addColumn<QString>("problem");
    QTest::newRow("separator in name") << "a!b"
                                       << "Text"
                                       << "the name contains \"!\"";
    QTest::newRow("CR in text") << "n"
                                << "one\rtwo"
                                << "line break";
    QTest::newRow("LF in name") << "n\n"
                                << "Text"
                                << "line break";
    QTest::newRow("not single-byte") << "n" << QStringLiteral(u"\u20ac 5") << "not single-byte";
}

void MenuFileTest::refusedRecordLeavesOldFile()
{
    QFETCH(QString, name);
    QFETCH(QString, text);
    QFETCH(QString, problem);
    QTemporaryDir dir;
    const QString file = path(dir.path());
    QVERIFY(writeBytes(file, sampleMenuFile));
    const WriteResult outcome = write(file, {{"ok", "....Fine"}, {name, text}});
    QVERIFY(!outcome.ok);
    QVERIFY2(outcome.error.startsWith("record 2 ") && outcome.error.contains(problem),
             qPrintable(outcome.error));
    QCOMPARE(readBytes(file), sampleMenuFile);
}

void MenuFileTest::failedWriteLeavesOldFile()
{
    // A file size limit makes the write fail for any user, root included.
    QTemporaryDir dir;
    const QString file = path(dir.path());
    QVERIFY(writeBytes(file, sampleMenuFile));
    rlimit saved{};
    QCOMPARE(getrlimit(RLIMIT_FSIZE, &saved), 0);
    rlimit small = saved;
    small.rlim_cur = 1024;
    const auto oldHandler = std::signal(SIGXFSZ, SIG_IGN);
    QCOMPARE(setrlimit(RLIMIT_FSIZE, &small), 0);
    const WriteResult outcome = write(file, QList<Record>(200, {"ItemName", "....Caption"}));
    setrlimit(RLIMIT_FSIZE, &saved);
    std::signal(SIGXFSZ, oldHandler);

    QVERIFY(!outcome.ok);
    QCOMPARE(outcome.error, QStringLiteral("File too large"));
    QCOMPARE(readBytes(file), sampleMenuFile);
    QCOMPARE(QDir(dir.path()).entryList(QDir::Files | QDir::Hidden), QStringList{"menu.txt"});
}

void MenuFileTest::writeIntoMissingFolderFails()
{
    QTemporaryDir dir;
    const WriteResult outcome = write(path(dir.filePath("absent")), {{"n", "t"}});
    QVERIFY(!outcome.ok);
    QVERIFY(!outcome.error.isEmpty());
}

QTEST_GUILESS_MAIN(MenuFileTest)
#include "tst_menufile.moc"
