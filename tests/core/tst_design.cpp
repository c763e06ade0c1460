#include "core/design/rememberedskin.h"
#include "propertypage/rules/buttonoptions.h"

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

private Q_SLOTS:
    // Before any settings object exists, so that no test reads the user's own store.
    void initTestCase()
    {
        QSettings::setPath(QSettings::NativeFormat, QSettings::UserScope, m_settings.path());
    }

    void rememberedSkinIsKeptPerHost()
    {
        // A file where the organisation's folder should be: refused even for root.
        QVERIFY(QFile(m_settings.filePath("OrvexTessary")).open(QIODevice::WriteOnly));
        const Status refused = rememberedskin::write("Host", "/skins/blue.bmp");
        QVERIFY(!refused.ok());
        QCOMPARE(refused.failure().text(),
                 m_settings.filePath("OrvexTessary/Host.conf") + ": cannot be written");
        QVERIFY(QFile::remove(m_settings.filePath("OrvexTessary")));

        QVERIFY(rememberedskin::write("Host/One%", "/skins/blue.bmp").ok());
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
        const auto why = [&](const QList<QObject *> &selection) {
            const Status written = buttonoptions::write(selection, false, writer);
            return written.ok() ? QString() : written.failure().text();
        };
        QCOMPARE(why({}), "No control is selected.");
        QVERIFY(why({&plain, &control}).contains("has no property \"ButtonMax\""));
        const Result<bool> read = buttonoptions::read({&control, &plain});
        QVERIFY(read.ok() && read.value());
        QCOMPARE(why({&control, &plain}), QString());
        accepts = false;
        QVERIFY(why({&control}).contains("could not be set"));
        QCOMPARE(written, (QList<QObject *>{&control, &control}));
    }
};

QTEST_GUILESS_MAIN(DesignTest)
#include "tst_design.moc"
