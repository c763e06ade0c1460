#pragma once

#include <OrvexSkin/orvexskin_export.h>
#include <QColor>
#include <QImage>
#include <QPixmap>
#include <QString>
#include <QWidget>
#include <memory>

namespace orvex {

class MenuPresenter;
class MessagePresenter;
class PropertyBag;
class SkinPrivate;

// A title-bar skinning control. It covers a borderless host window and paints
// the window's caption strip, frame and caption buttons from one skin bitmap,
// lets the user move, maximise, restore, minimise, close and resize the window,
// and carries a menu strip whose menus come from menu.txt, worked with the
// pointer or the keyboard (F10, or Alt and a title's first letter). Attach it to
// its window with Init_Skin.
class ORVEX_SKIN_EXPORT Skin : public QWidget
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
    bool rememberSkin() const;
    void setRememberSkin(bool remember);
    bool buttonMin() const;
    void setButtonMin(bool show);
    bool buttonMax() const;
    void setButtonMax(bool show);
    QString caption() const;
    void setCaption(const QString &caption);

    // The skin bitmap, kept as an image for pixel reads and drawing.
    const QImage &skin() const;
    // Puts a picture into the control; repaints when attached. Not remembered.
    void setSkin(const QImage &picture);
    QPixmap skinPixmap() const;
    void setSkinPixmap(const QPixmap &picture);

    // Restores and stores the design-time properties.
    void readProperties(const PropertyBag &bag);
    void writeProperties(PropertyBag &bag) const;

    // The window given to Init_Skin, and whether Init_Skin or allocate has run.
    QWidget *host() const;
    bool isAttached() const;

    // The presenters of the attach hint and of pop-up menus; not owned. Null
    // restores the real ones.
    void setMessagePresenter(MessagePresenter *presenter);
    void setMenuPresenter(MenuPresenter *presenter);

Q_SIGNALS:
    void MouseMove(short Button, short Shift, float X, float Y);
    void MouseDown(short Button, short Shift, float X, float Y);
    void MenuClick(QString &ItemName);
    // The menu strip was shown or hidden.
    void MenuVisibleChanged(bool visible);

protected:
    void paintEvent(QPaintEvent *event) override;
    void resizeEvent(QResizeEvent *event) override;
    void mousePressEvent(QMouseEvent *event) override;
    void mouseMoveEvent(QMouseEvent *event) override;
    void mouseReleaseEvent(QMouseEvent *event) override;
    void mouseDoubleClickEvent(QMouseEvent *event) override;
    void childEvent(QChildEvent *event) override;

private:
    friend class SkinPrivate;
    std::unique_ptr<SkinPrivate> const d;
};

} // namespace orvex
