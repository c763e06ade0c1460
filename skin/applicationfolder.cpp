#include "applicationfolder.h"

#include <QCoreApplication>

namespace orvex {

namespace {
QString &overridePath()
{
    static QString folder;
    return folder;
}
} // namespace

QString ApplicationFolder::path()
{
    const QString &folder = overridePath();
    return folder.isEmpty() ? QCoreApplication::applicationDirPath() : folder;
}

void ApplicationFolder::setPath(const QString &folder)
{
    overridePath() = folder;
}

void ApplicationFolder::reset()
{
    overridePath().clear();
}

} // namespace orvex
