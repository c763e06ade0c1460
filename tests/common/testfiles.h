#pragma once

#include <QByteArray>
#include <QDir>
#include <QDirIterator>
#include <QFile>
#include <QFileInfo>
#include <QMap>
#include <QString>
#include <cstring>

// File helpers for tests that build folders and compare them byte for byte.
namespace testfiles {

// Writes a file, creating its folders first.
inline bool write(const QString &path, const QByteArray &bytes)
{
    if (!QDir().mkpath(QFileInfo(path).path()))
        return false;
    QFile file(path);
    return file.open(QIODevice::WriteOnly | QIODevice::Truncate) &&
           file.write(bytes) == bytes.size();
}

inline QByteArray read(const QString &path)
{
    QFile file(path);
    return file.open(QIODevice::ReadOnly) ? file.readAll() : QByteArray();
}

// Everything below `root`: relative paths mapped to their bytes; folders end with "/".
inline QMap<QString, QByteArray> snapshot(const QString &root)
{
    QMap<QString, QByteArray> tree;
    QDirIterator it(root, QDir::AllEntries | QDir::NoDotAndDotDot | QDir::Hidden | QDir::System,
                    QDirIterator::Subdirectories);
    const QDir base(root);
    while (it.hasNext()) {
        const QFileInfo entry(it.next());
        const QString relative = base.relativeFilePath(entry.filePath());
        if (entry.isSymLink())
            tree.insert(relative, "-> " + QFile::encodeName(entry.symLinkTarget()));
        else if (entry.isDir())
            tree.insert(relative + QLatin1Char('/'), {});
        else
            tree.insert(relative, entry.isFile() ? read(entry.filePath()) : "<special>");
    }
    return tree;
}

// The system's text for an error number, as file operations report it.
inline QString systemText(int error)
{
    return QString::fromLocal8Bit(std::strerror(error));
}

} // namespace testfiles
