#include <OrvexSkin/menupresenter.h>
#include <QMenu>

namespace orvex {

QAction *QtMenuPresenter::exec(QMenu *menu, const QPoint &globalPosition)
{
    return menu->exec(globalPosition);
}

} // namespace orvex
