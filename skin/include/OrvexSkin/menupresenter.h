#pragma once

#include <OrvexSkin/orvexskin_export.h>
#include <QPoint>

class QAction;
class QMenu;

namespace orvex {

// Shows a pop-up menu modally and returns the chosen action (null when the
// menu was dismissed). QtMenuPresenter runs QMenu::exec; a host or a test can
// put in its own.
class ORVEX_SKIN_EXPORT MenuPresenter
{
public:
    virtual ~MenuPresenter() = default;
    virtual QAction *exec(QMenu *menu, const QPoint &globalPosition) = 0;
};

class ORVEX_SKIN_EXPORT QtMenuPresenter final : public MenuPresenter
{
public:
    QAction *exec(QMenu *menu, const QPoint &globalPosition) override;
};

} // namespace orvex
