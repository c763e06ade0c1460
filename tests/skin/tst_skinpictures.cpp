// Skin pictures: loading from files, remembering the choice per host caption,
// restoring it at attach, and the body colour offered to the host.
#include "propertybag.h"
#include "skin.h"
#include "skintesting.h"

#include <QFile>
#include <QImageReader>
#include <QRegularExpression>
#include <QSettings>
#include <QTemporaryDir>
#include <QTest>
#include <QtEndian>

using namespace skintesting;

namespace {

const QString hostCaption = QStringLiteral("Skinned Host");

QSettings rememberedEntry(const QString &caption = hostCaption)
{
    return QSettings(QSettings::NativeFormat, QSettings::UserScope, QStringLiteral("OrvexTessary"),
                     caption);
}

void appendLittleEndian16(QByteArray &bytes, int value)
{
    bytes.append(char(value & 0xff));
    bytes.append(char((value >> 8) & 0xff));
}

// The image as a GIF file (Qt reads GIF but cannot write it). The image must
// have at most 256 colours. Every pixel is sent as a literal nine-bit code and
// a clear code comes before the code table would need wider codes.
QByteArray gifFile(const QImage &image)
{
    const QImage indexed = image.convertToFormat(QImage::Format_Indexed8, Qt::AvoidDither);
    QByteArray gif("GIF89a");
    appendLittleEndian16(gif, indexed.width());
    appendLittleEndian16(gif, indexed.height());
    gif.append(char(0xf7)); // global colour table of 256 entries
    gif.append(2, '\0');
    const QList<QRgb> table = indexed.colorTable();
    for (int i = 0; i < 256; ++i) {
        const QRgb colour = i < table.size() ? table[i] : 0;
        gif.append(char(qRed(colour))).append(char(qGreen(colour))).append(char(qBlue(colour)));
    }
    gif.append(char(0x2c));
    appendLittleEndian16(gif, 0);
    appendLittleEndian16(gif, 0);
    appendLittleEndian16(gif, indexed.width());
    appendLittleEndian16(gif, indexed.height());
    gif.append('\0');
    gif.append(char(8)); // minimum code size

    constexpr int clearCode = 256;
    constexpr int endCode = 257;
    QByteArray codes;
    quint32 bits = 0;
    int bitCount = 0;
    const auto put = [&](int code) {
        bits |= quint32(code) << bitCount;
        for (bitCount += 9; bitCount >= 8; bitCount -= 8, bits >>= 8)
            codes.append(char(bits & 0xff));
    };
    int sinceClear = 0;
    for (int y = 0; y < indexed.height(); ++y) {
        for (int x = 0; x < indexed.width(); ++x) {
            if (sinceClear++ % 250 == 0)
                put(clearCode);
            put(indexed.pixelIndex(x, y));
        }
    }
    put(endCode);
    if (bitCount > 0)
        codes.append(char(bits & 0xff));
    for (qsizetype at = 0; at < codes.size(); at += 255) {
        const QByteArray block = codes.mid(at, 255);
        gif.append(char(block.size())).append(block);
    }
    gif.append('\0').append(char(0x3b));
    return gif;
}

// The header of a bitmap file declaring 100,000 x 100,000 pixels, without them.
QByteArray hugeBitmapHeader()
{
    QByteArray header(54, '\0');
    header[0] = 'B';
    header[1] = 'M';
    qToLittleEndian<quint32>(54, header.data() + 10);
    qToLittleEndian<quint32>(40, header.data() + 14);
    qToLittleEndian<qint32>(100000, header.data() + 18);
    qToLittleEndian<qint32>(100000, header.data() + 22);
    qToLittleEndian<quint16>(1, header.data() + 26);
    qToLittleEndian<quint16>(24, header.data() + 28);
    return header;
}

// A picture that differs from the test skin everywhere the control draws from.
QImage fileSkin()
{
    QImage picture = makeSkin(false, qRgb(1, 99, 7));
    picture.invertPixels();
    return picture;
}

// Puts a picture into the control without any repaint, as a stored design does.
void putWithoutRepaint(Skin &skin, const QImage &picture)
{
    orvex::PropertyBag bag;
    bag.writePicture(QStringLiteral("Skin"), picture);
    skin.readProperties(bag);
}

// A host of 400 x 266 pixels and its control; attached on request.
struct Window
{
    explicit Window(const QString &caption = hostCaption)
    {
        host.setWindowTitle(caption);
        host.resize(400, 266);
        skin->setParent(&host);
        skin->setMessagePresenter(&messages);
        skin->setButtonMax(true);
        skin->setButtonMin(true);
    }

    QWidget host;
    Skin *skin = new Skin;
    RecordingMessages messages;
};

} // namespace

class SkinPicturesTest : public QObject
{
    Q_OBJECT

private slots:
    void initTestCase();
    void init();
    void changeSkinAfterAttach_data();
    void changeSkinAfterAttach();
    void changeSkinBeforeAttachDoesNothing_data();
    void changeSkinBeforeAttachDoesNothing();
    void nextAttachRestoresTheChoice_data();
    void nextAttachRestoresTheChoice();
    void skinPropertyIsNotRemembered();
    void skinThemeFollowsTheRepaints();

private:
    void addSkinFileRows();
    QString filePath(const QString &name) const;

    QTemporaryDir m_settings;
    QTemporaryDir m_files;
};

void SkinPicturesTest::initTestCase()
{
    QVERIFY(m_settings.isValid());
    QVERIFY(m_files.isValid());
    isolateSettings(m_settings);
    for (const char *format : {"bmp", "png", "jpeg", "gif"})
        QVERIFY2(QImageReader::supportedImageFormats().contains(format), format);

    const QImage picture = fileSkin();
    QVERIFY(picture.save(filePath("skin.bmp")));
    QVERIFY(picture.save(filePath("skin.png")));
    QVERIFY(picture.save(filePath("skin.jpg")));
    const auto write = [this](const QString &name, const QByteArray &bytes) {
        QFile file(filePath(name));
        return file.open(QIODevice::WriteOnly) && file.write(bytes) == bytes.size();
    };
    QVERIFY(write("skin.gif", gifFile(picture)));
    QCOMPARE(QImage(filePath("skin.gif")).convertToFormat(QImage::Format_RGB32), picture);
    QVERIFY(write("notes.png", "These are notes, not a picture.\r\n"));
    QFile png(filePath("skin.png"));
    QVERIFY(png.open(QIODevice::ReadOnly));
    QVERIFY(write("truncated.png", png.read(png.size() / 2)));
    QVERIFY(write("huge.bmp", hugeBitmapHeader()));
}

void SkinPicturesTest::init()
{
    rememberedEntry().clear();
}

QString SkinPicturesTest::filePath(const QString &name) const
{
    return m_files.filePath(name);
}

void SkinPicturesTest::addSkinFileRows()
{
    QTest::addColumn<QString>("path");
    QTest::addColumn<bool>("loads");
    QTest::newRow("BMP") << filePath("skin.bmp") << true;
    QTest::newRow("PNG") << filePath("skin.png") << true;
    QTest::newRow("JPEG") << filePath("skin.jpg") << true;
    QTest::newRow("GIF") << filePath("skin.gif") << true;
    QTest::newRow("missing file") << filePath("missing.png") << false;
    QTest::newRow("not a picture") << filePath("notes.png") << false;
    QTest::newRow("truncated picture") << filePath("truncated.png") << false;
    QTest::newRow("absurdly large picture") << filePath("huge.bmp") << false;
    QTest::newRow("empty path") << QString() << false;
}

void SkinPicturesTest::changeSkinAfterAttach_data()
{
    addSkinFileRows();
}

void SkinPicturesTest::changeSkinAfterAttach()
{
    QFETCH(QString, path);
    QFETCH(bool, loads);
    rememberedEntry().setValue("skin/main", QStringLiteral("earlier choice"));
    Window window;
    window.skin->Init_Skin(&window.host);
    // The surfaces still show the default skin: what they show after the call
    // proves that it repainted.
    putWithoutRepaint(*window.skin, makeSkin(false));
    const QImage expected =
        loads ? QImage(path).convertToFormat(QImage::Format_RGB32) : makeSkin(false);

    if (!loads && !path.isEmpty())
        QTest::ignoreMessage(QtWarningMsg, QRegularExpression("cannot load skin picture"));
    window.skin->ChangeSkin(path);

    QCOMPARE(window.skin->skin(), expected);
    QCOMPARE(rememberedEntry().value("skin/main").toString(), path);
    QCOMPARE(window.skin->GetSkinTheme(), QColor(expected.pixel(164, 22)));
    QCOMPARE(window.skin->menuBarSurface().backColor(), QColor(expected.pixel(164, 22)));
    // The close glyph (13 x 13 pixels from the skin's top-left cell) at 380, 6.
    const QImage &strip = window.skin->titleBarSurface().image();
    QCOMPARE(QColor(strip.pixel(386, 12)), QColor(expected.pixel(6, 6)));
    QCOMPARE(QColor(window.skin->bodySurface().image().pixel(200, 130)),
             QColor(expected.pixel(164, 22)));
}

void SkinPicturesTest::changeSkinBeforeAttachDoesNothing_data()
{
    addSkinFileRows();
}

void SkinPicturesTest::changeSkinBeforeAttachDoesNothing()
{
    QFETCH(QString, path);
    Window window;
    const QImage picture = window.skin->skin();
    const QImage strip = window.skin->titleBarSurface().image();
    const QImage body = window.skin->bodySurface().image();
    window.skin->ChangeSkin(path);
    QCOMPARE(window.skin->skin(), picture);
    QCOMPARE(window.skin->titleBarSurface().image(), strip);
    QCOMPARE(window.skin->bodySurface().image(), body);
    QVERIFY(!rememberedEntry().contains("skin/main"));
    QVERIFY(window.messages.shown.isEmpty());
}

void SkinPicturesTest::nextAttachRestoresTheChoice_data()
{
    QTest::addColumn<QString>("chosen");
    QTest::addColumn<QString>("nextCaption");
    QTest::addColumn<bool>("rememberSkin");
    QTest::addColumn<bool>("restored");
    const QString file = filePath("skin.png");
    QTest::newRow("file, remember on") << file << hostCaption << true << true;
    QTest::newRow("file, remember off") << file << hostCaption << false << false;
    QTest::newRow("file, another caption") << file << "Other Host" << true << false;
    QTest::newRow("missing file, remember on")
        << filePath("missing.png") << hostCaption << true << false;
    QTest::newRow("empty path, remember on") << QString() << hostCaption << true << false;
}

void SkinPicturesTest::nextAttachRestoresTheChoice()
{
    QFETCH(QString, chosen);
    QFETCH(QString, nextCaption);
    QFETCH(bool, rememberSkin);
    {
        Window first;
        first.skin->setRememberSkin(false);
        first.skin->Init_Skin(&first.host);
        first.skin->ChangeSkin(filePath("skin.bmp"));
        QTest::ignoreMessage(QtWarningMsg, QRegularExpression("cannot load skin picture"));
        first.skin->ChangeSkin(filePath("missing.png")); // only the last call counts
        if (chosen.contains("missing"))
            QTest::ignoreMessage(QtWarningMsg, QRegularExpression("cannot load skin picture"));
        first.skin->ChangeSkin(chosen);
    }
    Window next(nextCaption);
    const QImage designSkin = next.skin->skin();
    next.skin->setRememberSkin(rememberSkin);
    if (rememberSkin && chosen.contains("missing") && nextCaption == hostCaption)
        QTest::ignoreMessage(QtWarningMsg, QRegularExpression("cannot load skin picture"));
    next.skin->Init_Skin(&next.host);

    QFETCH(bool, restored);
    QCOMPARE(next.skin->skin(), restored ? fileSkin() : designSkin);
    QCOMPARE(next.skin->GetSkinTheme(),
             QColor((restored ? fileSkin() : designSkin).pixel(164, 22)));
    // Restoring records the same path again; otherwise the entry is untouched.
    QCOMPARE(rememberedEntry().value("skin/main").toString(), chosen);
}

void SkinPicturesTest::skinPropertyIsNotRemembered()
{
    Window window;
    window.skin->Init_Skin(&window.host);
    window.skin->setSkin(makeSkin(false, qRgb(5, 6, 7)));
    QCOMPARE(window.skin->GetSkinTheme(), QColor(5, 6, 7));
    QCOMPARE(QColor(window.skin->titleBarSurface().image().pixel(386, 12)), QColor(closeNormal));
    QVERIFY(!rememberedEntry().contains("skin/main"));

    const QPixmap handedOut = window.skin->skinPixmap();
    QCOMPARE(handedOut.toImage().convertToFormat(QImage::Format_RGB32),
             makeSkin(false, qRgb(5, 6, 7)));
}

void SkinPicturesTest::skinThemeFollowsTheRepaints()
{
    Window window;
    // Creating the control repaints it from its design skin.
    const QImage designSkin = window.skin->skin();
    QCOMPARE(window.skin->GetSkinTheme(), QColor(designSkin.pixel(164, 22)));
    QCOMPARE(window.skin->GetSkinTheme(), QColor(242, 242, 242));

    // A skin set on a control that is not attached shows only at its next repaint.
    window.skin->setSkin(makeSkin(false, qRgb(10, 20, 30)));
    QCOMPARE(window.skin->GetSkinTheme(), QColor(242, 242, 242));
    window.skin->setButtonMin(false); // re-lays and repaints
    QCOMPARE(window.skin->GetSkinTheme(), QColor(10, 20, 30));

    window.skin->setSkin(makeSkin(false, qRgb(40, 50, 60)));
    window.skin->Init_Skin(&window.host);
    QCOMPARE(window.skin->GetSkinTheme(), QColor(40, 50, 60));

    window.skin->ChangeSkin(filePath("skin.png"));
    QCOMPARE(window.skin->GetSkinTheme(), QColor(fileSkin().pixel(164, 22)));
}

QTEST_MAIN(SkinPicturesTest)
#include "tst_skinpictures.moc"
