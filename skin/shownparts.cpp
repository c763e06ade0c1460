#include "skin/shownparts_p.h"
#include "skin/surface_p.h"

#include <OrvexSkin/skin.h>
#include <QAccessibleWidget>

namespace orvex::shownparts {

namespace {

// A container whose accessible children are the child widgets that show with
// it, in the order Qt gives them.
class ShownChildren final : public QAccessibleWidget
{
public:
    explicit ShownChildren(QWidget *widget) : QAccessibleWidget(widget, QAccessible::Client) {}

    int childCount() const override { return int(shown().size()); }

    QAccessibleInterface *child(int index) const override
    {
        const QList<QWidget *> children = shown();
        return index >= 0 && index < children.size()
                   ? QAccessible::queryAccessibleInterface(children[index])
                   : nullptr;
    }

    int indexOfChild(const QAccessibleInterface *child) const override
    {
        const QList<QWidget *> children = shown();
        for (qsizetype i = 0; child && i < children.size(); ++i) {
            if (children[i] == child->object())
                return int(i);
        }
        return -1;
    }

private:
    QList<QWidget *> shown() const
    {
        QList<QWidget *> children;
        for (QObject *object : widget()->children()) {
            auto *child = qobject_cast<QWidget *>(object);
            // A hidden child stays hidden when the container shows; menus are windows.
            if (child && !child->isWindow() && child->isVisibleTo(widget()))
                children.append(child);
        }
        return children;
    }
};

QAccessibleInterface *shownPartsOf(const QString &, QObject *object)
{
    if (auto *skin = qobject_cast<Skin *>(object))
        return new ShownChildren(skin);
    if (auto *strip = qobject_cast<SurfaceWidget *>(object))
        return new ShownChildren(strip);
    return nullptr;
}

} // namespace

void install()
{
    static const bool installed = [] {
        QAccessible::installFactory(shownPartsOf);
        return true;
    }();
    Q_UNUSED(installed)
}

} // namespace orvex::shownparts
