// A message box request: the icon's name by default, equality, and the box
// QtMessagePresenter makes of a request.
#include <OrvexSkin/MessageRequest>
#include <OrvexSkin/QtMessagePresenter>
#include <QAccessible>
#include <QApplication>
#include <QTest>
#include <QTimer>

using namespace orvex;
using namespace Qt::StringLiterals;

namespace {

// What screen readers meet inside `part`, in order: the name of each part
// without parts of its own, an icon's marked as such.
QStringList readOut(const QAccessibleInterface *part)
{
    QStringList read;
    for (int i = 0; i < part->childCount(); ++i) {
        const QAccessibleInterface *child = part->child(i);
        if (child->childCount() > 0)
            read << readOut(child);
        else
            read << (child->role() == QAccessible::Graphic ? u"icon "_s : QString()) +
                        child->text(QAccessible::Name);
    }
    return read;
}

} // namespace

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
        QTest::addColumn<QStringList>("shown"); // the title, then as screen readers meet them
        MessageRequest question(u"Stick"_s, u"<b>Replace?</b>"_s, MessageIcon::Warning,
                                MessageButtons::YesNo, MessageAnswer::No);
        question.setInformativeText(u"<i>old</i>"_s);
        question.setButtonLabel(MessageAnswer::Yes, u"Replace"_s);
        QTest::newRow("question, No by default")
            << question << QStringList{u"Stick"_s,      u"icon Warning"_s, u"<b>Replace?</b>"_s,
                                       u"<i>old</i>"_s, u"Replace"_s,      u"No"_s};
        MessageRequest note(u"Stick"_s, u"Done."_s, MessageIcon::Information);
        note.setButtonLabel(MessageAnswer::Ok, u"Close"_s);
        note.setIconAccessibleName(u"Tick"_s);
        QTest::newRow("note") << note
                              << QStringList{u"Stick"_s, u"icon Tick"_s, u"Done."_s, u"Close"_s};
    }

    // Texts as plain text (a rich one would read without its tags), the
    // labels and the icon's name given, the informative text read right after
    // the text; Enter gives the default answer.
    void boxShowsEveryPart()
    {
        QFETCH(MessageRequest, request);
        QStringList shown;
        QTimer::singleShot(0, this, [&shown] {
            QWidget *box = QApplication::activeModalWidget();
            const QAccessibleInterface *read = QAccessible::queryAccessibleInterface(box);
            shown << read->text(QAccessible::Name) << readOut(read);
            QTest::keyClick(box, Qt::Key_Return);
        });
        const MessageAnswer answer = QtMessagePresenter().show(request);
        QTEST(shown, "shown");
        QCOMPARE(answer, request.defaultAnswer());
    }
};

QTEST_MAIN(MessagesTest)
#include "tst_messages.moc"
