#include <QDir>
#include <QDirIterator>
#include <QFile>
#include <QFileInfo>
#include <QRegularExpression>
#include <QTest>

namespace {

QString repositoryPath(const QString &path)
{
    return QStringLiteral(ORVEX_REPOSITORY_DIR "/") + path;
}

QByteArray readAll(const QString &path)
{
    QFile file(path);
    if (!file.open(QIODevice::ReadOnly))
        qWarning("cannot read %s", qPrintable(path));
    return file.readAll();
}

// The first line of a file, ended by CR LF, a lone CR or a lone LF.
QString firstLine(const QByteArray &bytes)
{
    const auto end = bytes.indexOf('\n');
    QByteArray line = end < 0 ? bytes : bytes.left(end);
    if (line.endsWith('\r'))
        line.chop(1);
    return QString::fromLatin1(line);
}

// One bookmark entry of the PSP browser's bookmarks.html.
const QRegularExpression
    bookmarkEntry(QStringLiteral("^<dt><a href=\"([a-z]+:[^\"]+)\">([^<\\r\\n]+)</a>$"));

QStringList payloadFiles(const QStringList &patterns)
{
    QStringList files;
    QDirIterator it(repositoryPath(QStringLiteral("app/payload")), patterns, QDir::Files,
                    QDirIterator::Subdirectories);
    while (it.hasNext())
        files.append(it.next());
    files.sort();
    return files;
}

} // namespace

class PayloadTest : public QObject
{
    Q_OBJECT

private slots:
    void bookmarkPages_data();
    void bookmarkPages();
    void localLinksResolve();
    void keepsToWhatThePspBrowserKnows_data();
    void keepsToWhatThePspBrowserKnows();
    void demoBookmarksFile();
};

void PayloadTest::bookmarkPages_data()
{
    QTest::addColumn<QString>("page");
    QTest::addColumn<QString>("startPage");
    QTest::newRow("open") << "nopass.html"
                          << "Orvex/index.html";
    QTest::newRow("passcode") << "pass.html"
                              << "Orvex/lock.html";
}

// The first line is a single bookmark entry for a start page that is shipped.
void PayloadTest::bookmarkPages()
{
    QFETCH(QString, page);
    QFETCH(QString, startPage);
    const QString line = firstLine(readAll(repositoryPath(QStringLiteral("app/payload/") + page)));
    const QRegularExpressionMatch match = bookmarkEntry.match(line);
    QVERIFY2(match.hasMatch(), qPrintable(line));
    QCOMPARE(match.captured(1), QStringLiteral("file:/PSP/COMMON/") + startPage);
    QVERIFY(match.captured(2).startsWith(QStringLiteral("Orvex Tessary")));
    QVERIFY(QFileInfo::exists(repositoryPath(QStringLiteral("app/payload/") + startPage)));
}

// Every page's links, scripts and style sheets point at files of the payload.
void PayloadTest::localLinksResolve()
{
    const QRegularExpression reference(QStringLiteral("(?:href|src)=\"([^\"#]+)"));
    const QStringList pages = payloadFiles({QStringLiteral("*.html")});
    QVERIFY(pages.size() >= 4);
    for (const QString &page : pages) {
        if (!page.contains(QStringLiteral("/Orvex/")))
            continue;
        const QString text = QString::fromLatin1(readAll(page));
        QVERIFY2(text.startsWith(QStringLiteral("<!DOCTYPE HTML PUBLIC \"-//W3C//DTD HTML 4.01")),
                 qPrintable(page));
        auto matches = reference.globalMatch(text);
        while (matches.hasNext()) {
            const QString target = matches.next().captured(1);
            if (target.contains(QLatin1Char(':')))
                continue;
            const QString resolved = QFileInfo(page).dir().filePath(target);
            QVERIFY2(QFileInfo::exists(resolved),
                     qPrintable(page + QStringLiteral(" -> ") + target));
        }
    }
}

void PayloadTest::keepsToWhatThePspBrowserKnows_data()
{
    QTest::addColumn<QString>("files");
    QTest::addColumn<QStringList>("laterFeatures");
    QTest::newRow("scripts")
        << "*.js"
        << QStringList{
               QStringLiteral("\\bJSON\\."),
               QStringLiteral("\\b(local|session)Storage\\b"),
               QStringLiteral("addEventListener|querySelector|classList"),
               QStringLiteral("getElementsByClassName|innerHTML"),
               QStringLiteral("\\.(forEach|map|filter|reduce|some|every|trim)\\("),
               QStringLiteral("\\b(Array\\.isArray|Object\\.(keys|create))\\b"),
               QStringLiteral("=>|`"),
               QStringLiteral("(^|[;{(])\\s*(let|const|class)\\s"),
           };
    QTest::newRow("style sheets")
        << "*.css"
        << QStringList{QStringLiteral("\\b(position|z-index|opacity|overflow)\\s*:"),
                       QStringLiteral("@media|@import|border-radius|box-shadow|rgba\\(")};
    QTest::newRow("pages") << "*.html"
                           << QStringList{
                                  QStringLiteral("<(canvas|video|audio|svg|section)\\b"),
                                  QStringLiteral("innerHTML|localStorage|addEventListener")};
}

// HTML 4.01, CSS 1 and ECMAScript 3 in ASCII only: none of the later features.
void PayloadTest::keepsToWhatThePspBrowserKnows()
{
    QFETCH(QString, files);
    QFETCH(QStringList, laterFeatures);
    const QStringList found = payloadFiles({files});
    QVERIFY(!found.isEmpty());
    for (const QString &file : found) {
        const QByteArray bytes = readAll(file);
        for (char c : bytes)
            QVERIFY2(static_cast<unsigned char>(c) < 0x80, qPrintable(file + " is not ASCII"));
        const QString text = QString::fromLatin1(bytes);
        for (const QString &feature : laterFeatures) {
            const QRegularExpression pattern(feature, QRegularExpression::MultilineOption);
            QVERIFY(pattern.isValid());
            const QRegularExpressionMatch match = pattern.match(text);
            QVERIFY2(!match.hasMatch(), qPrintable(file + QStringLiteral(": ") + match.captured()));
        }
    }
}

// The demo memory stick's bookmarks: whole entries, each ended by CR LF.
void PayloadTest::demoBookmarksFile()
{
    const QByteArray bytes =
        readAll(repositoryPath(QStringLiteral("app/demo-stick/PSP/SYSTEM/BROWSER/bookmarks.html")));
    QVERIFY(bytes.endsWith("\r\n"));
    QCOMPARE(bytes.count("\r\n"), bytes.count('\n'));
    QCOMPARE(bytes.count("\r\n"), bytes.count('\r'));
    const QStringList lines = QString::fromLatin1(bytes.chopped(2)).split(QStringLiteral("\r\n"));
    QVERIFY(lines.size() >= 2);
    for (const QString &line : lines)
        QVERIFY2(bookmarkEntry.match(line).hasMatch(), qPrintable(line));
}

QTEST_GUILESS_MAIN(PayloadTest)
#include "tst_payload.moc"
