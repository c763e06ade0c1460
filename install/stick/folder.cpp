#include "install/stick/folder.h"

#include <QFile>

namespace orvex::stick {

QString Folder::pathOf(const QByteArray &name) const
{
    const QString &base = path();
    return base.endsWith(QLatin1Char('/')) ? base + QFile::decodeName(name)
                                           : base + QLatin1Char('/') + QFile::decodeName(name);
}

Result<std::unique_ptr<Folder>> Folder::openPath(const QByteArray &relative) const
{
    if (relative.isEmpty())
        return openFolder(".");
    std::unique_ptr<Folder> current;
    for (const QByteArray &part : relative.split('/')) {
        auto next = (current ? *current : *this).openFolder(part);
        if (!next.ok())
            return next.status();
        current = std::move(next.value());
    }
    return current;
}

} // namespace orvex::stick
