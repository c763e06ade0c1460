#include "propertypage/designer/skinwidgetplugin.h"

#include "propertypage/designer/designfolder.h"
#include "propertypage/designer/skintaskmenu.h"

#include <OrvexSkin/Skin>
#include <QCoreApplication>
#include <QDesignerFormEditorInterface>
#include <QExtensionManager>
#include <QIcon>

namespace orvex {

SkinWidgetPlugin::SkinWidgetPlugin(QObject *parent) : QObject(parent)
{
    designfolder::startFolder();
}

QString SkinWidgetPlugin::name() const
{
    return QStringLiteral("orvex::Skin");
}

QString SkinWidgetPlugin::group() const
{
    return QStringLiteral("Orvex Tessary");
}

QString SkinWidgetPlugin::toolTip() const
{
    return QCoreApplication::translate("SkinWidgetPlugin", "Skinned title bar, frame and menu bar");
}

QString SkinWidgetPlugin::whatsThis() const
{
    return QCoreApplication::translate(
        "SkinWidgetPlugin", "Replaces its window's caption and frame with a skin bitmap and "
                            "shows the menus of menu.txt in the application folder.");
}

QString SkinWidgetPlugin::includeFile() const
{
    return QStringLiteral("OrvexSkin/Skin");
}

QIcon SkinWidgetPlugin::icon() const
{
    return QIcon(QStringLiteral(":/orvex/propertypage/arrow-down-16.png"));
}

bool SkinWidgetPlugin::isContainer() const
{
    return true;
}

QString SkinWidgetPlugin::domXml() const
{
    return QStringLiteral(R"(<ui language="c++">
 <widget class="orvex::Skin" name="Skin1">
  <property name="geometry">
   <rect><x>0</x><y>0</y><width>480</width><height>320</height></rect>
  </property>
 </widget>
</ui>
)");
}

void SkinWidgetPlugin::initialize(QDesignerFormEditorInterface *core)
{
    if (m_initialized || !core)
        return;
    QExtensionManager *manager = core->extensionManager();
    manager->registerExtensions(new SkinTaskMenuFactory(manager),
                                Q_TYPEID(QDesignerTaskMenuExtension));
    m_initialized = true;
}

QWidget *SkinWidgetPlugin::createWidget(QWidget *parent)
{
    return new Skin(designfolder::forParent(parent), parent);
}

} // namespace orvex
