// Skin pictures: loading a skin from a file, remembering it per host, and the
// body colour offered to the host.
#include "design/rememberedskin.h"
#include "skin.h"

#include <QImageReader>

namespace {

// Reads a picture file in any format Qt's readers know; a null image when the
// file is missing, unreadable, not a picture or too large to decode.
QImage loadPicture(const QString &path)
{
    QImageReader reader(path);
    reader.setAutoTransform(false);
    QImage picture = reader.read();
    if (picture.isNull())
        qWarning("Skin: cannot load skin picture %s: %s", qPrintable(path),
                 qPrintable(reader.errorString()));
    return picture;
}

} // namespace

void Skin::ChangeSkin(const QString &path)
{
    if (!m_attached || !m_host)
        return;
    QString error;
    if (!orvex::rememberedskin::write(m_host->windowTitle(), path, &error)) {
        qWarning("Skin::ChangeSkin: the skin choice was not recorded: %s", qPrintable(error));
        return;
    }
    if (!path.isEmpty()) {
        const QImage picture = loadPicture(path);
        if (!picture.isNull())
            putPicture(picture);
    }
    RepaintSkin();
}

void Skin::putPicture(const QImage &picture)
{
    m_skin = picture.convertToFormat(QImage::Format_RGB32);
    m_skinPixmap = QPixmap::fromImage(m_skin);
}

void Skin::setSkin(const QImage &picture)
{
    putPicture(picture);
    if (m_attached)
        RepaintSkin();
}

void Skin::setSkinPixmap(const QPixmap &picture)
{
    setSkin(picture.toImage());
}

QColor Skin::GetSkinTheme() const
{
    return m_body.backColor();
}
