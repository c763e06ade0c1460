#include "artfiles.h"

#include "arrowart.h"
#include "buttonfaceart.h"
#include "iconart.h"
#include "skinart.h"

#include <QDir>
#include <QFileInfo>
#include <QImageWriter>
#include <utility>

namespace orvex::artgen {

namespace {

void appendArrows(QList<ArtFile> &files)
{
    const std::pair<ArrowDirection, QString> directions[] = {
        {ArrowDirection::Left, QStringLiteral("left")},
        {ArrowDirection::Right, QStringLiteral("right")},
        {ArrowDirection::Up, QStringLiteral("up")},
        {ArrowDirection::Down, QStringLiteral("down")},
    };
    for (const auto &[direction, name] : directions) {
        for (int size : {32, 16}) {
            files.append(
                {QStringLiteral("propertypage/resources/arrow-%1-%2.png").arg(name).arg(size),
                 drawArrow(direction, size)});
        }
    }
}

} // namespace

QList<ArtFile> projectArt(const QFont &buttonFont)
{
    QList<ArtFile> files{
        {QStringLiteral("skin/resources/default_skin.bmp"), drawDefaultSkin()},
        {QStringLiteral("app/resources/installer_skin.bmp"), drawInstallerSkin()},
        {QStringLiteral("app/resources/install.bmp"),
         drawButtonFace(QStringLiteral("Install"), buttonFont)},
        {QStringLiteral("app/resources/cancel.bmp"),
         drawButtonFace(QStringLiteral("Cancel"), buttonFont)},
        {QStringLiteral("app/resources/orvex.png"), drawOrvexIcon()},
    };
    appendArrows(files);
    return files;
}

QString writeArtFile(const QString &root, const ArtFile &file)
{
    const QString target = QDir(root).filePath(file.path);
    if (!QDir().mkpath(QFileInfo(target).path()))
        return QStringLiteral("cannot create the folder of %1").arg(target);
    QImageWriter writer(target);
    if (!writer.write(file.image))
        return QStringLiteral("cannot write %1: %2").arg(target, writer.errorString());
    return {};
}

} // namespace orvex::artgen
