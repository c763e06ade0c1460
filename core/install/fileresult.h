#pragma once

#include <QString>

namespace orvex {

// The outcome of a file operation: success, or failure with the reason the system gave.
struct FileResult
{
    bool ok = true;
    QString reason; // empty on success

    static FileResult success() { return {}; }
    static FileResult failure(const QString &reason) { return {false, reason}; }
};

} // namespace orvex
