#include "core/text/textlines.h"
#include "testfiles.h"

#include <QRegularExpression>
#include <QTest>

using namespace Qt::StringLiterals;

const QString payload = QStringLiteral(ORVEX_REPOSITORY_DIR "/app/payload/");
const QString installerWritten = u"passcode.js"_s; // never shipped
const QRegularExpression
    entry(uR"x(^<dt><a href="file:/PSP/COMMON/(\S+)">Orvex Tessary[^<]*</a>$)x"_s);

class PayloadTest : public QObject
{
    Q_OBJECT

private Q_SLOTS:
    // The installer appends the first line: one entry for a start page that is shipped.
    void bookmarkPageBeginsWithOneEntry()
    {
        for (const auto &[page, startPage] : {std::pair(u"nopass.html"_s, u"Orvex/index.html"_s),
                                              std::pair(u"pass.html"_s, u"Orvex/lock.html"_s)}) {
            const QString line = orvex::textlines::first(testfiles::read(payload + page));
            QCOMPARE(entry.match(line).captured(1), startPage);
            QVERIFY(QFileInfo(payload + startPage).isFile());
        }
    }

    // Pages, style sheets and scripts name only files shipped beside them, or passcode.js.
    void relativeLinksResolve()
    {
        const QRegularExpression link(u"[\"']([\\w./-]+\\.(?:html|css|js|gif|png|jpg))[\"']"_s);
        int links = 0;
        for (const QFileInfo &file : QDir(payload + u"Orvex"_s).entryInfoList(QDir::Files)) {
            const QString text = QString::fromLatin1(testfiles::read(file.filePath()));
            for (const QRegularExpressionMatch &match : link.globalMatch(text)) {
                const QString target = match.captured(1);
                QVERIFY2(file.dir().exists(target) != (target == installerWritten),
                         qPrintable(file.fileName() + u" -> "_s + target));
                ++links;
            }
        }
        QVERIFY(links > 10);
    }
};

QTEST_GUILESS_MAIN(PayloadTest)
#include "tst_payload.moc"
