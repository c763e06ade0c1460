#pragma once

#include "../menu/menutestfiles.h"
#include "menu_file/menufile.h"

#include <QByteArray>
#include <QFile>
#include <QString>

// Menu files for the page's tests.
namespace menufixtures {

// The four-line sample of the file format, each line ended by CR LF.
inline const QByteArray &sample = sampleMenuFile;

inline bool write(const QString &path, const QByteArray &bytes)
{
    return writeBytes(path, bytes);
}

inline QByteArray read(const QString &path)
{
    QFile file(path);
    return file.open(QIODevice::ReadOnly) ? file.readAll() : QByteArray("<unreadable>");
}

// Puts a menu file at `path` that exists but cannot be read: one without read
// permission, or, where permissions do not stop the reader (root), a link to a
// file whose reads fail. False when neither works here.
inline bool makeUnreadable(const QString &path)
{
    QFile::remove(path);
    if (write(path, sample) && QFile::setPermissions(path, QFileDevice::WriteOwner) &&
        orvex::menufile::read(path).status == orvex::menufile::ReadStatus::Unreadable)
        return true;
    QFile::remove(path);
    return QFile::link(QStringLiteral("/proc/self/mem"), path) &&
           orvex::menufile::read(path).status == orvex::menufile::ReadStatus::Unreadable;
}

} // namespace menufixtures
