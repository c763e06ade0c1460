#pragma once

#include <QList>
#include <QObject>
#include <QStringList>
#include <array>
#include <memory>
#include <optional>

class QAction;
class QLabel;
class QMenu;
class QWidget;

namespace orvex {

class MenuPresenter;
class SurfaceWidget;

// The menu strip MenuBar: the titles and drop-down menus read from menu.txt,
// the choice of an item, and the ways in. A title opens its menu on a left
// click, or from the keyboard while the strip is shown: F10 the first menu,
// Alt and a title's first letter that title's; Left and Right then step from
// menu to menu. The title under the pointer or with its menu open is drawn in
// the palette's highlight colours.
class MenuStrip final : public QObject
{
    Q_OBJECT

public:
    // Builds the strip on `control` with its design values: one title "Menu"
    // and eight menus holding one empty item each.
    explicit MenuStrip(QWidget *control);
    ~MenuStrip() override;

    SurfaceWidget *menuBar() const { return m_menuBar; }

    // Reads menu.txt in `folder` into titles, items and names, and gives the
    // titles their keys. Run once, at creation.
    void LoadMenus(const QString &folder);

    // Not owned; null restores the real pop-up menus.
    void setPresenter(MenuPresenter *presenter);

    // The menu titles, element 0 first.
    const QList<QLabel *> &titles() const { return m_titles; }
    // The drop-down menu of slot 0 to 7, with all its items.
    QMenu *menu(int slot) const;
    // Item names per slot, as read from menu.txt.
    QStringList itemNames(int slot) const;

    // A click on title `index`: drops its menu down under the strip.
    void clickTitle(int index);

Q_SIGNALS:
    // An item was chosen; the name is the stored one, which the receiver may change.
    void MenuClick(QString &itemName);

protected:
    bool eventFilter(QObject *watched, QEvent *event) override;

private:
    enum class Opening
    {
        Pointer,
        Keyboard // with the first item active, so that Enter chooses it
    };

    QLabel *addTitle(const QString &text);
    void addKeys();
    int menuCount() const;
    // Shows the menu of title `index` until an item is chosen or the menu
    // closes; Left and Right close it and open the next one instead.
    void open(int index, Opening opening);
    bool stepFromOpenMenu(QObject *watched, QEvent *event);
    // Draws `title` in the highlight colours, or nothing highlighted for null.
    void highlight(QLabel *title);

    QWidget *m_control;
    SurfaceWidget *m_menuBar;
    // The box behind the highlighted title, a little wider than its text.
    QWidget *m_highlightBox;
    QLabel *m_highlighted = nullptr;
    QList<QLabel *> m_titles;
    std::array<QMenu *, 8> m_menus{};
    // Items made by LoadMenus that join their menu when it is first asked for.
    mutable std::array<QList<QAction *>, 8> m_pendingItems;
    std::array<QStringList, 8> m_itemNames;
    MenuPresenter *m_presenter = nullptr;
    std::unique_ptr<MenuPresenter> m_ownPresenter;
    // While a menu is open: its slot, and where Left or Right asked to go next.
    int m_openSlot = -1;
    std::optional<int> m_stepTo;
};

} // namespace orvex
