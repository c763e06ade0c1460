#include "app/picturebutton.h"

#include <QTest>

using namespace orvex;

class PictureButtonTest : public QObject
{
    Q_OBJECT

private Q_SLOTS:
    void drawsThePictureMadeForTheRatio_data()
    {
        QTest::addColumn<qreal>("ratio");
        QTest::addColumn<QString>("expected");
        QTest::newRow("1") << 1.0 << QStringLiteral(":/orvex/app/install.bmp");
        QTest::newRow("2") << 2.0 << QStringLiteral(":/orvex/app/install@2x.bmp");
    }

    // Each picture pixel for pixel.
    void drawsThePictureMadeForTheRatio()
    {
        QFETCH(qreal, ratio);
        QFETCH(QString, expected);
        PictureButton button(QPixmap(QStringLiteral(":/orvex/app/install.bmp")),
                             QPixmap(QStringLiteral(":/orvex/app/install@2x.bmp")),
                             QStringLiteral("Install"));
        button.resize(button.sizeHint());
        QImage shot(button.size() * ratio, QImage::Format_RGB32);
        shot.setDevicePixelRatio(ratio);
        button.render(&shot);
        QCOMPARE(shot, QImage(expected).convertToFormat(QImage::Format_RGB32));
    }
};

QTEST_MAIN(PictureButtonTest)
#include "tst_picturebutton.moc"
