#include "artfiles.h"

#include "arrowart.h"
#include "buttonfaceart.h"
#include "iconart.h"
#include "skinart.h"

#include <QDir>
#include <QFileInfo>
#include <QImageWriter>
#include <functional>
#include <utility>

namespace orvex::artgen {

namespace {

// The picture at single scale under its path, and at double scale beside it as
// NAME@2x.EXT, the name Qt looks for on screens at scale factor 2.
void appendBothScales(QList<ArtFile> &files, const QString &path,
                      const std::function<QImage(Scale)> &draw)
{
    const QFileInfo name(path);
    files.append({path, draw(Scale::Single)});
    files.append(
        {QStringLiteral("%1/%2@2x.%3").arg(name.path(), name.completeBaseName(), name.suffix()),
         draw(Scale::Double)});
}

// The icon at each size of the desktop's icon theme, laid out as the theme is.
void appendIcons(QList<ArtFile> &files)
{
    for (int size : {16, 24, 32, 48, 64, 128, 256}) {
        files.append(
            {QStringLiteral("app/resources/hicolor/%1x%1/apps/orvex-tessary.png").arg(size),
             drawOrvexIcon(size)});
    }
}

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

QList<ArtFile> projectArt()
{
    QList<ArtFile> files;
    appendBothScales(files, QStringLiteral("skin/resources/default_skin.bmp"), drawDefaultSkin);
    // The skin stored in the installer's design (skin1.design.json) as a file of its own;
    // a stored design carries one picture, so there is no double-scale drawing of it.
    files.append(
        {QStringLiteral("app/resources/installer_skin.bmp"), drawInstallerSkin(Scale::Single)});
    // The push buttons' face; the installer writes each button's word on it.
    appendBothScales(files, QStringLiteral("app/resources/button.bmp"), drawButtonFace);
    appendIcons(files);
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
