// The stored design-time properties: defaults, keys without regard to case,
// copies, and the JSON text form.
#include <OrvexSkin/PropertyBag>
#include <QTest>

using orvex::PropertyBag;
using namespace Qt::StringLiterals;

class PropertyBagTest : public QObject
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
};

QTEST_GUILESS_MAIN(PropertyBagTest)
#include "tst_propertybag.moc"
