#include "result.h"

#include <cstring>

namespace orvex {

QString systemText(int error)
{
    char buffer[256];
    // The GNU strerror_r returns the text, in the buffer or in static storage.
    return QString::fromLocal8Bit(::strerror_r(error, buffer, sizeof buffer));
}

QString Failure::why() const
{
    return error != 0 ? systemText(error) : reason;
}

QString Failure::text() const
{
    return path.isEmpty() ? why() : path + QStringLiteral(": ") + why();
}

} // namespace orvex
