// The library's values: the stored design-time properties (defaults, keys
// without regard to case, copies, the JSON text form) and the message box
// request (the icon's name by default, equality, the box QtMessagePresenter
// makes of it).
#include "skinhost.h"

#include <OrvexSkin/MessageRequest>
#include <OrvexSkin/PropertyBag>
#include <OrvexSkin/QtMessagePresenter>
#include <QAccessible>
#include <QApplication>
#include <QTest>
#include <QTimer>

using namespace orvex;
using namespace Qt::StringLiterals;

class ValuesTest : public QObject
{
    Q_OBJECT

private Q_SLOTS:
    void keysIgnoreCaseAndDefaultsAreLeftOut()
    {
        PropertyBag bag;
        bag.write(u"caption"_s, u"Title"_s, QString());
        const PropertyBag copy = bag;
        bag.write(u"Caption"_s, u"Other"_s, QString());
        QCOMPARE(bag.keys(), QStringList{u"Caption"_s});
        QCOMPARE(copy.read(u"CAPTION"_s, QString()), u"Title"_s); // the copy kept its own
        bag.write(u"CAPTION"_s, QString(), QString());            // back to the default: left out
        bag.write(u"flag"_s, true, true);
        QCOMPARE(bag.keys(), QStringList());
        bag.write(u"count"_s, 8, 7);
        QCOMPARE(bag.read(u"count"_s, false), QVariant(true)); // a number read as yes/no
    }

    void textFormRoundTripsExactly()
    {
        QImage picture(3, 2, QImage::Format_RGB32);
        picture.fill(QColor(10, 20, 30));
        PropertyBag bag;
        bag.write(u"caption"_s, u"Tab\t\"q\" \u00e9 \\ line\r\nend"_s, QString());
        bag.write(u"rememberskin"_s, true, false);
        bag.write(u"_extentx"_s, 10848, 0);
        bag.writePicture(u"Skin"_s, picture);
        const auto restored = PropertyBag::fromText(bag.toText());
        QVERIFY(restored && *restored == bag);
        QCOMPARE(restored->toText(), bag.toText());
        const QImage back = restored->readPicture(u"SKIN"_s, QImage());
        QCOMPARE(back.convertToFormat(QImage::Format_RGB32), picture);
        QCOMPARE(restored->read(u"skin"_s, u"none"_s), QVariant(u"none"_s));
        QVERIFY(restored->readPicture(u"caption"_s, QImage()).isNull());
        const auto numbers = PropertyBag::fromText(
            R"({"a": 2147483647, "b": 2147483648, "c": 1.5, "d": -2147483649, "e": -2147483648})");
        // Only whole 32-bit numbers.
        QVERIFY(numbers && numbers->keys() == (QStringList{u"a"_s, u"e"_s}));
        for (const char *text : {"caption = x", "[1]", R"({"s": {"bmp": 5}})", R"({"c": null})"}) {
            QString error;
            QVERIFY2(!PropertyBag::fromText(text, &error) && !error.isEmpty(), text);
        }
    }

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

QTEST_MAIN(ValuesTest)
#include "tst_messages.moc"
