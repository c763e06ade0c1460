#include "design/buttonmax.h"
#include "design/propertybag.h"
#include "design/rememberedskin.h"

#include <QFile>
#include <QSettings>
#include <QTemporaryDir>
#include <QTest>

using namespace orvex;

class Control : public QObject
{
    Q_OBJECT
    Q_PROPERTY(bool ButtonMax MEMBER m_buttonMax)
    bool m_buttonMax = true;
};

class DesignTest : public QObject
{
    Q_OBJECT
    QTemporaryDir m_settings;

private slots:
    // Before any settings object exists, so that no test reads the user's own store.
    void initTestCase()
    {
        QSettings::setPath(QSettings::NativeFormat, QSettings::UserScope, m_settings.path());
    }

    void keysIgnoreCaseAndDefaultsAreLeftOut()
    {
        PropertyBag bag;
        bag.write("caption", "Title", QString());
        bag.write("Caption", "Other", QString());
        QCOMPARE(bag.keys(), QStringList{"Caption"});
        bag.write("CAPTION", QString(), QString()); // back to the default: left out
        bag.write("flag", true, true);
        QCOMPARE(bag.keys(), QStringList());
        bag.write("count", 8, 7);
        QCOMPARE(bag.read("count", false), QVariant(true)); // a number read as yes/no
    }

    void textFormRoundTripsExactly()
    {
        QImage picture(3, 2, QImage::Format_RGB32);
        picture.fill(QColor(10, 20, 30));
        PropertyBag bag;
        bag.write("caption", QStringLiteral("Tab\t\"q\" \u00e9 \\ line\r\nend"), QString());
        bag.write("rememberskin", true, false);
        bag.write("_extentx", 10848, 0);
        bag.writePicture("Skin", picture);
        const auto restored = PropertyBag::fromText(bag.toText());
        QVERIFY(restored && *restored == bag);
        QCOMPARE(restored->toText(), bag.toText());
        const QImage back = restored->readPicture("SKIN", QImage());
        QCOMPARE(back.convertToFormat(QImage::Format_RGB32), picture);
        QCOMPARE(restored->read("skin", "none"), QVariant("none"));
        QVERIFY(restored->readPicture("caption", QImage()).isNull());
        const auto numbers = PropertyBag::fromText(
            R"({"a": 2147483647, "b": 2147483648, "c": 1.5, "d": -2147483649, "e": -2147483648})");
        QVERIFY(numbers && numbers->keys() == (QStringList{"a", "e"})); // whole 32-bit numbers only
        for (const char *text : {"caption = x", "[1]", R"({"s": {"bmp": 5}})", R"({"c": null})"}) {
            QString error;
            QVERIFY2(!PropertyBag::fromText(text, &error) && !error.isEmpty(), text);
        }
    }

    void rememberedSkinIsKeptPerHost()
    {
        // A file where the organisation's folder should be: refused even for root.
        QVERIFY(QFile(m_settings.filePath("OrvexTessary")).open(QIODevice::WriteOnly));
        QString error;
        QVERIFY(!rememberedskin::write("Host", "/skins/blue.bmp", &error));
        QCOMPARE(error, "cannot write " + m_settings.filePath("OrvexTessary/Host.conf"));
        QVERIFY(QFile::remove(m_settings.filePath("OrvexTessary")));

        QVERIFY(rememberedskin::write("Host/One%", "/skins/blue.bmp"));
        QCOMPARE(rememberedskin::read("Host/One%"), QStringLiteral("/skins/blue.bmp"));
        QCOMPARE(QSettings("OrvexTessary", "Host%2FOne%25").value("skin/main"), "/skins/blue.bmp");
    }

    void buttonMaxOnTheFirstSelectedObject()
    {
        Control control;
        QObject plain;
        QList<QObject *> written;
        bool accepts = true;
        const auto writer = [&](QObject *object, const char *name, const QVariant &value) {
            if (name == QByteArrayView("ButtonMax") && value == QVariant(false))
                written << object;
            return accepts;
        };
        QCOMPARE(buttonoptions::write({}, false, writer), "No control is selected.");
        const QString lacking = "has no property \"ButtonMax\"";
        QVERIFY(buttonoptions::write({&plain, &control}, false, writer).contains(lacking));
        const buttonoptions::ReadResult read = buttonoptions::read({&control, &plain});
        QVERIFY(read.ok && read.value);
        QCOMPARE(buttonoptions::write({&control, &plain}, false, writer), QString());
        accepts = false;
        QVERIFY(buttonoptions::write({&control}, false, writer).contains("could not be set"));
        QCOMPARE(written, (QList<QObject *>{&control, &control}));
    }
};

QTEST_GUILESS_MAIN(DesignTest)
#include "tst_design.moc"
