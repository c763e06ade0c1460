#include "core/text/textlines.h"
#include "testfiles.h"

#include <QRegularExpression>
#include <QTest>

const QString payload = QStringLiteral(ORVEX_REPOSITORY_DIR "/app/payload/");
const QString installerWritten = QStringLiteral("passcode.js"); // never shipped
const QRegularExpression
    entry(R"x(^<dt><a href="file:/PSP/COMMON/(\S+)">Orvex Tessary[^<]*</a>$)x");

class PayloadTest : public QObject
{
    Q_OBJECT

private Q_SLOTS:
    void bookmarkPageBeginsWithOneEntry_data()
    {
        QTest::addColumn<QString>("page");
        QTest::addColumn<QString>("startPage");
        QTest::newRow("open") << QString("nopass.html") << "Orvex/index.html";
        QTest::newRow("passcode") << QString("pass.html") << "Orvex/lock.html";
    }

    // The installer appends the first line: one entry for a start page that is shipped.
    void bookmarkPageBeginsWithOneEntry()
    {
        QFETCH(QString, page);
        QFETCH(QString, startPage);
        const QString line = orvex::textlines::first(testfiles::read(payload + page));
        QCOMPARE(entry.match(line).captured(1), startPage);
        QVERIFY(QFileInfo(payload + startPage).isFile());
    }

    // Pages, style sheets and scripts name only files shipped beside them, or passcode.js.
    void relativeLinksResolve()
    {
        const QRegularExpression link("[\"']([\\w./-]+\\.(?:html|css|js|gif|png|jpg))[\"']");
        int links = 0;
        for (const QFileInfo &file : QDir(payload + "Orvex").entryInfoList(QDir::Files)) {
            const QString text = QString::fromLatin1(testfiles::read(file.filePath()));
            for (const QRegularExpressionMatch &match : link.globalMatch(text)) {
                const QString target = match.captured(1);
                QVERIFY2(file.dir().exists(target) != (target == installerWritten),
                         qPrintable(file.fileName() + " -> " + target));
                ++links;
            }
        }
        QVERIFY(links > 10);
    }
};

QTEST_GUILESS_MAIN(PayloadTest)
#include "tst_payload.moc"
