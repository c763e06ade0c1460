#include "foldercopy.h"
#include "testfiles.h"
#include "tmpfsdevice.h"

#include <QTemporaryDir>
#include <QtTest>
#include <fstream>
#include <memory>
#include <unistd.h>

using namespace orvex;
using testfiles::snapshot;
using testfiles::systemText;
using Tree = QMap<QString, QByteArray>;

namespace {

QByteArray patternBytes(int size)
{
    QByteArray bytes(size, '\0');
    for (int i = 0; i < size; ++i)
        bytes[i] = char((i * 7 + i / 251) & 0xff);
    return bytes;
}

// The web application folder used as the copy source: nested, hidden and binary files, an
// empty folder, and one file larger than the copy's chunks.
const Tree payload = {
    {QStringLiteral(".hidden"), "h"},
    {QStringLiteral("big.bin"), patternBytes(200'000)},
    {QStringLiteral("css/site.css"), "body { color: #333 }\r\n"},
    {QStringLiteral("index.html"), "<html>caf\xe9 \xff\r\n</html>"},
    {QStringLiteral("js/lib/app.js"), "var a = 1;\n"},
};

bool writeTree(const QString &root, const Tree &tree)
{
    for (auto it = tree.cbegin(); it != tree.cend(); ++it) {
        if (!testfiles::write(root + QLatin1Char('/') + it.key(), it.value()))
            return false;
    }
    return true;
}

bool hasTemporaryFiles(const Tree &tree)
{
    return std::any_of(tree.keyBegin(), tree.keyEnd(),
                       [](const QString &path) { return path.contains(".orvex-part"); });
}

} // namespace

class FolderCopyTest : public QObject
{
    Q_OBJECT

private slots:
    void init();
    void cleanup();
    void copiesTheFolderUnderItsOwnName_data();
    void copiesTheFolderUnderItsOwnName();
    void replacesFilesAndKeepsOthers();
    void copiesBytesNotPermissions();
    void refusesWithoutWriting_data();
    void refusesWithoutWriting();
    void keepsTheOldFileWhenAFileFails_data();
    void keepsTheOldFileWhenAFileFails();
    void reportsConflictsInTheDestination_data();
    void reportsConflictsInTheDestination();
    void keepsTheOldFileOnAFullDevice();
    void reportsProgressPerFile();
    void createsOneFolderLevel_data();
    void createsOneFolderLevel();

private:
    QString path(const QString &relative) const { return m_root->path() + '/' + relative; }

    std::unique_ptr<QTemporaryDir> m_root;
};

void FolderCopyTest::init()
{
    m_root = std::make_unique<QTemporaryDir>();
    QVERIFY(m_root->isValid());
    QVERIFY(writeTree(path("A/Orvex"), payload));
    QVERIFY(QDir().mkpath(path("A/Orvex/empty")));
    QVERIFY(QDir().mkpath(path("D/COMMON")));
}

void FolderCopyTest::cleanup()
{
    // Folders made unreadable by a test must not stop the temporary folder's removal.
    QDirIterator it(m_root->path(), QDir::Dirs | QDir::NoDotAndDotDot,
                    QDirIterator::Subdirectories);
    while (it.hasNext())
        QFile::setPermissions(it.next(), QFile::ReadOwner | QFile::WriteOwner | QFile::ExeOwner);
    m_root.reset();
}

void FolderCopyTest::copiesTheFolderUnderItsOwnName_data()
{
    QTest::addColumn<QString>("destination");
    QTest::newRow("destination with a trailing separator") << "D/COMMON/";
    QTest::newRow("destination without one") << "D/COMMON";
}

void FolderCopyTest::copiesTheFolderUnderItsOwnName()
{
    QFETCH(QString, destination);
    const FileResult result = copyFolderInto(path("A/Orvex"), path(destination));
    QVERIFY2(result.ok, qPrintable(result.reason));
    QCOMPARE(snapshot(path("D/COMMON")),
             testfiles::placedUnder("Orvex", snapshot(path("A/Orvex"))));
}

void FolderCopyTest::replacesFilesAndKeepsOthers()
{
    QVERIFY(testfiles::write(path("D/COMMON/Orvex/index.html"), QByteArray(5000, 'o')));
    QVERIFY(testfiles::write(path("D/COMMON/Orvex/css/old.css"), "kept"));
    QVERIFY(testfiles::write(path("D/COMMON/Other/readme.txt"), "other application"));

    const FileResult result = copyFolderInto(path("A/Orvex"), path("D/COMMON/"));
    QVERIFY2(result.ok, qPrintable(result.reason));

    Tree expected = testfiles::placedUnder("Orvex", snapshot(path("A/Orvex")));
    expected.insert("Orvex/css/old.css", "kept");
    expected.insert("Other/", {});
    expected.insert("Other/readme.txt", "other application");
    QCOMPARE(snapshot(path("D/COMMON")), expected);
}

void FolderCopyTest::copiesBytesNotPermissions()
{
    const QString source = path("A/Orvex/index.html");
    QVERIFY(QFile::setPermissions(source, QFile::ReadOwner | QFile::ExeOwner));

    // A second copy over the first must work although the source file is read-only.
    for (int run = 0; run < 2; ++run) {
        const FileResult result = copyFolderInto(path("A/Orvex"), path("D/COMMON"));
        QVERIFY2(result.ok, qPrintable(result.reason));
    }
    const QFile::Permissions copied = QFile::permissions(path("D/COMMON/Orvex/index.html"));
    QVERIFY(copied.testFlag(QFile::WriteOwner));
    QVERIFY(!copied.testFlag(QFile::ExeOwner));
    QCOMPARE(testfiles::read(path("D/COMMON/Orvex/index.html")), payload["index.html"]);
}

void FolderCopyTest::refusesWithoutWriting_data()
{
    QTest::addColumn<QString>("source");
    QTest::addColumn<QString>("destination");
    QTest::addColumn<QString>("reason"); // after "<root>/"
    QTest::addColumn<bool>("needsNonRoot");

    const QString inside = "The destination lies inside the folder being copied";
    QTest::newRow("missing source") << "A/Missing"
                                    << "D/COMMON"
                                    << "A/Missing: " + systemText(ENOENT) << false;
    QTest::newRow("source is a file") << "A/file.txt"
                                      << "D/COMMON"
                                      << "A/file.txt: " + systemText(ENOTDIR) << false;
    QTest::newRow("missing destination") << "A/Orvex"
                                         << "D/Missing/"
                                         << "D/Missing/: " + systemText(ENOENT) << false;
    QTest::newRow("destination is the source") << "A/Orvex"
                                               << "A/Orvex"
                                               << "A/Orvex: " + inside << false;
    QTest::newRow("destination inside the source") << "A/Orvex"
                                                   << "A/Orvex/css/"
                                                   << "A/Orvex/css/: " + inside << false;
    QTest::newRow("destination inside the source through a link")
        << "A/Orvex"
        << "D/LinkToCss"
        << "D/LinkToCss: " + inside << false;
    QTest::newRow("destination holds the source")
        << "A/Orvex"
        << "A"
        << "A: The destination is the folder being copied" << false;
    QTest::newRow("dangling link in the source")
        << "A/Dangling"
        << "D/COMMON"
        << "A/Dangling/gone.txt: " + systemText(ENOENT) << false;
    QTest::newRow("link to a folder in the source")
        << "A/Linked"
        << "D/COMMON"
        << "A/Linked/css: Links to folders are not copied" << false;
    QTest::newRow("file name that is not text") << "A/BadName"
                                                << "D/COMMON"
                                                << "A/BadName: " + systemText(EILSEQ) << false;
    QTest::newRow("unreadable subfolder") << "A/Locked"
                                          << "D/COMMON"
                                          << "A/Locked/sub: " + systemText(EACCES) << true;
}

void FolderCopyTest::refusesWithoutWriting()
{
    QFETCH(QString, source);
    QFETCH(QString, destination);
    QFETCH(QString, reason);
    QFETCH(bool, needsNonRoot);
    if (needsNonRoot && geteuid() == 0)
        QSKIP("root reads every folder whatever its permissions");

    QVERIFY(testfiles::write(path("A/file.txt"), "not a folder"));
    QVERIFY(QFile::link(path("A/Orvex/css"), path("D/LinkToCss")));
    QVERIFY(testfiles::write(path("A/Dangling/a.txt"), "a"));
    QVERIFY(QFile::link(path("A/nowhere.txt"), path("A/Dangling/gone.txt")));
    QVERIFY(QDir().mkpath(path("A/Linked")));
    QVERIFY(QFile::link(path("A/Orvex/css"), path("A/Linked/css")));
    QVERIFY(QDir().mkpath(path("A/BadName")));
    QVERIFY(std::ofstream(QFile::encodeName(path("A/BadName")).toStdString() + "/\xff.txt").good());
    QVERIFY(testfiles::write(path("A/Locked/sub/a.txt"), "a"));
    QVERIFY(QFile::setPermissions(path("A/Locked/sub"), QFile::WriteOwner));
    const Tree before = snapshot(m_root->path());

    const FileResult result = copyFolderInto(path(source), path(destination));
    QVERIFY(!result.ok);
    QCOMPARE(result.reason, path(reason));
    QCOMPARE(snapshot(m_root->path()), before);
}

void FolderCopyTest::keepsTheOldFileWhenAFileFails_data()
{
    QTest::addColumn<QString>("failure");
    QTest::addColumn<QString>("reason"); // after "<source>/b.txt: "
    QTest::newRow("file vanished before its turn") << "vanished" << systemText(ENOENT);
    // Reading /proc/self/mem from its start fails with an I/O error, even for root.
    QTest::newRow("file that cannot be read") << "read error" << systemText(EIO);
    QTest::newRow("file without read permission") << "no permission" << systemText(EACCES);
}

void FolderCopyTest::keepsTheOldFileWhenAFileFails()
{
    QFETCH(QString, failure);
    QFETCH(QString, reason);
    if (failure == "no permission" && geteuid() == 0)
        QSKIP("root reads every file whatever its permissions");

    const QString source = path("A/Three");
    QVERIFY(testfiles::write(source + "/a.txt", "new a"));
    QVERIFY(testfiles::write(source + "/c.txt", "new c"));
    if (failure == "read error")
        QVERIFY(QFile::link("/proc/self/mem", source + "/b.txt"));
    else
        QVERIFY(testfiles::write(source + "/b.txt", "new b"));
    if (failure == "no permission")
        QVERIFY(QFile::setPermissions(source + "/b.txt", QFile::WriteOwner));
    QVERIFY(testfiles::write(path("D/COMMON/Three/b.txt"), "old b"));

    const FileResult result = copyFolderInto(source, path("D/COMMON"), [&](const CopyProgress &p) {
        if (failure == "vanished" && p.currentFile == "b.txt")
            QFile::remove(source + "/b.txt");
    });
    QVERIFY(!result.ok);
    QCOMPARE(result.reason, source + "/b.txt: " + reason);
    const Tree expected{{"Three/", {}}, {"Three/a.txt", "new a"}, {"Three/b.txt", "old b"}};
    QCOMPARE(snapshot(path("D/COMMON")), expected);
}

void FolderCopyTest::reportsConflictsInTheDestination_data()
{
    QTest::addColumn<QString>("inTheWay"); // below D/COMMON/Orvex
    QTest::addColumn<bool>("isFolder");
    QTest::addColumn<int>("error");
    QTest::newRow("folder where a file goes") << "index.html" << true << int(EISDIR);
    QTest::newRow("file where a folder goes") << "js" << false << int(EEXIST);
}

void FolderCopyTest::reportsConflictsInTheDestination()
{
    QFETCH(QString, inTheWay);
    QFETCH(bool, isFolder);
    QFETCH(int, error);
    const QString blocked = path("D/COMMON/Orvex/") + inTheWay;
    QVERIFY(isFolder ? QDir().mkpath(blocked + "/keep") : testfiles::write(blocked, "keep"));

    const FileResult result = copyFolderInto(path("A/Orvex"), path("D/COMMON"));
    QVERIFY(!result.ok);
    QCOMPARE(result.reason, blocked + ": " + systemText(error));
    const Tree after = snapshot(path("D/COMMON"));
    QVERIFY(!hasTemporaryFiles(after));
    QVERIFY(isFolder ? after.contains("Orvex/" + inTheWay + "/keep/")
                     : after.value("Orvex/" + inTheWay) == "keep");
}

void FolderCopyTest::keepsTheOldFileOnAFullDevice()
{
    TmpfsDevice device(64 * 1024);
    if (!device.isMounted())
        QSKIP(qPrintable("no size-limited device to fill: " + device.whyNot()));
    QVERIFY(testfiles::write(path("A/Big/big.bin"), patternBytes(256 * 1024)));
    QVERIFY(testfiles::write(device.path() + "/Big/big.bin", "old"));

    const FileResult result = copyFolderInto(path("A/Big"), device.path());
    QVERIFY(!result.ok);
    QCOMPARE(result.reason, device.path() + "/Big/big.bin: " + systemText(ENOSPC));
    const Tree expected{{"Big/", {}}, {"Big/big.bin", "old"}};
    QCOMPARE(snapshot(device.path()), expected);
}

void FolderCopyTest::reportsProgressPerFile()
{
    QVERIFY(writeTree(path("A/Small"),
                      {{"a.txt", "a"}, {"sub/b.txt", "b"}, {"sub/deeper/c.txt", "c"}}));
    QVERIFY(QDir().mkpath(path("A/Empty")));
    QStringList reports;
    const auto record = [&](const CopyProgress &p) {
        reports.append(
            QStringLiteral("%1/%2 %3").arg(p.filesDone).arg(p.filesTotal).arg(p.currentFile));
    };

    QVERIFY(copyFolderInto(path("A/Small"), path("D/COMMON"), record).ok);
    QCOMPARE(reports, QStringList({"0/3 a.txt", "1/3 sub/b.txt", "2/3 sub/deeper/c.txt", "3/3 "}));

    reports.clear();
    QVERIFY(copyFolderInto(path("A/Empty"), path("D/COMMON"), record).ok);
    QCOMPARE(reports, QStringList({"0/0 "}));
    QVERIFY(QFileInfo(path("D/COMMON/Empty")).isDir());
}

void FolderCopyTest::createsOneFolderLevel_data()
{
    QTest::addColumn<QString>("folder");
    QTest::addColumn<QString>("reason"); // empty for success
    QTest::newRow("new folder") << "D/New"
                                << "";
    QTest::newRow("existing folder") << "D/COMMON"
                                     << "";
    QTest::newRow("missing parent") << "D/Missing/New"
                                    << "D/Missing/New: " + systemText(ENOENT);
    QTest::newRow("file in the way") << "A/Orvex/index.html"
                                     << "A/Orvex/index.html: " + systemText(EEXIST);
}

void FolderCopyTest::createsOneFolderLevel()
{
    QFETCH(QString, folder);
    QFETCH(QString, reason);
    const FileResult result = createFolder(path(folder));
    QCOMPARE(result.ok, reason.isEmpty());
    QCOMPARE(result.reason, reason.isEmpty() ? QString() : path(reason));
    QCOMPARE(QFileInfo(path(folder)).isDir(), reason.isEmpty());
}

QTEST_GUILESS_MAIN(FolderCopyTest)
#include "tst_foldercopy.moc"
