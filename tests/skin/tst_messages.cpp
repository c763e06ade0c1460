// A message box request: the icon's name by default, equality, and the box
// QtMessagePresenter makes of a request.
#include "skinhost.h"

#include <OrvexSkin/MessageRequest>
#include <OrvexSkin/QtMessagePresenter>
#include <QAccessible>
#include <QApplication>
#include <QTest>
#include <QTimer>

using namespace orvex;
using namespace Qt::StringLiterals;

class MessagesTest : public QObject
{
    Q_OBJECT

private Q_SLOTS:
    // By the icon's severity, unless the caller gives one (as the box's test does).
    void iconNamesFollowTheSeverity()
    {
        QStringList names;
        for (const MessageIcon icon : {MessageIcon::Critical, MessageIcon::Warning,
                                       MessageIcon::Information, MessageIcon::None})
            names << MessageRequest(u"T"_s, u"x"_s, icon).iconAccessibleName();
        QCOMPARE(names, (QStringList{u"Error"_s, u"Warning"_s, u"Information"_s, QString()}));
    }

    // Equal by value: a copy differs once a part changes, and again equals when it is put back.
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
        QTest::addColumn<QString>("shown"); // the title, then as screen readers meet the box
        MessageRequest question(u"Stick"_s, u"<b>Go?</b>"_s, MessageIcon::Warning,
                                MessageButtons::YesNo, MessageAnswer::No);
        question.setInformativeText(u"<i>old</i>"_s);
        question.setButtonLabel(MessageAnswer::Yes, u"Replace"_s);
        QTest::newRow("question, No by default")
            << question
            << u"Stick: icon Warning, <b>Go?</b>, <i>old</i>, qt_msgbox_buttonbox (Replace, No)"_s;
        MessageRequest note(u"Stick"_s, u"Done."_s, MessageIcon::Information);
        note.setButtonLabel(MessageAnswer::Ok, u"Close"_s);
        note.setIconAccessibleName(u"Tick"_s);
        QTest::newRow("note") << note << u"Stick: icon Tick, Done., qt_msgbox_buttonbox (Close)"_s;
    }

    // Texts as plain text (a rich one would read without its tags), the
    // labels and the icon's name given, the informative text read right after
    // the text; Enter gives the default answer.
    void boxShowsEveryPart()
    {
        QFETCH(MessageRequest, request);
        QString shown;
        QTimer::singleShot(0, this, [&shown] {
            QWidget *box = QApplication::activeModalWidget();
            const QAccessibleInterface *read = QAccessible::queryAccessibleInterface(box);
            shown = read->text(QAccessible::Name) + u": "_s + skinhost::readOut(read);
            QTest::keyClick(box, Qt::Key_Return);
        });
        const MessageAnswer answer = QtMessagePresenter().show(request);
        QTEST(shown, "shown");
        QCOMPARE(answer, request.defaultAnswer());
    }
};

QTEST_MAIN(MessagesTest)
#include "tst_messages.moc"
