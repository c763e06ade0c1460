#pragma once

#include <QImage>
#include <QList>
#include <QString>

namespace orvex::artgen {

// One generated file: its path under the repository root and its image.
struct ArtFile
{
    QString path;
    QImage image;
};

// Every bitmap of the project.
QList<ArtFile> projectArt();

// Writes the file under root, creating its folder; returns an error text or "".
QString writeArtFile(const QString &root, const ArtFile &file);

} // namespace orvex::artgen
