// The passcode dialog: what it offers, when OK is allowed, and how it is read.
#include "app/passcodedialog.h"

#include <QAccessible>
#include <QDialogButtonBox>
#include <QLineEdit>
#include <QPushButton>
#include <QTest>

using namespace Qt::StringLiterals;

using namespace orvex;

class PasscodeDialogTest : public QObject
{
    Q_OBJECT

private Q_SLOTS:
    void okOnlyForFourToEightDigits_data()
    {
        QTest::addColumn<QString>("offered");
        QTest::addColumn<QString>("typed");
        QTest::addColumn<QString>("entry"); // OK is allowed for it unless it is "no OK"
        QTest::newRow("nothing offered") << u""_s << u""_s << u"no OK"_s;
        QTest::newRow("the stick's passcode") << u"0042"_s << u""_s << u"0042"_s;
        QTest::newRow("letters are not taken") << u""_s << u"12ab34"_s << u"1234"_s;
        QTest::newRow("no more than eight") << u""_s << u"1234567890"_s << u"12345678"_s;
        QTest::newRow("an offer that is no passcode") << u"12"_s << u""_s << u"no OK"_s;
    }
    void okOnlyForFourToEightDigits()
    {
        QFETCH(QString, offered);
        QFETCH(QString, typed);
        PasscodeDialog dialog(offered);
        auto *entry = dialog.findChild<QLineEdit *>();
        QTest::keyClicks(entry, typed);
        const bool ok =
            dialog.findChild<QDialogButtonBox *>()->button(QDialogButtonBox::Ok)->isEnabled();
        QTEST(ok ? entry->text() : u"no OK"_s, "entry");
        QVERIFY(ok || entry->text().isEmpty());
    }

    // Screen readers meet the prompt, then the field it labels, which says what OK needs.
    void fieldIsReadAfterItsLabel()
    {
        PasscodeDialog dialog({});
        QAccessibleInterface *box = QAccessible::queryAccessibleInterface(&dialog);
        QAccessibleInterface *field =
            QAccessible::queryAccessibleInterface(dialog.findChild<QLineEdit *>());
        const auto labels = field->relations(QAccessible::Label);
        QCOMPARE(labels.size(), 1);
        QCOMPARE(box->indexOfChild(labels.first().first) + 1, box->indexOfChild(field));
        QCOMPARE(field->text(QAccessible::Description), u"4 to 8 digits"_s);
    }
};

QTEST_MAIN(PasscodeDialogTest)
#include "tst_passcodedialog.moc"
