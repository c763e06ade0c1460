#include "propertypage/designer/skinplugincollection.h"

#include "propertypage/designer/skinwidgetplugin.h"

namespace orvex {

SkinPluginCollection::SkinPluginCollection(QObject *parent) : QObject(parent)
{
    m_widgets.append(new SkinWidgetPlugin(this));
}

} // namespace orvex
