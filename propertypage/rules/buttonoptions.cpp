#include "propertypage/rules/buttonoptions.h"

#include <QCoreApplication>
#include <QMetaProperty>
#include <QObject>

namespace orvex::buttonoptions {

namespace {

Status refused(const QString &why)
{
    return Status::refusal({}, why);
}

// The first selected object when it has the property; otherwise why not.
Result<QObject *> firstWithProperty(const QList<QObject *> &selection)
{
    QObject *object = selection.isEmpty() ? nullptr : selection.first();
    if (!object)
        return refused(QCoreApplication::translate("orvex::MenuItem", "No control is selected."));
    // Checked first: setting a property an object lacks would create a dynamic one.
    if (object->metaObject()->indexOfProperty(propertyName) < 0) {
        return refused(QCoreApplication::translate("orvex::MenuItem",
                                                   "The selected %1 \"%2\" has no property \"%3\".")
                           .arg(QLatin1String(object->metaObject()->className()),
                                object->objectName(), QLatin1String(propertyName)));
    }
    return object;
}

} // namespace

Result<bool> read(const QList<QObject *> &selection)
{
    const Result<QObject *> object = firstWithProperty(selection);
    if (!object.ok())
        return object.status();
    const QVariant value = object.value()->property(propertyName);
    if (!value.canConvert<bool>()) {
        return refused(QCoreApplication::translate("orvex::MenuItem",
                                                   "The property \"%1\" is not a yes/no value.")
                           .arg(QLatin1String(propertyName)));
    }
    return value.toBool();
}

Status write(const QList<QObject *> &selection, bool value, const PropertyWriter &writer)
{
    const Result<QObject *> object = firstWithProperty(selection);
    if (!object.ok())
        return object.status();
    if (!writer(object.value(), propertyName, QVariant(value))) {
        return refused(
            QCoreApplication::translate("orvex::MenuItem", "The property \"%1\" could not be set.")
                .arg(QLatin1String(propertyName)));
    }
    return {};
}

} // namespace orvex::buttonoptions
