#include "app/payloadfolder.h"

#include <QDir>
#include <QFileInfo>

namespace orvex {

QString payloadFolder(const QString &programFolder)
{
    const QString installed =
        QDir::cleanPath(programFolder + QStringLiteral("/" ORVEX_DATA_FROM_PROGRAM));
    if (QFileInfo(installed + QStringLiteral("/Orvex")).isDir())
        return installed;
    return programFolder;
}

} // namespace orvex
