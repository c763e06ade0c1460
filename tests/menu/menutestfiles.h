#pragma once

#include <QByteArray>
#include <QFile>
#include <QString>

// The four-line sample menu file, in CR LF form.
inline const QByteArray sampleMenuFile = "FileMenu!File\r\n"
                                         "OpenItem!....Open\r\n"
                                         "WaitItem!........Wait....\r\n"
                                         "HelpMenu!Help!\r\n";

inline bool writeBytes(const QString &filePath, const QByteArray &bytes)
{
    QFile file(filePath);
    return file.open(QIODevice::WriteOnly) && file.write(bytes) == bytes.size();
}

inline QByteArray readBytes(const QString &filePath)
{
    QFile file(filePath);
    return file.open(QIODevice::ReadOnly) ? file.readAll() : QByteArray();
}
