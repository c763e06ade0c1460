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
        QVERIFY(!single.isNull());
        QCOMPARE(twice.size(), single.size() * 2);
        const QImage reduced =
            twice.scaled(single.size(), Qt::IgnoreAspectRatio, Qt::SmoothTransformation);
        qint64 difference = 0;
        for (int y = 0; y < single.height(); ++y)
            for (int x = 0; x < single.width(); ++x)
                for (int shift : {16, 8, 0}) // red, green, blue
                    difference += std::abs(int((reduced.pixel(x, y) >> shift) & 0xff) -
                                           int((single.pixel(x, y) >> shift) & 0xff));
        const double mean = difference / (3.0 * single.width() * single.height());
        QVERIFY2(mean < 2, qPrintable(QString::number(mean)));
    }

    // At double scale the skin keeps the key pixels, and the caption's shading and lines on
    // the same rows.
    void doubleScaleSkinKeepsItsContract()
    {
        const QImage single = picture(u"skin/resources/default_skin.bmp"_s);
        const QImage twice = picture(u"skin/resources/default_skin@2x.bmp"_s);
        for (QPoint key : {QPoint(0, 14), QPoint(164, 22)})
            QCOMPARE(twice.pixel(key * 2), single.pixel(key));
        for (int row = 14; row < 43; ++row) {
            for (int y : {row * 2, row * 2 + 1})
                QVERIFY2(std::abs(qGray(twice.pixel(50, y)) - qGray(single.pixel(25, row))) <= 2,
                         qPrintable(QString::number(y)));
        }
    }
};

QTEST_GUILESS_MAIN(ArtworkTest)
#include "tst_artwork.moc"
