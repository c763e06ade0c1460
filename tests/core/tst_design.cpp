#include "core/design/rememberedskin.h"
#include "propertypage/rules/buttonoptions.h"

#include <QFile>
#include <QSettings>
#include <QTemporaryDir>
#include <QTest>

using namespace orvex;
using namespace Qt::StringLiterals;

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
        QVERIFY(QFile(m_settings.filePath(u"OrvexTessary"_s)).open(QIODevice::WriteOnly));
        const Status refused = rememberedskin::write(u"Host"_s, u"/skins/blue.bmp"_s);
        QVERIFY(!refused.ok());
        QCOMPARE(refused.failure().text(),
                 m_settings.filePath(u"OrvexTessary/Host.conf"_s) + u": cannot be written"_s);
        QVERIFY(QFile::remove(m_settings.filePath(u"OrvexTessary"_s)));

        QVERIFY(rememberedskin::write(u"Host/One%"_s, u"/skins/blue.bmp"_s).ok());
        QCOMPARE(rememberedskin::read(u"Host/One%"_s), u"/skins/blue.bmp");
        QCOMPARE(QSettings(u"OrvexTessary"_s, u"Host%2FOne%25"_s).value("skin/main"),
                 u"/skins/blue.bmp"_s);
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
        QCOMPARE(why({}), u"No control is selected.");
        QVERIFY(why({&plain, &control}).contains(u"has no property \"ButtonMax\""));
        const Result<bool> read = buttonoptions::read({&control, &plain});
        QVERIFY(read.ok() && read.value());
        QCOMPARE(why({&control, &plain}), QString());
        accepts = false;
        QVERIFY(why({&control}).contains(u"could not be set"));
        QCOMPARE(written, (QList<QObject *>{&control, &control}));
    }
};

QTEST_GUILESS_MAIN(DesignTest)
#include "tst_design.moc"
