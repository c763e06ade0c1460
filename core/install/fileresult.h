#pragma once

#include <QString>

namespace orvex {

// The outcome of a file operation: success, failure with the reason the system
// gave, or a stop that the user asked for.
struct FileResult
{
    bool ok = true;
    bool cancelled = false;
    QString reason; // empty on success

    static FileResult success() { return {}; }
    static FileResult failure(const QString &reason) { return {false, false, reason}; }
    static FileResult cancel() { return {false, true, {}}; }
};

} // namespace orvex
