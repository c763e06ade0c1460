#pragma once

#include "stick/folder.h"

#include <QMap>
#include <QStringList>
#include <functional>

// Drives in memory behind the install's seam, by absolute path. Every call that
// changes or flushes something is recorded ("rename /D/a.orvex-part"), and
// fails with an error number when it is one of `failing`.
class FakeStick final : public orvex::stick::FileSystem
{
public:
    struct Node
    {
        bool folder = false;
        QByteArray bytes;
    };

    // Adds a file, and the folders above it.
    void addFile(const QString &path, const QByteArray &bytes);
    // The tree below `root`: relative paths, folders ending in "/", mapped to their bytes.
    QMap<QString, QByteArray> tree(const QString &root) const;
    orvex::Result<std::unique_ptr<orvex::stick::Folder>> openRoot(const QString &path) override;
    orvex::Status record(const QString &call, const QString &path,
                         const std::function<void()> &apply = {});

    QMap<QString, Node> nodes;
    QStringList calls;
    QMap<QString, int> failing;
    bool userSpace = false; // a file system run by a program, where syncfs does not reach
    bool locked = false;
};
