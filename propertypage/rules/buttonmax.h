#pragma once

#include <QList>
#include <QString>
#include <QVariant>
#include <functional>

class QObject;

// The ButtonMax option as the property page reads and writes it: by property
// name, on the first selected object only.
namespace orvex::buttonoptions {

inline constexpr char propertyName[] = "ButtonMax";

struct ReadResult
{
    bool ok = false;
    bool value = false;
    QString error; // why nothing could be read, when not ok
};

// Writes a property that the object is known to have; false when refused.
using PropertyWriter = std::function<bool(QObject *, const char *, const QVariant &)>;

// The option's value on the first selected object.
ReadResult read(const QList<QObject *> &selection);

// Sets the option on the first selected object through the writer. Returns
// why it could not, or an empty string; on failure nothing was changed.
QString write(const QList<QObject *> &selection, bool value, const PropertyWriter &writer);

} // namespace orvex::buttonoptions
