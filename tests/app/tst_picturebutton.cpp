#include "app/picturebutton.h"

#include <QTest>

using namespace Qt::StringLiterals;

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

    void showsKeyboardFocus_data()
    {
        QTest::addColumn<Qt::FocusReason>("reason");
        QTest::addColumn<bool>("ring");
        QTest::newRow("Tab: a ring") << Qt::TabFocusReason << true;
        QTest::newRow("a click: none") << Qt::MouseFocusReason << false;
    }

    // Focus from the keyboard shows as a ring of 2 px in the highlight colour.
    void showsKeyboardFocus()
    {
        QFETCH(Qt::FocusReason, reason);
        QWidget window;
        auto *button =
            new PictureButton(QPixmap(u":/orvex/app/install.bmp"_s), {}, u"Install"_s, &window);
        button->resize(button->sizeHint());
        window.show();
        QVERIFY(QTest::qWaitForWindowActive(&window));
        button->clearFocus(); // the window gave it focus when shown
        button->setFocus(reason);
        const QImage shot = button->grab().toImage();
        const QImage picture(u":/orvex/app/install.bmp"_s);
        const QRgb highlight = button->palette().color(QPalette::Highlight).rgb();
        for (const QPoint at : {QPoint(1, shot.height() / 2), QPoint(shot.width() / 2, 0)})
            QTEST(shot.pixel(at) == highlight, "ring");
        QCOMPARE(shot.pixel(3, 3), picture.pixel(3, 3));
    }
};

QTEST_MAIN(PictureButtonTest)
#include "tst_picturebutton.moc"
