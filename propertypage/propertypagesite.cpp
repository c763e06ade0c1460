#include "propertypage/propertypagesite.h"

#include <QObject>

namespace orvex {

bool PropertyPageSite::writeProperty(QObject *object, const char *name, const QVariant &value)
{
    return object->setProperty(name, value);
}

} // namespace orvex
