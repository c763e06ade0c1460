#pragma once

#include "core/result.h"
#include "install/stick/folder.h"

#include <QByteArray>
#include <QList>
#include <QStringList>

namespace orvex {

// What the install copies, read from the payload folder before anything is
// written. Names are the file system's bytes, relative to the payload folder
// and "/"-separated.
struct PayloadPlan
{
    struct File
    {
        QByteArray name;
        qint64 size = 0;
    };
    QList<QByteArray> folders; // parents before their children
    QList<File> files;         // grouped by folder
    qint64 totalBytes = 0;
    // The entries that cannot be installed, one line each, naming the path.
    QStringList problems;
};

// Reads the payload folder `source` and everything in it, one folder open at a
// time. Notes as problems what cannot be installed: links to folders (which
// could loop), special files, names that are not valid text or that the
// stick's FAT file system cannot hold, names of one folder equal but for case,
// files of 4 GiB or more. A link to a file is read as that file.
Result<PayloadPlan> planPayload(const stick::Folder &source);

} // namespace orvex
