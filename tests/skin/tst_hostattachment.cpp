// The host attachment on its own: the host's children keep their mouse events
// and show the arrow unless they chose a pointer, the control excepted; a
// shown host stays shown when it loses its frame; its resizes are reported.
#include "skin/hostattachment_p.h"

#include <QSignalSpy>
#include <QTest>

using orvex::HostAttachment;

class HostAttachmentTest : public QObject
{
    Q_OBJECT

private Q_SLOTS:
    void guardsChildrenLosesTheFrameAndReportsResizes()
    {
        QWidget host;
        auto *control = new QWidget(&host);
        auto *plain = new QWidget(&host);
        auto *text = new QWidget(&host);
        text->setCursor(Qt::IBeamCursor);
        HostAttachment attachment(control);
        attachment.attach(&host);
        attachment.watchHost();
        auto *later = new QWidget(&host);
        host.show();
        QVERIFY(QTest::qWaitForWindowExposed(&host));
        for (QWidget *child : {plain, text, later})
            QVERIFY(child->testAttribute(Qt::WA_NoMousePropagation));
        QVERIFY(plain->cursor().shape() == Qt::ArrowCursor &&
                later->cursor().shape() == Qt::ArrowCursor);
        QCOMPARE(text->cursor().shape(), Qt::IBeamCursor);
        QVERIFY(!control->testAttribute(Qt::WA_NoMousePropagation));
        QVERIFY(!control->testAttribute(Qt::WA_SetCursor));

        attachment.makeBorderless();
        QVERIFY(host.isVisible() && host.windowFlags().testFlag(Qt::FramelessWindowHint));
        QSignalSpy resized(&attachment, &HostAttachment::hostResized);
        host.resize(321, 123);
        QTRY_COMPARE(resized.count(), 1);
    }
};

QTEST_MAIN(HostAttachmentTest)
#include "tst_hostattachment.moc"
