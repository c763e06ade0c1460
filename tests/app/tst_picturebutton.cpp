#include "app/picturebutton.h"

#include <QTest>

using namespace Qt::StringLiterals;

using namespace orvex;

class PictureButtonTest : public QObject
{
    Q_OBJECT

    const QImage m_face{u":/orvex/app/button.bmp"_s};

private Q_SLOTS:
    // At each ratio the picture made for it, pixel for pixel, above the word.
    void drawsThePictureMadeForTheRatio()
    {
        PictureButton button(QPixmap::fromImage(m_face), QPixmap(u":/orvex/app/button@2x.bmp"_s),
                             u"Install"_s);
        button.resize(button.sizeHint());
        for (const auto &[ratio, picture] : {std::pair(1, u":/orvex/app/button.bmp"_s),
                                             std::pair(2, u":/orvex/app/button@2x.bmp"_s)}) {
            QImage shot(button.size() * ratio, QImage::Format_RGB32);
            shot.setDevicePixelRatio(ratio);
            button.render(&shot);
            const QRect top(0, 0, shot.width(), 8 * ratio);
            QCOMPARE(shot.copy(top),
                     QImage(picture).convertToFormat(QImage::Format_RGB32).copy(top));
        }
    }

    // The word in any language shows whole, inside the face (1.5, 1.5, 93 x 44), the longer
    // ones smaller.
    void writesItsWordOnTheFace()
    {
        for (const QString &word : {u"Install"_s, u"Installieren"_s, u"インストール"_s}) {
            PictureButton button(QPixmap::fromImage(m_face), {}, word);
            button.resize(button.sizeHint());
            const QImage shot = button.grab().toImage().convertToFormat(QImage::Format_RGB32);
            QRect ink;
            for (int y = 0; y < shot.height(); ++y)
                for (int x = 0; x < shot.width(); ++x)
                    ink |= shot.pixel(x, y) == m_face.pixel(x, y) ? QRect() : QRect(x, y, 1, 1);
            QVERIFY2(ink.width() > 20 && QRect(5, 5, 86, 37).contains(ink), qPrintable(word));
        }
    }

    // Focus from the keyboard shows as a ring of 2 px in the highlight colour; from a
    // click, none.
    void showsKeyboardFocus()
    {
        QWidget window;
        auto *button = new PictureButton(QPixmap::fromImage(m_face), {}, u"Install"_s, &window);
        button->resize(button->sizeHint());
        window.show();
        QVERIFY(QTest::qWaitForWindowActive(&window));
        const QRgb highlight = button->palette().color(QPalette::Highlight).rgb();
        for (const Qt::FocusReason reason : {Qt::TabFocusReason, Qt::MouseFocusReason}) {
            button->clearFocus();
            button->setFocus(reason);
            const QImage shot = button->grab().toImage();
            for (const QPoint at : {QPoint(1, shot.height() / 2), QPoint(shot.width() / 2, 0)})
                QCOMPARE(shot.pixel(at) == highlight, reason == Qt::TabFocusReason);
            QCOMPARE(shot.pixel(3, 3), m_face.pixel(3, 3));
        }
    }
};

QTEST_MAIN(PictureButtonTest)
#include "tst_picturebutton.moc"
