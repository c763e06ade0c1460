#include "skinplugincollection.h"

#include "skinwidgetplugin.h"

SkinPluginCollection::SkinPluginCollection(QObject *parent) : QObject(parent)
{
    m_widgets.append(new SkinWidgetPlugin(this));
}
