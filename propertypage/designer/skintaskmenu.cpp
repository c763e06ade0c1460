#include "propertypage/designer/skintaskmenu.h"

#include "propertypage/designer/menuitemdialog.h"

#include <OrvexSkin/Skin>
#include <QAction>
#include <QDesignerFormWindowInterface>

namespace orvex {

SkinTaskMenu::SkinTaskMenu(Skin *skin, QObject *parent)
    : QObject(parent), m_skin(skin), m_editMenus(new QAction(tr("Edit Menus..."), this))
{
    connect(m_editMenus, &QAction::triggered, this, &SkinTaskMenu::editMenus);
}

void SkinTaskMenu::editMenus()
{
    if (!m_skin)
        return;
    QDesignerFormWindowInterface *form = QDesignerFormWindowInterface::findFormWindow(m_skin);
    MenuItemDialog dialog(m_skin, form, form ? form->window() : m_skin->window());
    dialog.exec();
}

SkinTaskMenuFactory::SkinTaskMenuFactory(QExtensionManager *parent) : QExtensionFactory(parent) {}

QObject *SkinTaskMenuFactory::createExtension(QObject *object, const QString &iid,
                                              QObject *parent) const
{
    if (iid != Q_TYPEID(QDesignerTaskMenuExtension))
        return nullptr;
    if (auto *skin = qobject_cast<Skin *>(object))
        return new SkinTaskMenu(skin, parent);
    return nullptr;
}

} // namespace orvex
