// A message box request: the icon's name by default, equality, and the box
// QtMessagePresenter makes of a request.
#include <OrvexSkin/MessageRequest>
#include <OrvexSkin/QtMessagePresenter>
#include <QApplication>
#include <QLabel>
#include <QMessageBox>
#include <QPushButton>
#include <QTest>
#include <QTimer>

using namespace orvex;
using namespace Qt::StringLiterals;

class MessagesTest : public QObject
{
    Q_OBJECT

private Q_SLOTS:
    void iconNames_data()
    {
        QTest::addColumn<MessageIcon>("icon");
        QTest::addColumn<QString>("name");
        QTest::newRow("critical") << MessageIcon::Critical << u"Error"_s;
        QTest::newRow("warning") << MessageIcon::Warning << u"Warning"_s;
        QTest::newRow("information") << MessageIcon::Information << u"Information"_s;
        QTest::newRow("none") << MessageIcon::None << QString();
    }

    // By the icon's severity, unless the caller gives one.
    void iconNames()
    {
        QFETCH(MessageIcon, icon);
        MessageRequest request(u"T"_s, u"x"_s, icon);
        QTEST(request.iconAccessibleName(), "name");
        request.setIconAccessibleName(u"Stick"_s);
        QCOMPARE(request.iconAccessibleName(), u"Stick");
    }

    // Equal by value: a copy differs once one of its parts changes, and is
    // equal again when that part is put back.
    void copiesCompareByValue()
    {
        const MessageRequest request(u"T"_s, u"x"_s);
        MessageRequest copy = request;
        copy.setButtonLabel(MessageAnswer::Ok, u"Close"_s);
        QVERIFY(copy != request && request.buttonLabel(MessageAnswer::Ok).isEmpty());
        copy.setButtonLabel(MessageAnswer::Ok, {});
        QVERIFY(copy == request);
    }

    void boxShowsEveryPart_data()
    {
        QTest::addColumn<MessageRequest>("request");
        QTest::addColumn<QStringList>("shown"); // sorted
        MessageRequest question(u"Stick"_s, u"<b>Replace?</b>"_s, MessageIcon::Warning,
                                MessageButtons::YesNo, MessageAnswer::No);
        question.setInformativeText(u"<i>old</i>"_s);
        question.setButtonLabel(MessageAnswer::Yes, u"Replace"_s);
        QTest::newRow("question, No by default")
            << question << QStringList{u"&No"_s,     u"<b>Replace?</b>"_s, u"<i>old</i>"_s,
                                       u"Replace"_s, u"icon Warning"_s,    u"title Stick"_s};
        MessageRequest note(u"Stick"_s, u"Done."_s, MessageIcon::Information);
        note.setButtonLabel(MessageAnswer::Ok, u"Close"_s);
        note.setIconAccessibleName(u"Tick"_s);
        QTest::newRow("note") << note
                              << QStringList{u"Close"_s, u"Done."_s, u"icon Tick"_s,
                                             u"title Stick"_s};
    }

    // Texts as plain text, the labels and the icon's name given; Enter gives
    // the default answer.
    void boxShowsEveryPart()
    {
        QFETCH(MessageRequest, request);
        QStringList shown;
        QTimer::singleShot(0, this, [&shown] {
            auto *box = qobject_cast<QMessageBox *>(QApplication::activeModalWidget());
            shown << u"title "_s + box->windowTitle();
            for (const QLabel *label : box->findChildren<QLabel *>()) {
                if (!label->pixmap().isNull())
                    shown << u"icon "_s + label->accessibleName();
                else if (!label->text().isEmpty() && label->textFormat() == Qt::PlainText)
                    shown << label->text();
            }
            for (const QAbstractButton *button : box->buttons())
                shown << button->text();
            QTest::keyClick(box, Qt::Key_Return);
        });
        const MessageAnswer answer = QtMessagePresenter().show(request);
        shown.sort();
        QTEST(shown, "shown");
        QCOMPARE(answer, request.defaultAnswer());
    }
};

QTEST_MAIN(MessagesTest)
#include "tst_messages.moc"
