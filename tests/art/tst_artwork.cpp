#include "testfiles.h"

#include <QImage>
#include <QTest>

using namespace Qt::StringLiterals;

const QString repository = QStringLiteral(ORVEX_REPOSITORY_DIR "/");

QImage picture(const QString &path)
{
    return QImage(repository + path).convertToFormat(QImage::Format_RGB32);
}

class ArtworkTest : public QObject
{
    Q_OBJECT

private Q_SLOTS:
    void doubleScaleIsTheSamePicture_data()
    {
        QTest::addColumn<QString>("path");
        for (const char *path : {"skin/resources/default_skin.bmp", "app/resources/button.bmp"})
            QTest::newRow(path) << QString::fromLatin1(path);
    }

    // Scaled down, the double-scale picture is the single-scale one: nothing moved,
    // nothing missing.
    void doubleScaleIsTheSamePicture()
    {
        QFETCH(QString, path);
        const QImage single = picture(path);
        const QImage twice = picture(QString(path).replace(u".bmp"_s, u"@2x.bmp"_s));
        QCOMPARE(twice.size(), single.size() * 2);
        const QImage reduced =
            twice.scaled(single.size(), Qt::IgnoreAspectRatio, Qt::SmoothTransformation);
        qint64 difference = 0; // over red, green and blue: both images' alpha bytes are 0xff
        for (qsizetype i = 0; i < single.sizeInBytes(); ++i)
            difference += std::abs(reduced.constBits()[i] - single.constBits()[i]);
        const double mean = difference / (3.0 * single.width() * single.height());
        QVERIFY2(mean < 2, qPrintable(QString::number(mean)));
    }
};

QTEST_GUILESS_MAIN(ArtworkTest)
#include "tst_artwork.moc"
