#pragma once

#include "frame/captionbuttonlooks.h"
#include "frame/framelayout.h"
#include "frame/resizegesture.h"
#include "messagebox.h"
#include "surface.h"

#include <QColor>
#include <QImage>
#include <QList>
#include <QPixmap>
#include <QPointer>
#include <QRegion>
#include <QStringList>
#include <QWidget>
#include <array>
#include <memory>

class QLabel;
class QAction;
class QMenu;
class QMouseEvent;

namespace orvex {
class CaptionButtonProxy;
class MenuPresenter;
class PropertyBag;
class WindowMover;
} // namespace orvex

// A title-bar skinning control. It covers a borderless host window and paints
// the window's caption strip, frame and caption buttons from one skin bitmap,
// lets the user move, maximise, restore, minimise, close and resize the window,
// and carries a menu strip whose menus come from menu.txt. Attach it to its
// window with Init_Skin.
class Skin : public QWidget
{
    Q_OBJECT
    Q_CLASSINFO("ClassID", "OrvexTessary.Skin")
    Q_PROPERTY(bool MenuVisible READ menuVisible WRITE setMenuVisible NOTIFY MenuVisibleChanged)
    Q_PROPERTY(bool RememberSkin READ rememberSkin WRITE setRememberSkin)
    Q_PROPERTY(bool ButtonMin READ buttonMin WRITE setButtonMin)
    Q_PROPERTY(bool ButtonMax READ buttonMax WRITE setButtonMax)
    Q_PROPERTY(QString Caption READ caption WRITE setCaption)
    Q_PROPERTY(QPixmap Skin READ skinPixmap WRITE setSkinPixmap)

public:
    // Host window states as the control sees them.
    enum WindowState
    {
        Normal = 0,
        Minimised = 1,
        Maximised = 2
    };

    // Reads menu.txt from the application folder.
    explicit Skin(QWidget *parent = nullptr);
    // Reads menu.txt from `menuFolder` (a design environment's form folder, say).
    Skin(const QString &menuFolder, QWidget *parent);
    ~Skin() override;

    // Loads a skin picture from a file and records the path as the host's
    // remembered skin. Ignored until the control is attached.
    Q_INVOKABLE void ChangeSkin(const QString &path);
    // Sizes the control to its host window and marks it attached.
    Q_INVOKABLE void allocate();
    // The body colour of the last repaint (the design background before one).
    Q_INVOKABLE QColor GetSkinTheme() const;
    // Attaches the control to `host`: borderless host, caption copied, control
    // sized to the host, remembered skin restored when RememberSkin is on.
    Q_INVOKABLE void Init_Skin(QWidget *host);

    bool menuVisible() const;
    void setMenuVisible(bool visible);
    bool rememberSkin() const { return m_rememberSkin; }
    void setRememberSkin(bool remember) { m_rememberSkin = remember; }
    bool buttonMin() const { return m_buttonMin; }
    void setButtonMin(bool show);
    bool buttonMax() const { return m_buttonMax; }
    void setButtonMax(bool show);
    QString caption() const;
    void setCaption(const QString &caption);

    // The skin bitmap, kept as an image for pixel reads and drawing.
    const QImage &skin() const { return m_skin; }
    // Puts a picture into the control; repaints when attached. Not remembered.
    void setSkin(const QImage &picture);
    QPixmap skinPixmap() const { return m_skinPixmap; }
    void setSkinPixmap(const QPixmap &picture);

    // Restores and stores the design-time properties.
    void readProperties(const orvex::PropertyBag &bag);
    void writeProperties(orvex::PropertyBag &bag) const;

    QWidget *host() const { return m_host; }
    bool isAttached() const { return m_attached; }
    bool isRounded() const { return m_rounded; }
    const orvex::framelayout::ButtonSpans &buttonSpans() const { return m_spans; }
    // The pointer-shape number shown on the body (0, 7, 8 or 9).
    int pointerShape() const { return int(m_gesture.shape()); }
    bool isResizing() const { return m_gesture.isResizing(); }
    // What each caption button shows now.
    const orvex::CaptionButtonLooks &buttonLooks() const { return m_looks; }
    // The folder menu.txt is read from.
    const QString &menuFolder() const { return m_menuFolder; }

    // The menu titles on the menu strip, element 0 first.
    QList<QLabel *> menuTitles() const { return m_titles; }
    // The drop-down menu of slot 0 to 7, with all its items.
    QMenu *menu(int slot) const;
    // Item names per slot, as read from menu.txt.
    QStringList itemNames(int slot) const;

    const orvex::Surface &bodySurface() const { return m_body; }
    const orvex::Surface &titleBarSurface() const;
    const orvex::Surface &menuBarSurface() const;

    // The presenters of the attach hint and of pop-up menus; not owned. Null
    // restores the real ones.
    void setMessagePresenter(orvex::MessagePresenter *presenter);
    void setMenuPresenter(orvex::MenuPresenter *presenter);

    // The attach hint's text, as shown by handlers that run before Init_Skin.
    static QString attachHintText();

signals:
    void MouseMove(short Button, short Shift, float X, float Y);
    void MouseDown(short Button, short Shift, float X, float Y);
    void MenuClick(QString &ItemName);
    void MenuVisibleChanged(bool visible);

protected:
    void paintEvent(QPaintEvent *event) override;
    void resizeEvent(QResizeEvent *event) override;
    void mousePressEvent(QMouseEvent *event) override;
    void mouseMoveEvent(QMouseEvent *event) override;
    void mouseReleaseEvent(QMouseEvent *event) override;
    void mouseDoubleClickEvent(QMouseEvent *event) override;
    void childEvent(QChildEvent *event) override;
    bool eventFilter(QObject *watched, QEvent *event) override;

    // Layout and window shape.
    void UserControl_Resize();
    void PrepareHost();
    void LayoutBars();
    void ShapeWindow();

    // Painting.
    void RepaintSkin();
    void RepaintOnResize();
    void PaintTitleBar();
    void PaintFrame();
    void PaintFrameOnResize();
    void PaintCloseButton();
    void PaintCloseHover();
    void PaintMinButton();
    void PaintMinHover();
    void PaintMaxButton(int windowState);
    void PaintMaxHover(int windowState);

    // Title-bar and border interaction; X and Y in twips.
    void TitleBar_MouseMove(int button, int shift, double x, double y);
    void TitleBar_MouseDown(int button, int shift, double x, double y);
    void TitleBar_DblClick();
    void CapLabel_MouseMove(int button, int shift, double x, double y);
    void ResetButtons();
    void UserControl_MouseDown(int button, int shift, double x, double y);
    void UserControl_MouseMove(int button, int shift, double x, double y);
    void UserControl_MouseUp(int button, int shift, double x, double y);

    // Menus.
    void LoadMenus();
    void MenuTitle_Click(int index);

    // The host's window state: 0 normal, 1 minimised, 2 maximised.
    int hostWindowState() const;

private:
    void UserControl_Initialize();
    void buildConstituents();
    void setControlSize(const QSize &size);
    void showAttachHint();
    // Takes a picture as the skin, without repainting.
    void putPicture(const QImage &picture);
    void paintButton(const orvex::framelayout::ButtonSpan &span, int sourceCell);
    void pressCaptionButton(orvex::framelayout::CaptionButton button);
    void placeButtonProxies();
    void paintFrameOn(orvex::Surface &surface, double scaleWidth, double scaleHeight, double leftX);
    void setHostWindowState(int state);
    void guardMouse(QWidget *child);
    void trackPointer(const QMouseEvent *event);
    void moveHost();
    void followHost();
    void showPointerShape();
    void paintLooks(const orvex::CaptionButtonLooks::Repaint &repaint);

    QPointer<QWidget> m_host;
    bool m_attached = false;
    bool m_buttonMin = false;
    bool m_buttonMax = false;
    bool m_rememberSkin = false;
    bool m_rounded = false;
    bool m_repaintWhenHostResized = false;
    QPoint m_pointerGlobal;
    QString m_menuFolder;
    orvex::CaptionButtonLooks m_looks;
    orvex::ResizeGesture m_gesture;
    orvex::framelayout::ButtonSpans m_spans;
    QSize m_laidOutSize;
    QSize m_maskSize;
    QRegion m_mask;

    QImage m_skin;
    QPixmap m_skinPixmap;
    orvex::Surface m_body;

    orvex::SurfaceWidget *m_titleBar = nullptr;
    QLabel *m_capLabel = nullptr;
    orvex::SurfaceWidget *m_menuBar = nullptr;
    QWidget *m_skinpic = nullptr;
    // Close, minimise, maximise, for screen readers.
    std::array<orvex::CaptionButtonProxy *, 3> m_buttonProxies{};
    QList<QLabel *> m_titles;
    std::array<QMenu *, 8> m_menus{};
    // Items made by LoadMenus that join their menu when it is first asked for.
    mutable std::array<QList<QAction *>, 8> m_pendingItems;
    std::array<QStringList, 8> m_itemNames;

    orvex::QtMessagePresenter m_messageBoxes{this};
    orvex::MessagePresenter *m_messages = &m_messageBoxes;
    orvex::MenuPresenter *m_menuPresenter = nullptr;
    std::unique_ptr<orvex::MenuPresenter> m_ownMenuPresenter;
    std::unique_ptr<orvex::WindowMover> m_mover;
};
