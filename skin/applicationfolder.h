#pragma once

#include <QString>

namespace orvex {

// The folder the program treats as its own (payload, bookmark pages, menu.txt).
// By default the folder of the running program; a design environment or a test
// sets another before creating the objects that read from it.
class ApplicationFolder
{
public:
    static QString path();
    static void setPath(const QString &folder);
    static void reset();
};

} // namespace orvex
