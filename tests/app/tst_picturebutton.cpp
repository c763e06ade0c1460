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
        QTest::newRow("1") << 1.0 << QStringLiteral(":/orvex/app/button.bmp");
        QTest::newRow("2") << 2.0 << QStringLiteral(":/orvex/app/button@2x.bmp");
    }

    // Each picture pixel for pixel, around the word.
    void drawsThePictureMadeForTheRatio()
    {
        QFETCH(qreal, ratio);
        QFETCH(QString, expected);
        PictureButton button(QPixmap(u":/orvex/app/button.bmp"_s),
                             QPixmap(u":/orvex/app/button@2x.bmp"_s), u"Install"_s);
        button.resize(button.sizeHint());
        QImage shot(button.size() * ratio, QImage::Format_RGB32);
        shot.setDevicePixelRatio(ratio);
        button.render(&shot);
        const QImage picture = QImage(expected).convertToFormat(QImage::Format_RGB32);
        const QRect top(0, 0, picture.width(), int(8 * ratio));
        QCOMPARE(shot.copy(top), picture.copy(top));
    }

    void writesItsWordOnTheFace_data()
    {
        QTest::addColumn<QString>("word");
        QTest::newRow("English") << u"Install"_s;
        QTest::newRow("longer, in German") << u"Installieren"_s;
        QTest::newRow("Japanese") << u"インストール"_s;
    }

    // The word in any language shows whole, inside the face (1.5, 1.5, 93 x 44).
    void writesItsWordOnTheFace()
    {
        QFETCH(QString, word);
        const QImage face(u":/orvex/app/button.bmp"_s);
        PictureButton button(QPixmap::fromImage(face), {}, word);
        button.resize(button.sizeHint());
        const QImage shot = button.grab().toImage().convertToFormat(QImage::Format_RGB32);
        QRect ink;
        for (int y = 0; y < shot.height(); ++y) {
            for (int x = 0; x < shot.width(); ++x) {
                if (shot.pixel(x, y) != face.pixel(x, y))
                    ink |= QRect(x, y, 1, 1);
            }
        }
        QVERIFY(ink.width() > 20);
        QVERIFY2(QRect(5, 5, 86, 37).contains(ink),
                 qPrintable(u"ink at %1,%2 %3 x %4"_s.arg(ink.x())
                                .arg(ink.y())
                                .arg(ink.width())
                                .arg(ink.height())));
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
            new PictureButton(QPixmap(u":/orvex/app/button.bmp"_s), {}, u"Install"_s, &window);
        button->resize(button->sizeHint());
        window.show();
        QVERIFY(QTest::qWaitForWindowActive(&window));
        button->clearFocus(); // the window gave it focus when shown
        button->setFocus(reason);
        const QImage shot = button->grab().toImage();
        const QImage picture(u":/orvex/app/button.bmp"_s);
        const QRgb highlight = button->palette().color(QPalette::Highlight).rgb();
        for (const QPoint at : {QPoint(1, shot.height() / 2), QPoint(shot.width() / 2, 0)})
            QTEST(shot.pixel(at) == highlight, "ring");
        QCOMPARE(shot.pixel(3, 3), picture.pixel(3, 3));
    }
};

QTEST_MAIN(PictureButtonTest)
#include "tst_picturebutton.moc"
