// The control's order of work: creation, attaching, design-time properties,
// skin pictures, layout and the window's shape.
#include "skin/skin_p.h"

#include "core/design/rememberedskin.h"
#include "core/frame/twips.h"
#include "core/frame/windowshape.h"
#include "skin/skinlogging_p.h"

#include <OrvexSkin/propertybag.h>
#include <QCoreApplication>
#include <QDir>
#include <QFileInfo>
#include <QGuiApplication>
#include <QImageReader>

namespace orvex {

namespace {

constexpr int menuBarHeight = 240;

// Reads a picture file in any format Qt's readers know; a null image when the
// file is missing, unreadable, not a picture or too large to decode.
QImage loadPicture(const QString &path)
{
    QImageReader reader(path);
    reader.setAutoTransform(false);
    QImage picture = reader.read();
    if (picture.isNull())
        qCWarning(lcSkin, "cannot load the skin picture %s: %s", qPrintable(path),
                  qPrintable(reader.errorString()));
    return picture;
}

// The skin drawn at twice the size beside `path`, as NAME@2x.EXT; a null image
// when there is none.
QImage loadDoubled(const QString &path)
{
    const QFileInfo file(path);
    const QString doubled =
        file.dir().filePath(file.completeBaseName() + QStringLiteral("@2x.") + file.suffix());
    return QFileInfo::exists(doubled) ? loadPicture(doubled) : QImage();
}

} // namespace

SkinPrivate::SkinPrivate(Skin *control, const QString &folder)
    : q(control), menuFolder(folder.isEmpty() ? QCoreApplication::applicationDirPath() : folder),
      host(control), caption(control, host, skin), menus(control), skinpic(new QWidget(control)),
      m_messageBoxes(control)
{
    skinpic->setObjectName(QStringLiteral("Skinpic"));
    twips::setGeometry(skinpic, QRectF(2100, 1410, 3195, 855));
    skinpic->hide();
    putPicture(QImage(QStringLiteral(":/orvex/skin/default_skin.bmp")),
               QImage(QStringLiteral(":/orvex/skin/default_skin@2x.bmp")));
    body.setBackColor(control->palette().color(QPalette::Window));

    QObject::connect(&caption, &CaptionStrip::attachHintNeeded, q, [this] { showAttachHint(); });
    QObject::connect(&caption, &CaptionStrip::maximiseToggled, q, [this] {
        body.clear();
        m_repaintWhenHostResized = true;
        allocate();
        RepaintSkin();
    });
    QObject::connect(&caption, &CaptionStrip::doubleClicked, q, [this] { PaintFrame(); });
    QObject::connect(&caption, &CaptionStrip::restoreCellPainted, q,
                     [this] { setControlSize(host.host()->size()); });
    QObject::connect(&menus, &MenuStrip::MenuClick, q, &Skin::MenuClick);
    QObject::connect(&host, &HostAttachment::hostResized, q, [this] { followHost(); });
}

QString SkinPrivate::attachHintText()
{
    return QStringLiteral("Add The Following Lines To your code\r\ndrapler1.init_skin me");
}

void SkinPrivate::showAttachHint()
{
    m_messages->show({QGuiApplication::applicationDisplayName(), attachHintText()});
}

void SkinPrivate::setMessagePresenter(MessagePresenter *presenter)
{
    m_messages = presenter ? presenter : &m_messageBoxes;
}

void SkinPrivate::UserControl_Initialize()
{
    SurfaceWidget *titleBar = caption.titleBar();
    titleBar->place(QRect(titleBar->pos(), QSize(q->width(), titleBar->height())));
    menus.LoadMenus(menuFolder);
}

void SkinPrivate::Init_Skin(QWidget *window)
{
    host.attach(window);
    if (!window) {
        qCWarning(lcSkin, "Init_Skin: no host window given");
        return;
    }
    const QString remembered = rememberedskin::read(window->windowTitle());
    PrepareHost();
    allocate();
    host.watchHost();
    if (!remembered.isEmpty() && rememberSkin)
        ChangeSkin(remembered);
}

void SkinPrivate::allocate()
{
    if (!host.host()) {
        qCWarning(lcSkin, "allocate: the control has no host window");
        return;
    }
    setControlSize(host.host()->size());
    host.markAttached();
}

void SkinPrivate::followHost()
{
    allocate();
    if (m_repaintWhenHostResized) {
        m_repaintWhenHostResized = false;
        RepaintSkin();
        caption.PaintMaxButton(host.windowState());
    }
}

void SkinPrivate::readProperties(const PropertyBag &bag)
{
    caption.setCaption(bag.read(QStringLiteral("Caption"), QString()).toString());
    buttonMax = bag.read(QStringLiteral("ButtonMax"), true).toBool();
    buttonMin = bag.read(QStringLiteral("ButtonMin"), true).toBool();
    const QImage picture = bag.readPicture(QStringLiteral("Skin"), skin.picture);
    if (picture.cacheKey() != skin.picture.cacheKey())
        putPicture(picture);
    rememberSkin = bag.read(QStringLiteral("RememberSkin"), false).toBool();
    q->setMenuVisible(bag.read(QStringLiteral("MenuVisible"), true).toBool());
}

void SkinPrivate::writeProperties(PropertyBag &bag) const
{
    bag.write(QStringLiteral("Caption"), caption.caption(), QString());
    bag.writePicture(QStringLiteral("Skin"), skin.picture);
    bag.write(QStringLiteral("ButtonMax"), buttonMax, true);
    bag.write(QStringLiteral("ButtonMin"), buttonMin, true);
    bag.write(QStringLiteral("RememberSkin"), rememberSkin, false);
    bag.write(QStringLiteral("MenuVisible"), !menus.menuBar()->isHidden(), true);
}

void SkinPrivate::setButtons(bool max, bool min)
{
    buttonMax = max;
    buttonMin = min;
    UserControl_Resize();
}

void SkinPrivate::ChangeSkin(const QString &path)
{
    if (!host.isAttached() || !host.host())
        return;
    if (const Status recorded = rememberedskin::write(host.host()->windowTitle(), path);
        !recorded.ok()) {
        qCWarning(lcSkin, "ChangeSkin: the skin choice was not recorded: %s",
                  qPrintable(recorded.failure().text()));
        return;
    }
    if (!path.isEmpty()) {
        const QImage picture = loadPicture(path);
        if (!picture.isNull())
            putPicture(picture, loadDoubled(path));
    }
    RepaintSkin();
}

void SkinPrivate::putPicture(const QImage &picture, const QImage &picture2x)
{
    skin.picture = picture.convertToFormat(QImage::Format_RGB32);
    skin.picture2x = picture2x.size() == picture.size() * 2
                         ? picture2x.convertToFormat(QImage::Format_RGB32)
                         : QImage();
    skinPixmap = QPixmap::fromImage(skin.picture);
}

void SkinPrivate::setSkin(const QImage &picture)
{
    putPicture(picture);
    if (host.isAttached())
        RepaintSkin();
}

void SkinPrivate::setControlSize(const QSize &size)
{
    q->resize(size);
    if (size != m_laidOutSize)
        UserControl_Resize();
}

void SkinPrivate::followOwnSize()
{
    if (q->size() != m_laidOutSize)
        UserControl_Resize();
}

void SkinPrivate::UserControl_Resize()
{
    m_laidOutSize = q->size();
    body.resize(q->size(), q->devicePixelRatioF());
    LayoutBars();
    RepaintOnResize();
}

void SkinPrivate::PrepareHost()
{
    host.makeBorderless();
    caption.placeForHost();
    caption.setCaption(host.host()->windowTitle());
    setControlSize(QSize(q->width(), host.host()->height()));
}

void SkinPrivate::LayoutBars()
{
    using namespace framelayout;
    caption.layOut(q->width(), buttonMax, buttonMin);
    const double controlWidth = twips::fromPixels(q->width());
    const double titleBarBottom = twips::fromPixels(caption.titleBar()->height());
    menus.menuBar()->place(twips::toPixelRect(QRectF(menuBarLeft, titleBarBottom + menuBarGap,
                                                     controlWidth - menuBarInsets, menuBarHeight)));
    ShapeWindow();
}

void SkinPrivate::ShapeWindow()
{
    if (!windowshape::wantsRoundedWindow(skin.picture) || !host.isAttached() || !host.host())
        return;
    // The region depends only on the control's size: build it once per size.
    if (m_maskSize != q->size()) {
        m_mask = windowshape::roundedRegion(int(twips::fromPixels(q->width())),
                                            int(twips::fromPixels(q->height())));
        m_maskSize = q->size();
    }
    host.host()->setMask(m_mask);
    rounded = true;
}

} // namespace orvex
