// The stored design-time properties: defaults, keys without regard to case,
// and the JSON text form.
#include <OrvexSkin/PropertyBag>
#include <QTest>

using orvex::PropertyBag;

class PropertyBagTest : public QObject
{
    Q_OBJECT

private Q_SLOTS:
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
};

QTEST_GUILESS_MAIN(PropertyBagTest)
#include "tst_propertybag.moc"
