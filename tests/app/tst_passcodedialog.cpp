// The passcode dialog: what it offers, when OK is allowed, and what it hands back.
#include "app/passcodedialog.h"

#include <QAccessible>
#include <QDialogButtonBox>
#include <QLineEdit>
#include <QPushButton>
#include <QTest>
#include <QTimer>

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
        QTest::addColumn<QString>("entry");
        QTest::addColumn<bool>("ok");
        const auto row = [](const char *name, const char *offered, const char *typed,
                            const char *entry, bool ok) {
            QTest::newRow(name) << QString::fromUtf8(offered) << QString::fromUtf8(typed)
                                << QString::fromUtf8(entry) << ok;
        };
        row("nothing offered", "", "", "", false);
        row("the stick's passcode", "0042", "", "0042", true);
        row("letters are not taken", "", "12ab34", "1234", true);
        row("no more than eight", "", "1234567890", "12345678", true);
        row("an offer that is no passcode", "12", "", "", false);
    }

    void okOnlyForFourToEightDigits()
    {
        QFETCH(QString, offered);
        QFETCH(QString, typed);
        PasscodeDialog dialog(offered);
        auto *entry = dialog.findChild<QLineEdit *>();
        QTest::keyClicks(entry, typed);
        QTEST(entry->text(), "entry");
        QTEST(dialog.findChild<QDialogButtonBox *>()->button(QDialogButtonBox::Ok)->isEnabled(),
              "ok");
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

    void cancelGivesNoPasscode()
    {
        QTimer::singleShot(0, [] {
            auto *dialog = qobject_cast<PasscodeDialog *>(QApplication::activeModalWidget());
            QVERIFY(dialog);
            QCOMPARE(dialog->windowTitle(), u"Orvex Tessary"_s);
            dialog->reject();
        });
        QCOMPARE(PasscodeDialog::ask(nullptr, u"1234"_s), std::nullopt);
    }
};

QTEST_MAIN(PasscodeDialogTest)
#include "tst_passcodedialog.moc"
