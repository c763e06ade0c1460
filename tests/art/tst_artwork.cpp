#include "testfiles.h"

#include <QImage>
#include <QJsonDocument>
#include <QJsonObject>
#include <QTest>

using namespace Qt::StringLiterals;

const QString repository = QStringLiteral(ORVEX_REPOSITORY_DIR "/");

QImage picture(const QString &path)
{
    return QImage(repository + path).convertToFormat(QImage::Format_RGB32);
}

QString doubleScaleName(const QString &path)
{
    return QString(path).replace(u".bmp"_s, u"@2x.bmp"_s);
}

// Every run of pixels along the rectangle's width (horizontal) or height is one colour.
bool uniformAlong(const QImage &image, const QRect &rect, Qt::Orientation stretch)
{
    for (int y = rect.top(); y <= rect.bottom(); ++y)
        for (int x = rect.left(); x <= rect.right(); ++x)
            if (image.pixel(x, y) != (stretch == Qt::Horizontal ? image.pixel(rect.left(), y)
                                                                : image.pixel(x, rect.top())))
                return false;
    return true;
}

class ArtworkTest : public QObject
{
    Q_OBJECT

private Q_SLOTS:
    // The installer's design stores installer_skin.bmp, byte for byte.
    void storedDesignHoldsTheInstallerSkin()
    {
        const QJsonObject design =
            QJsonDocument::fromJson(
                testfiles::read(repository + u"app/resources/skin1.design.json"_s))
                .object();
        const QByteArray stored =
            QByteArray::fromBase64(design[u"skin"_s][u"bmp"_s].toString().toLatin1());
        QVERIFY(!stored.isEmpty());
        QVERIFY(stored == testfiles::read(repository + u"app/resources/installer_skin.bmp"_s));
    }

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
        const QImage twice = picture(doubleScaleName(path));
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

    void skinKeepsItsContract_data()
    {
        QTest::addColumn<QString>("path");
        QTest::addColumn<int>("scale");
        QTest::newRow("default") << u"skin/resources/default_skin.bmp"_s << 1;
        QTest::newRow("default @2x") << u"skin/resources/default_skin@2x.bmp"_s << 2;
        QTest::newRow("installer") << u"app/resources/installer_skin.bmp"_s << 1;
    }

    // The key pixels at their places, and the pieces the control stretches uniform
    // along the stretch, with every rectangle scaled.
    void skinKeepsItsContract()
    {
        QFETCH(QString, path);
        QFETCH(int, scale);
        const QImage skin = picture(path);
        const QImage single = picture(QString(path).remove(u"@2x"_s));
        for (QPoint key : {QPoint(0, 14), QPoint(164, 22)})
            QCOMPARE(skin.pixel(key * scale), single.pixel(key));
        // The caption's shading and lines lie on the same rows at both scales.
        for (int row = 14; row < 43; ++row) {
            for (int y : {row * scale, row * scale + scale - 1})
                QVERIFY2(
                    std::abs(qGray(skin.pixel(25 * scale, y)) - qGray(single.pixel(25, row))) <= 2,
                    qPrintable(QString::number(y)));
        }

        const std::pair<QRect, Qt::Orientation> pieces[] = {
            {QRect(20, 14, 18, 29), Qt::Horizontal}, // caption middle
            {QRect(158, 16, 5, 16), Qt::Vertical},   // frame left edge
            {QRect(200, 15, 7, 17), Qt::Vertical},   // frame right edge, inside the bitmap
            {QRect(173, 0, 18, 5), Qt::Horizontal},  // frame top strip
            {QRect(173, 43, 18, 5), Qt::Horizontal}, // frame bottom edge
        };
        for (const auto &[piece, stretch] : pieces) {
            const QRect scaled(piece.topLeft() * scale, piece.size() * scale);
            QVERIFY2(uniformAlong(skin, scaled, stretch),
                     qPrintable(u"%1,%2"_s.arg(piece.x()).arg(piece.y())));
        }
    }

    // The icon theme finds each size by its folder.
    void iconSizesMatchTheirFolders()
    {
        for (int size : {16, 24, 32, 48, 64, 128, 256}) {
            const QImage icon(repository + QStringLiteral("app/resources/hicolor/%1x%1/apps/"
                                                          "orvex-tessary.png")
                                               .arg(size));
            QCOMPARE(icon.size(), QSize(size, size));
            QVERIFY(icon.hasAlphaChannel());
        }
    }
};

QTEST_GUILESS_MAIN(ArtworkTest)
#include "tst_artwork.moc"
