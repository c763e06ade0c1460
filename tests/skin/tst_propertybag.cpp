#include "propertybag.h"

#include <QTest>

using orvex::PropertyBag;

class PropertyBagTest : public QObject
{
    Q_OBJECT

private slots:
    void readsDefaultsForAbsentKeys_data();
    void readsDefaultsForAbsentKeys();
    void matchesKeysWithoutRegardToCase();
    void leavesOutValuesEqualToTheirDefault_data();
    void leavesOutValuesEqualToTheirDefault();
    void writesPicturesAlwaysAsBitmapFiles();
    void roundTripsThroughItsTextForm();
    void rejectsTextThatIsNoDesign_data();
    void rejectsTextThatIsNoDesign();
};

void PropertyBagTest::readsDefaultsForAbsentKeys_data()
{
    QTest::addColumn<QVariant>("defaultValue");
    QTest::newRow("string") << QVariant(QStringLiteral("fallback"));
    QTest::newRow("bool true") << QVariant(true);
    QTest::newRow("bool false") << QVariant(false);
    QTest::newRow("integer") << QVariant(42);
}

void PropertyBagTest::readsDefaultsForAbsentKeys()
{
    QFETCH(QVariant, defaultValue);
    PropertyBag bag;
    bag.write(QStringLiteral("Other"), QStringLiteral("x"), QString());
    QCOMPARE(bag.read(QStringLiteral("Missing"), defaultValue), defaultValue);
}

void PropertyBagTest::matchesKeysWithoutRegardToCase()
{
    PropertyBag bag;
    bag.write(QStringLiteral("caption"), QStringLiteral("Title Bar"), QString());
    QCOMPARE(bag.read(QStringLiteral("Caption"), QString()).toString(),
             QStringLiteral("Title Bar"));
    bag.write(QStringLiteral("CAPTION"), QStringLiteral("Other"), QString());
    QCOMPARE(bag.keys(), QStringList{QStringLiteral("CAPTION")});
    QCOMPARE(bag.read(QStringLiteral("caption"), QString()).toString(), QStringLiteral("Other"));
}

void PropertyBagTest::leavesOutValuesEqualToTheirDefault_data()
{
    QTest::addColumn<QVariant>("value");
    QTest::addColumn<QVariant>("defaultValue");
    QTest::addColumn<bool>("stored");
    QTest::newRow("true against true") << QVariant(true) << QVariant(true) << false;
    QTest::newRow("false against true") << QVariant(false) << QVariant(true) << true;
    QTest::newRow("empty string") << QVariant(QString()) << QVariant(QString()) << false;
    QTest::newRow("text") << QVariant(QStringLiteral("a")) << QVariant(QString()) << true;
    QTest::newRow("int against int") << QVariant(7) << QVariant(7) << false;
}

void PropertyBagTest::leavesOutValuesEqualToTheirDefault()
{
    QFETCH(QVariant, value);
    QFETCH(QVariant, defaultValue);
    QFETCH(bool, stored);
    PropertyBag bag;
    bag.write(QStringLiteral("Key"), QStringLiteral("old"), QString());
    bag.write(QStringLiteral("key"), value, defaultValue);
    QCOMPARE(bag.contains(QStringLiteral("KEY")), stored);
    QCOMPARE(bag.read(QStringLiteral("Key"), defaultValue), stored ? value : defaultValue);
}

void PropertyBagTest::writesPicturesAlwaysAsBitmapFiles()
{
    QImage picture(5, 3, QImage::Format_RGB32);
    picture.fill(QColor(10, 20, 30));
    picture.setPixel(4, 2, qRgb(255, 0, 255));
    PropertyBag bag;
    bag.writePicture(QStringLiteral("Skin"), picture);
    QVERIFY(bag.contains(QStringLiteral("skin")));
    const QImage back = bag.readPicture(QStringLiteral("SKIN"), QImage());
    QCOMPARE(back.convertToFormat(QImage::Format_RGB32), picture);
    QVERIFY(bag.toText().contains("Qk")); // base64 of the "BM" bitmap file signature
}

void PropertyBagTest::roundTripsThroughItsTextForm()
{
    QImage picture(4, 4, QImage::Format_RGB32);
    picture.fill(Qt::darkCyan);
    PropertyBag bag;
    bag.write(QStringLiteral("caption"), QStringLiteral("Tab\t\"quoted\" \u00e9 \\ line\r\nend"),
              QString());
    bag.write(QStringLiteral("rememberskin"), true, false);
    bag.write(QStringLiteral("menuvisible"), false, true);
    bag.write(QStringLiteral("_extentx"), 10848, 0);
    bag.writePicture(QStringLiteral("skin"), picture);

    const QByteArray text = bag.toText();
    const auto restored = PropertyBag::fromText(text);
    QVERIFY(restored.has_value());
    QCOMPARE(*restored, bag);
    QCOMPARE(restored->toText(), text);
    QCOMPARE(restored->read(QStringLiteral("_extentX"), 0).toInt(), 10848);
    QCOMPARE(restored->read(QStringLiteral("MenuVisible"), true).toBool(), false);
}

void PropertyBagTest::rejectsTextThatIsNoDesign_data()
{
    QTest::addColumn<QByteArray>("text");
    QTest::newRow("not json") << QByteArray("caption = x");
    QTest::newRow("array") << QByteArray("[1, 2]");
    QTest::newRow("nested unknown") << QByteArray(R"({"skin": {"png": "AAAA"}})");
    QTest::newRow("null value") << QByteArray(R"({"caption": null})");
}

void PropertyBagTest::rejectsTextThatIsNoDesign()
{
    QFETCH(QByteArray, text);
    QString error;
    QVERIFY(!PropertyBag::fromText(text, &error).has_value());
    QVERIFY(!error.isEmpty());
}

QTEST_GUILESS_MAIN(PropertyBagTest)
#include "tst_propertybag.moc"
