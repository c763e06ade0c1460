#include <QFile>
#include <QImage>
#include <QJsonDocument>
#include <QJsonObject>
#include <QPoint>
#include <QRect>
#include <QTest>
#include <QtEndian>
#include <cstdlib>

namespace {

constexpr QRgb magenta = qRgb(255, 0, 255);
constexpr QRgb outlineGrey = qRgb(148, 148, 148);
constexpr QRgb bodyColour = qRgb(242, 242, 242);
constexpr QRgb white = qRgb(255, 255, 255);
constexpr QRgb squareCornerGrey = qRgb(0x77, 0x77, 0x77);
const QRect captionBlock(0, 14, 59, 29);

QString repositoryFile(const QString &path)
{
    return QStringLiteral(ORVEX_REPOSITORY_DIR "/") + path;
}

QImage load(const QString &path)
{
    QImage image(repositoryFile(path));
    if (image.isNull())
        qWarning("cannot read %s", qPrintable(path));
    return image;
}

// The transparency-coloured corners of the default skin's caption block.
QList<QPoint> roundedCornerPixels()
{
    QList<QPoint> corners;
    for (int x : {0, 1, 2, 3, 55, 56, 57, 58})
        corners.append(QPoint(x, 14));
    for (int x : {0, 1, 57, 58})
        corners.append(QPoint(x, 15));
    for (int y : {16, 17}) {
        corners.append(QPoint(0, y));
        corners.append(QPoint(58, y));
    }
    return corners;
}

bool rowUniform(const QImage &image, int y, int left, int right)
{
    for (int x = left; x <= right; ++x)
        if (image.pixel(x, y) != image.pixel(left, y))
            return false;
    return true;
}

bool columnUniform(const QImage &image, int x, int top, int bottom)
{
    for (int y = top; y <= bottom; ++y)
        if (image.pixel(x, y) != image.pixel(x, top))
            return false;
    return true;
}

bool nearColour(QRgb a, QRgb b, int tolerance)
{
    return std::abs(qRed(a) - qRed(b)) <= tolerance &&
           std::abs(qGreen(a) - qGreen(b)) <= tolerance &&
           std::abs(qBlue(a) - qBlue(b)) <= tolerance;
}

int differingPixels(const QImage &image, QRect a, QRect b)
{
    int count = 0;
    for (int y = 0; y < a.height(); ++y)
        for (int x = 0; x < a.width(); ++x)
            if (image.pixel(a.x() + x, a.y() + y) != image.pixel(b.x() + x, b.y() + y))
                ++count;
    return count;
}

QRect cell(int index)
{
    return QRect(index * 14, 0, 13, 13);
}

} // namespace

class ArtworkTest : public QObject
{
    Q_OBJECT

private slots:
    void bitmapHeaders_data();
    void bitmapHeaders();
    void skinLayout_data();
    void skinLayout();
    void defaultSkinCorners();
    void installerSkinDifferences();
    void storedDesignCarriesInstallerSkin();
    void captionButtonCells_data();
    void captionButtonCells();
    void pushButtonPictures_data();
    void pushButtonPictures();
    void windowIcon();
    void arrows_data();
    void arrows();
};

void ArtworkTest::bitmapHeaders_data()
{
    QTest::addColumn<QString>("path");
    QTest::addColumn<QSize>("size");
    QTest::addColumn<int>("dotsPerMeter");
    QTest::newRow("default skin") << "skin/resources/default_skin.bmp" << QSize(207, 52) << 11811;
    QTest::newRow("installer skin")
        << "app/resources/installer_skin.bmp" << QSize(207, 52) << 11811;
    QTest::newRow("install") << "app/resources/install.bmp" << QSize(100, 50) << 3780;
    QTest::newRow("cancel") << "app/resources/cancel.bmp" << QSize(100, 50) << 3780;
}

// Uncompressed 24-bit bitmaps with an information header, at the stated resolution.
void ArtworkTest::bitmapHeaders()
{
    QFETCH(QString, path);
    QFETCH(QSize, size);
    QFETCH(int, dotsPerMeter);
    QFile file(repositoryFile(path));
    QVERIFY2(file.open(QIODevice::ReadOnly), qPrintable(path));
    const QByteArray header = file.read(54);
    QCOMPARE(header.size(), 54);
    const auto *bytes = reinterpret_cast<const uchar *>(header.constData());
    QCOMPARE(header.left(2), QByteArray("BM"));
    QCOMPARE(qFromLittleEndian<quint32>(bytes + 14), 40u);
    QCOMPARE(qFromLittleEndian<qint32>(bytes + 18), size.width());
    QCOMPARE(qFromLittleEndian<qint32>(bytes + 22), size.height());
    QCOMPARE(qFromLittleEndian<quint16>(bytes + 28), quint16(24));
    QCOMPARE(qFromLittleEndian<quint32>(bytes + 30), 0u);
    QCOMPARE(qFromLittleEndian<qint32>(bytes + 38), dotsPerMeter);
    QCOMPARE(qFromLittleEndian<qint32>(bytes + 42), dotsPerMeter);
}

void ArtworkTest::skinLayout_data()
{
    QTest::addColumn<QString>("path");
    QTest::newRow("default skin") << "skin/resources/default_skin.bmp";
    QTest::newRow("installer skin") << "app/resources/installer_skin.bmp";
}

// The pieces the control stretches are uniform along the stretch, and the frame
// sample has its outline where the top and bottom strips are read.
void ArtworkTest::skinLayout()
{
    QFETCH(QString, path);
    const QImage skin = load(path);
    QCOMPARE(skin.size(), QSize(207, 52));
    QCOMPARE(skin.pixel(164, 22), bodyColour);

    for (int x = 158; x <= 162; ++x)
        QVERIFY2(columnUniform(skin, x, 16, 31), "left edge");
    for (int x = 200; x <= 206; ++x)
        QVERIFY2(columnUniform(skin, x, 15, 31), "right edge");
    for (int y = 0; y <= 4; ++y)
        QVERIFY2(rowUniform(skin, y, 173, 190), "top strip");
    for (int y = 43; y <= 47; ++y)
        QVERIFY2(rowUniform(skin, y, 173, 190), "bottom edge");
    for (int y = 14; y <= 42; ++y)
        QVERIFY2(rowUniform(skin, y, 20, 37), "caption middle");

    QCOMPARE(skin.pixel(180, 0), outlineGrey);
    QCOMPARE(skin.pixel(180, 1), bodyColour);
    QCOMPARE(skin.pixel(180, 47), outlineGrey);
    QCOMPARE(skin.pixel(180, 46), bodyColour);
    for (int x = 159; x <= 205; ++x)
        QCOMPARE(skin.pixel(x, 22), bodyColour);
}

void ArtworkTest::defaultSkinCorners()
{
    const QImage skin = load(QStringLiteral("skin/resources/default_skin.bmp"));
    const QList<QPoint> corners = roundedCornerPixels();
    for (const QPoint &corner : corners)
        QVERIFY2(skin.pixel(corner) == magenta,
                 qPrintable(QStringLiteral("%1,%2").arg(corner.x()).arg(corner.y())));
    for (int y = 0; y < 52; ++y)
        for (int x = 0; x < 207; ++x)
            if (skin.pixel(x, y) == magenta)
                QVERIFY2(corners.contains(QPoint(x, y)), "key colour outside the corners");
    for (int y = 15; y <= 33; ++y) {
        QCOMPARE(skin.pixel(158, y), outlineGrey);
        QCOMPARE(skin.pixel(206, y), outlineGrey);
    }
}

// The installer's skin: square corners with a white key pixel, no side outlines,
// everything outside the caption block and those two columns as in the default.
void ArtworkTest::installerSkinDifferences()
{
    const QImage skin = load(QStringLiteral("app/resources/installer_skin.bmp"));
    const QImage original = load(QStringLiteral("skin/resources/default_skin.bmp"));
    QCOMPARE(skin.pixel(0, 14), white);
    for (const QPoint &corner : roundedCornerPixels()) {
        if (corner != QPoint(0, 14))
            QVERIFY(skin.pixel(corner) == squareCornerGrey || skin.pixel(corner) == white);
    }
    for (int y = 15; y <= 33; ++y) {
        QCOMPARE(skin.pixel(158, y), bodyColour);
        QCOMPARE(skin.pixel(206, y), bodyColour);
    }
    for (int y = 0; y < 52; ++y) {
        for (int x = 0; x < 207; ++x) {
            const bool mayDiffer =
                captionBlock.contains(x, y) || ((x == 158 || x == 206) && y >= 15 && y <= 33);
            if (!mayDiffer)
                QVERIFY2(skin.pixel(x, y) == original.pixel(x, y),
                         qPrintable(QStringLiteral("%1,%2").arg(x).arg(y)));
        }
    }
}

// The main window's stored design embeds the installer skin; it must be the
// generated file, byte for byte, so that remade artwork reaches the window.
void ArtworkTest::storedDesignCarriesInstallerSkin()
{
    QFile design(repositoryFile(QStringLiteral("app/resources/skin1.design.json")));
    QVERIFY(design.open(QIODevice::ReadOnly));
    const QJsonObject properties = QJsonDocument::fromJson(design.readAll()).object();
    const QByteArray embedded = QByteArray::fromBase64(properties.value(QStringLiteral("skin"))
                                                           .toObject()
                                                           .value(QStringLiteral("bmp"))
                                                           .toString()
                                                           .toLatin1());
    QFile skin(repositoryFile(QStringLiteral("app/resources/installer_skin.bmp")));
    QVERIFY(skin.open(QIODevice::ReadOnly));
    QVERIFY2(embedded == skin.readAll(),
             "skin1.design.json does not hold app/resources/installer_skin.bmp");
}

void ArtworkTest::captionButtonCells_data()
{
    QTest::addColumn<QString>("path");
    QTest::addColumn<int>("normal");
    QTest::addColumn<int>("hover");
    for (const char *path :
         {"skin/resources/default_skin.bmp", "app/resources/installer_skin.bmp"}) {
        QTest::addRow("%s close", path) << path << 0 << 1;
        QTest::addRow("%s restore", path) << path << 3 << 4;
        QTest::addRow("%s maximise", path) << path << 6 << 7;
        QTest::addRow("%s minimise", path) << path << 9 << 10;
    }
}

// Normal cells sit on the caption without a seam; hover cells look clearly different.
void ArtworkTest::captionButtonCells()
{
    QFETCH(QString, path);
    QFETCH(int, normal);
    QFETCH(int, hover);
    const QImage skin = load(path);
    // Cell rows land on strip rows 6 to 18; the caption piece is drawn 25 rows
    // high from 29, so strip row r shows caption row (r + 0.5) * 29 / 25.
    for (int row : {0, 6, 12}) {
        const int captionRow = 14 + static_cast<int>((6 + row + 0.5) * 29 / 25);
        QVERIFY2(nearColour(skin.pixel(normal * 14, row), skin.pixel(25, captionRow), 4),
                 "normal cell background leaves the caption gradient");
    }
    QVERIFY(differingPixels(skin, cell(normal), cell(hover)) > 60);
    const QRgb plate = skin.pixel(hover * 14 + 6, 1);
    if (normal == 0)
        QVERIFY2(qRed(plate) > 180 && qGreen(plate) < 90, "close hover is red");
    else
        QVERIFY2(qGray(plate) < qGray(skin.pixel(normal * 14 + 6, 1)) - 12, "hover plate");
}

void ArtworkTest::pushButtonPictures_data()
{
    QTest::addColumn<QString>("path");
    QTest::newRow("install") << "app/resources/install.bmp";
    QTest::newRow("cancel") << "app/resources/cancel.bmp";
}

// On the window's body colour at the edges, a light face, dark letters in the middle.
void ArtworkTest::pushButtonPictures()
{
    QFETCH(QString, path);
    const QImage picture = load(path);
    QCOMPARE(picture.size(), QSize(100, 50));
    for (const QPoint corner : {QPoint(0, 0), QPoint(99, 0), QPoint(0, 49), QPoint(99, 49)})
        QCOMPARE(picture.pixel(corner), bodyColour);
    QVERIFY(qGray(picture.pixel(48, 8)) > 220);
    int dark = 0;
    for (int y = 12; y < 36; ++y)
        for (int x = 10; x < 86; ++x)
            if (qGray(picture.pixel(x, y)) < 100)
                ++dark;
    QVERIFY2(dark > 150, "the word is drawn");
}

void ArtworkTest::windowIcon()
{
    const QImage icon = load(QStringLiteral("app/resources/orvex.png"));
    QCOMPARE(icon.size(), QSize(64, 64));
    QCOMPARE(icon.format(), QImage::Format_Indexed8);
    QVERIFY(icon.colorCount() <= 256);
    QCOMPARE(qAlpha(icon.pixel(0, 0)), 0);
    QCOMPARE(qAlpha(icon.pixel(32, 32)), 0);  // the hole of the O
    QCOMPARE(qAlpha(icon.pixel(6, 32)), 255); // outer band of tiles
    QCOMPARE(qAlpha(icon.pixel(58, 32)), 255);
    QCOMPARE(qAlpha(icon.pixel(15, 32)), 255); // inner band
}

void ArtworkTest::arrows_data()
{
    QTest::addColumn<QString>("direction");
    QTest::addColumn<int>("size");
    QTest::addColumn<QPoint>("pointing");
    const std::pair<const char *, QPoint> directions[] = {{"left", QPoint(-1, 0)},
                                                          {"right", QPoint(1, 0)},
                                                          {"up", QPoint(0, -1)},
                                                          {"down", QPoint(0, 1)}};
    for (const auto &[direction, pointing] : directions)
        for (int size : {32, 16})
            QTest::addRow("%s %d", direction, size) << direction << size << pointing;
}

// Black on transparent, 16 colours, the head in the half the arrow points to.
void ArtworkTest::arrows()
{
    QFETCH(QString, direction);
    QFETCH(int, size);
    QFETCH(QPoint, pointing);
    const QImage arrow =
        load(QStringLiteral("propertypage/resources/arrow-%1-%2.png").arg(direction).arg(size));
    QCOMPARE(arrow.size(), QSize(size, size));
    QCOMPARE(arrow.format(), QImage::Format_Indexed8);
    QVERIFY(arrow.colorCount() <= 16);
    QCOMPARE(qAlpha(arrow.pixel(0, 0)), 0);

    double ahead = 0;
    double behind = 0;
    const double middle = (size - 1) / 2.0;
    for (int y = 0; y < size; ++y) {
        for (int x = 0; x < size; ++x) {
            const QRgb pixel = arrow.pixel(x, y);
            if (qAlpha(pixel) == 0)
                continue;
            QCOMPARE(qRgb(qRed(pixel), qGreen(pixel), qBlue(pixel)), qRgb(0, 0, 0));
            const double along = (x - middle) * pointing.x() + (y - middle) * pointing.y();
            (along > 0 ? ahead : behind) += qAlpha(pixel);
        }
    }
    QVERIFY2(ahead > 1.5 * behind, "the head points the named way");
}

QTEST_GUILESS_MAIN(ArtworkTest)
#include "tst_artwork.moc"
