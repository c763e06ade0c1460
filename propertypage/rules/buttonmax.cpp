#include "propertypage/rules/buttonmax.h"

#include <QMetaProperty>
#include <QObject>

namespace orvex::buttonoptions {

namespace {

// The first selected object when it has the property; otherwise why not.
QObject *firstWithProperty(const QList<QObject *> &selection, QString &error)
{
    QObject *object = selection.isEmpty() ? nullptr : selection.first();
    if (!object) {
        error = QStringLiteral("No control is selected.");
        return nullptr;
    }
    // Checked first: setting a property an object lacks would create a dynamic one.
    if (object->metaObject()->indexOfProperty(propertyName) < 0) {
        error = QStringLiteral("The selected %1 \"%2\" has no property \"%3\".")
                    .arg(QLatin1String(object->metaObject()->className()), object->objectName(),
                         QLatin1String(propertyName));
        return nullptr;
    }
    return object;
}

} // namespace

ReadResult read(const QList<QObject *> &selection)
{
    ReadResult result;
    QObject *object = firstWithProperty(selection, result.error);
    if (!object)
        return result;
    const QVariant value = object->property(propertyName);
    if (!value.canConvert<bool>()) {
        result.error = QStringLiteral("The property \"%1\" is not a yes/no value.")
                           .arg(QLatin1String(propertyName));
        return result;
    }
    result.ok = true;
    result.value = value.toBool();
    return result;
}

QString write(const QList<QObject *> &selection, bool value, const PropertyWriter &writer)
{
    QString error;
    QObject *object = firstWithProperty(selection, error);
    if (!object)
        return error;
    if (!writer(object, propertyName, QVariant(value)))
        return QStringLiteral("The property \"%1\" could not be set.")
            .arg(QLatin1String(propertyName));
    return {};
}

} // namespace orvex::buttonoptions
