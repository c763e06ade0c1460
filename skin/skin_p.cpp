// The control's order of work: creation, attaching, design-time properties,
// skin pictures, layout and the window's shape.
#include "skin/skin_p.h"

#include "core/design/rememberedskin.h"
#include "core/frame/twips.h"
#include "core/frame/windowshape.h"
#include "skin/shownparts_p.h"
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
    : m_control(control),
      m_menuFolder(folder.isEmpty() ? QCoreApplication::applicationDirPath() : folder),
      m_host(control), m_caption(control, m_host, m_skin), m_menus(control),
      m_skinpic(new QWidget(control)), m_messageBoxes(control)
{
    shownparts::install();
    m_skinpic->setObjectName(QStringLiteral("Skinpic"));
    twips::setGeometry(m_skinpic, QRectF(2100, 1410, 3195, 855));
    m_skinpic->hide();
    putPicture(QImage(QStringLiteral(":/orvex/skin/default_skin.bmp")),
               QImage(QStringLiteral(":/orvex/skin/default_skin@2x.bmp")));
    m_body.setBackColor(control->palette().color(QPalette::Window));

    QObject::connect(&m_caption, &CaptionStrip::attachHintNeeded, m_control,
                     [this] { showAttachHint(); });
    QObject::connect(&m_caption, &CaptionStrip::maximiseToggled, m_control, [this] {
        m_body.clear();
        m_repaintWhenHostResized = true;
        allocate();
        RepaintSkin();
    });
    QObject::connect(&m_caption, &CaptionStrip::doubleClicked, m_control, [this] { PaintFrame(); });
    QObject::connect(&m_caption, &CaptionStrip::restoreCellPainted, m_control,
                     [this] { setControlSize(m_host.host()->size()); });
    QObject::connect(&m_menus, &MenuStrip::MenuClick, m_control, &Skin::MenuClick);
    QObject::connect(&m_host, &HostAttachment::hostResized, m_control, [this] { followHost(); });
}

QString SkinPrivate::attachHintText()
{
    return QCoreApplication::translate(
        "orvex::Skin", "Add The Following Lines To your code\r\ndrapler1.init_skin me",
        "the second line is code, kept as it is");
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
    SurfaceWidget *titleBar = m_caption.titleBar();
    titleBar->place(QRect(titleBar->pos(), QSize(m_control->width(), titleBar->height())));
    m_menus.LoadMenus(m_menuFolder);
}

void SkinPrivate::Init_Skin(QWidget *window)
{
    m_host.attach(window);
    if (!window) {
        qCWarning(lcSkin, "Init_Skin: no host window given");
        return;
    }
    const QString remembered = rememberedskin::read(window->windowTitle());
    PrepareHost();
    allocate();
    m_host.watchHost();
    if (!remembered.isEmpty() && m_rememberSkin)
        ChangeSkin(remembered);
}

void SkinPrivate::allocate()
{
    if (!m_host.host()) {
        qCWarning(lcSkin, "allocate: the control has no host window");
        return;
    }
    setControlSize(m_host.host()->size());
    m_host.markAttached();
}

void SkinPrivate::followHost()
{
    allocate();
    if (m_repaintWhenHostResized) {
        m_repaintWhenHostResized = false;
        RepaintSkin();
        m_caption.PaintMaxButton(m_host.windowState());
    }
}

void SkinPrivate::readProperties(const PropertyBag &bag)
{
    m_caption.setCaption(bag.read(QStringLiteral("Caption"), QString()).toString());
    m_buttonMax = bag.read(QStringLiteral("ButtonMax"), true).toBool();
    m_buttonMin = bag.read(QStringLiteral("ButtonMin"), true).toBool();
    const QImage picture = bag.readPicture(QStringLiteral("Skin"), m_skin.picture);
    if (picture.cacheKey() != m_skin.picture.cacheKey())
        putPicture(picture);
    m_rememberSkin = bag.read(QStringLiteral("RememberSkin"), false).toBool();
    m_control->setMenuVisible(bag.read(QStringLiteral("MenuVisible"), true).toBool());
}

void SkinPrivate::writeProperties(PropertyBag &bag) const
{
    bag.write(QStringLiteral("Caption"), m_caption.caption(), QString());
    bag.writePicture(QStringLiteral("Skin"), m_skin.picture);
    bag.write(QStringLiteral("ButtonMax"), m_buttonMax, true);
    bag.write(QStringLiteral("ButtonMin"), m_buttonMin, true);
    bag.write(QStringLiteral("RememberSkin"), m_rememberSkin, false);
    bag.write(QStringLiteral("MenuVisible"), !m_menus.menuBar()->isHidden(), true);
}

void SkinPrivate::setButtons(bool max, bool min)
{
    m_buttonMax = max;
    m_buttonMin = min;
    UserControl_Resize();
}

void SkinPrivate::ChangeSkin(const QString &path)
{
    if (!m_host.isAttached() || !m_host.host())
        return;
    if (const Status recorded = rememberedskin::write(m_host.host()->windowTitle(), path);
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
    m_skin.picture = picture.convertToFormat(QImage::Format_RGB32);
    m_skin.picture2x = picture2x.size() == picture.size() * 2
                           ? picture2x.convertToFormat(QImage::Format_RGB32)
                           : QImage();
    m_skinPixmap = QPixmap::fromImage(m_skin.picture);
}

void SkinPrivate::setSkin(const QImage &picture)
{
    putPicture(picture);
    if (m_host.isAttached())
        RepaintSkin();
}

void SkinPrivate::setControlSize(const QSize &size)
{
    m_control->resize(size);
    if (size != m_laidOutSize)
        UserControl_Resize();
}

void SkinPrivate::followOwnSize()
{
    if (m_control->size() != m_laidOutSize)
        UserControl_Resize();
}

void SkinPrivate::UserControl_Resize()
{
    m_laidOutSize = m_control->size();
    m_body.resize(m_control->size(), m_control->devicePixelRatioF());
    LayoutBars();
    RepaintOnResize();
}

void SkinPrivate::PrepareHost()
{
    m_host.makeBorderless();
    m_caption.placeForHost();
    m_caption.setCaption(m_host.host()->windowTitle());
    setControlSize(QSize(m_control->width(), m_host.host()->height()));
}

void SkinPrivate::LayoutBars()
{
    using namespace framelayout;
    m_caption.layOut(m_control->width(), m_buttonMax, m_buttonMin);
    const double controlWidth = twips::fromPixels(m_control->width());
    const double titleBarBottom = twips::fromPixels(m_caption.titleBar()->height());
    m_menus.menuBar()->place(twips::toPixelRect(QRectF(
        menuBarLeft, titleBarBottom + menuBarGap, controlWidth - menuBarInsets, menuBarHeight)));
    ShapeWindow();
}

void SkinPrivate::ShapeWindow()
{
    if (!windowshape::wantsRoundedWindow(m_skin.picture) || !m_host.isAttached() || !m_host.host())
        return;
    // The region depends only on the control's size: build it once per size.
    if (m_maskSize != m_control->size()) {
        m_mask = windowshape::roundedRegion(int(twips::fromPixels(m_control->width())),
                                            int(twips::fromPixels(m_control->height())));
        m_maskSize = m_control->size();
    }
    m_host.host()->setMask(m_mask);
    m_rounded = true;
}

} // namespace orvex
