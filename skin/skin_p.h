#pragma once

#include "core/frame/resizegesture.h"
#include "skin/captionstrip_p.h"
#include "skin/hostattachment_p.h"
#include "skin/menustrip_p.h"
#include "skin/surface_p.h"

#include <OrvexSkin/messagebox.h>
#include <OrvexSkin/skin.h>
#include <QImage>
#include <QPixmap>
#include <QRegion>
#include <QSize>

namespace orvex {

// What a Skin is made of behind its public names: the caption strip, the menu
// strip and the host attachment, the skin picture and the control's own
// surface. It keeps the order of work of creation, attaching, layout and
// repaints, paints the frame, and runs the body's pointer rules.
class SkinPrivate
{
public:
    SkinPrivate(Skin *control, const QString &menuFolder);

    static SkinPrivate *get(Skin *skin) { return skin->d.get(); }

    // The attach hint's text, as shown by handlers that run before Init_Skin.
    static QString attachHintText();

    // Creation, attaching and design-time properties.
    void UserControl_Initialize();
    void Init_Skin(QWidget *host);
    void allocate();
    void readProperties(const PropertyBag &bag);
    void writeProperties(PropertyBag &bag) const;
    void setButtons(bool buttonMax, bool buttonMin);

    // Skin pictures.
    void ChangeSkin(const QString &path);
    void setSkin(const QImage &picture);
    // Takes a picture as the skin, with its doubled drawing if it has one,
    // without repainting.
    void putPicture(const QImage &picture, const QImage &picture2x = {});

    // Layout and window shape.
    void setControlSize(const QSize &size);
    // Every size change: the surface sized, LayoutBars, then RepaintOnResize.
    void UserControl_Resize();
    void PrepareHost();
    void LayoutBars();
    void ShapeWindow();

    // Painting.
    void RepaintSkin();
    void RepaintOnResize();
    void PaintFrame();
    void PaintFrameOnResize();

    // The control body's pointer rules; X and Y in twips.
    void UserControl_MouseDown(int button, int shift, double x, double y);
    void UserControl_MouseMove(int button, int shift, double x, double y);
    void UserControl_MouseUp(int button, int shift, double x, double y);

    void showAttachHint();
    void setMessagePresenter(MessagePresenter *presenter);
    // A resize event of the control: lays it out unless it has that size already.
    void followOwnSize();

    Skin *const m_control;
    const QString m_menuFolder;
    HostAttachment m_host;
    skinpainter::SkinBitmap m_skin;
    QPixmap m_skinPixmap;
    CaptionStrip m_caption;
    MenuStrip m_menus;
    QWidget *const m_skinpic;
    Surface m_body;
    ResizeGesture m_gesture;
    bool m_buttonMin = false;
    bool m_buttonMax = false;
    bool m_rememberSkin = false;
    bool m_rounded = false;

private:
    void paintFrameOn(Surface &surface, double scaleWidth, double scaleHeight, double leftX);
    void followHost();
    void showPointerShape();

    bool m_repaintWhenHostResized = false;
    QSize m_laidOutSize;
    QSize m_maskSize;
    QRegion m_mask;
    QtMessagePresenter m_messageBoxes;
    MessagePresenter *m_messages = &m_messageBoxes;
};

} // namespace orvex
