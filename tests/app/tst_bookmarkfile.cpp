#include "bookmarkfile.h"
#include "testfiles.h"
#include "tmpfsdevice.h"

#include <QTemporaryDir>
#include <QtTest>

using namespace orvex;
using testfiles::systemText;

namespace {

// Marks a file that does not exist before the append.
const QByteArray missing = "<missing>";

} // namespace

class BookmarkFileTest : public QObject
{
    Q_OBJECT

private slots:
    void appendsOneLine_data();
    void appendsOneLine();
    void failsWithoutTouchingAnything_data();
    void failsWithoutTouchingAnything();
    void cutsBackAnAppendThatFillsTheDevice_data();
    void cutsBackAnAppendThatFillsTheDevice();
};

void BookmarkFileTest::appendsOneLine_data()
{
    QTest::addColumn<QByteArray>("before");
    QTest::addColumn<QString>("line");
    QTest::addColumn<QByteArray>("after");

    const QString entry = "<DT><A HREF=\"x\">Orvex</A>";
    const QByteArray bytes = entry.toLatin1() + "\r\n";
    QTest::newRow("missing file") << missing << entry << bytes;
    QTest::newRow("empty file") << QByteArray() << entry << bytes;
    QTest::newRow("ends with CR LF") << QByteArray("a\r\n") << entry << "a\r\n" + bytes;
    QTest::newRow("ends with a lone LF") << QByteArray("a\n") << entry << "a\n" + bytes;
    QTest::newRow("ends with a lone CR") << QByteArray("a\r") << entry << "a\r" + bytes;
    QTest::newRow("last line without its end")
        << QByteArray("a\r\nb") << entry << "a\r\nb\r\n" + bytes;
    QTest::newRow("Latin-1 bytes both ways")
        << QByteArray("\xff\xe9") << QString::fromLatin1("caf\xe9")
        << QByteArray("\xff\xe9\r\ncaf\xe9\r\n");
    QTest::newRow("an empty line is written as given")
        << QByteArray("a\r\n") << QString() << QByteArray("a\r\n\r\n");
}

void BookmarkFileTest::appendsOneLine()
{
    QFETCH(QByteArray, before);
    QFETCH(QString, line);
    QFETCH(QByteArray, after);
    QTemporaryDir folder;
    const QString file = folder.filePath("bookmarks.html");
    if (before != missing)
        QVERIFY(testfiles::write(file, before));

    const FileResult result = appendBookmarkLine(file, line);
    QVERIFY2(result.ok, qPrintable(result.reason));
    QCOMPARE(testfiles::read(file), after);
}

void BookmarkFileTest::failsWithoutTouchingAnything_data()
{
    QTest::addColumn<QString>("target"); // below the temporary folder
    QTest::addColumn<QString>("reason");
    QTest::newRow("folder missing") << "BROWSER/bookmarks.html" << systemText(ENOENT);
    QTest::newRow("a folder in the file's place") << "folder.html" << QString();
}

void BookmarkFileTest::failsWithoutTouchingAnything()
{
    QFETCH(QString, target);
    QFETCH(QString, reason);
    QTemporaryDir folder;
    QVERIFY(QDir(folder.path()).mkpath("folder.html/inner"));
    const auto before = testfiles::snapshot(folder.path());

    const FileResult result = appendBookmarkLine(folder.filePath(target), "entry");
    QVERIFY(!result.ok);
    QVERIFY(!result.reason.isEmpty());
    if (!reason.isEmpty())
        QCOMPARE(result.reason, reason);
    QCOMPARE(testfiles::snapshot(folder.path()), before);
}

void BookmarkFileTest::cutsBackAnAppendThatFillsTheDevice_data()
{
    QTest::addColumn<QByteArray>("before");
    QTest::newRow("existing entries") << QByteArray("<DT>one\r\n<DT>two");
    QTest::newRow("missing file") << missing;
}

void BookmarkFileTest::cutsBackAnAppendThatFillsTheDevice()
{
    QFETCH(QByteArray, before);
    TmpfsDevice device(64 * 1024);
    if (!device.isMounted())
        QSKIP(qPrintable("no size-limited device to fill: " + device.whyNot()));
    const QString file = device.path() + "/bookmarks.html";
    if (before != missing)
        QVERIFY(testfiles::write(file, before));
    QVERIFY(TmpfsDevice::fill(device.path() + "/filler"));

    // Longer than the room left in the file's last block: part of it gets written.
    const FileResult result = appendBookmarkLine(file, QString(10'000, 'x'));
    QVERIFY(!result.ok);
    QCOMPARE(result.reason, systemText(ENOSPC));
    QCOMPARE(QFile::exists(file), before != missing);
    if (before != missing)
        QCOMPARE(testfiles::read(file), before);
}

QTEST_GUILESS_MAIN(BookmarkFileTest)
#include "tst_bookmarkfile.moc"
