#pragma once

#include "core/result.h"

#include <QList>
#include <QVariant>
#include <functional>

class QObject;

// The ButtonMax option as the property page reads and writes it: by property
// name, on the first selected object only.
namespace orvex::buttonoptions {

inline constexpr char propertyName[] = "ButtonMax";

// Writes a property that the object is known to have; false when refused.
using PropertyWriter = std::function<bool(QObject *, const char *, const QVariant &)>;

// The option's value on the first selected object, or why it cannot be read.
Result<bool> read(const QList<QObject *> &selection);

// Sets the option on the first selected object through the writer, or says
// why it could not; on failure nothing was changed.
Status write(const QList<QObject *> &selection, bool value, const PropertyWriter &writer);

} // namespace orvex::buttonoptions
