#include "app/accessible.h"

#include "app/drivelist.h"
#include "app/frm_skinnedform.h"

#include <OrvexSkin/skin.h>
#include <QAbstractItemView>
#include <QAccessibleWidget>
#include <algorithm>

namespace orvex::accessible {

namespace {

// The window as a frame. Its children are its own child widgets and the
// title-bar control's, in place of the control, which covers the whole window:
// the shown ones only, sorted by where they are in the window.
class WindowInterface final : public QAccessibleWidget
{
public:
    explicit WindowInterface(QWidget *window) : QAccessibleWidget(window, QAccessible::Window) {}

    int childCount() const override { return int(parts().size()); }

    QAccessibleInterface *child(int index) const override { return parts().value(index); }

    int indexOfChild(const QAccessibleInterface *child) const override
    {
        const QList<QAccessibleInterface *> all = parts();
        const auto found = std::find_if(all.begin(), all.end(), [child](auto *part) {
            return child && part->object() == child->object();
        });
        return found == all.end() ? -1 : int(found - all.begin());
    }

private:
    QList<QAccessibleInterface *> parts() const
    {
        QList<QAccessibleInterface *> parts;
        for (QObject *object : widget()->children()) {
            auto *child = qobject_cast<QWidget *>(object);
            if (!child || child->isWindow() || !child->isVisibleTo(widget()))
                continue;
            QAccessibleInterface *part = QAccessible::queryAccessibleInterface(child);
            // The control's interface lists only the parts that show.
            if (part && qobject_cast<Skin *>(child)) {
                for (int i = 0; i < part->childCount(); ++i)
                    parts.append(part->child(i));
            } else {
                parts.append(part);
            }
        }
        parts.removeAll(nullptr);
        std::stable_sort(parts.begin(), parts.end(), [this](auto *a, auto *b) {
            const QPoint at = placeOf(a);
            const QPoint bt = placeOf(b);
            return std::pair(at.y(), at.x()) < std::pair(bt.y(), bt.x());
        });
        return parts;
    }

    // Where the part's top left corner is in the window, shown or not yet.
    QPoint placeOf(const QAccessibleInterface *part) const
    {
        const auto *partWidget = qobject_cast<const QWidget *>(part->object());
        return partWidget ? partWidget->mapTo(widget(), QPoint()) : QPoint();
    }
};

// The drive list as a combo box named by its accessible name ("Drive"), where
// Qt's interface names it by its entry on Linux. Its value is the entry, and,
// since Qt's bridge to the desktop's accessibility bus reads no value of a
// combo box, so is its read-only text. Its drop-down list is its one child,
// as with Qt's. Qt's combo box interface cannot be the base: Qt Widgets does
// not export it.
class DriveListInterface final : public QAccessibleWidget, public QAccessibleTextInterface
{
public:
    explicit DriveListInterface(DriveList *list) : QAccessibleWidget(list, QAccessible::ComboBox) {}

    void *interface_cast(QAccessible::InterfaceType type) override
    {
        return type == QAccessible::TextInterface ? static_cast<QAccessibleTextInterface *>(this)
                                                  : QAccessibleWidget::interface_cast(type);
    }

    QString text(QAccessible::Text t) const override
    {
        return t == QAccessible::Value ? entry() : QAccessibleWidget::text(t);
    }

    int childCount() const override { return 1; }

    QAccessibleInterface *child(int index) const override
    {
        return index == 0 ? QAccessible::queryAccessibleInterface(list()->view()) : nullptr;
    }

    int indexOfChild(const QAccessibleInterface *child) const override
    {
        return child && child->object() == list()->view() ? 0 : -1;
    }

    QAccessible::State state() const override
    {
        QAccessible::State state = QAccessibleWidget::state();
        state.expandable = true;
        state.expanded = list()->view()->isVisible();
        return state;
    }

    QStringList actionNames() const override { return {showMenuAction(), pressAction()}; }

    // Either action opens the drop-down list, or closes it when open.
    void doAction(const QString &action) override
    {
        if (action != showMenuAction() && action != pressAction())
            return;
        if (list()->view()->isVisible())
            list()->hidePopup();
        else
            list()->showPopup();
    }

    // The entry as text that can't be selected or edited.
    QString text(int start, int end) const override { return entry().mid(start, end - start); }
    int characterCount() const override { return int(entry().size()); }
    void selection(int, int *start, int *end) const override { *start = *end = 0; }
    int selectionCount() const override { return 0; }
    void addSelection(int, int) override {}
    void removeSelection(int) override {}
    void setSelection(int, int, int) override {}
    int cursorPosition() const override { return 0; }
    void setCursorPosition(int) override {}
    QRect characterRect(int) const override { return {}; }
    int offsetAtPoint(const QPoint &) const override { return -1; }
    void scrollToSubstring(int, int) override {}
    QString attributes(int, int *start, int *end) const override
    {
        *start = 0;
        *end = characterCount();
        return {};
    }

private:
    DriveList *list() const { return static_cast<DriveList *>(widget()); }

    // With nothing chosen the box shows its placeholder, if it has one.
    QString entry() const
    {
        return list()->currentIndex() < 0 ? list()->placeholderText() : list()->currentText();
    }
};

QAccessibleInterface *installerInterface(const QString &, QObject *object)
{
    if (auto *window = qobject_cast<Frm_SkinnedForm *>(object))
        return new WindowInterface(window);
    if (auto *list = qobject_cast<DriveList *>(object))
        return new DriveListInterface(list);
    return nullptr;
}

} // namespace

void install()
{
    static const bool installed = [] {
        QAccessible::installFactory(installerInterface);
        return true;
    }();
    Q_UNUSED(installed)
}

} // namespace orvex::accessible
