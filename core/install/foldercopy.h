#pragma once

#include "install/fileresult.h"
#include "install/stickfolder.h"

#include <QByteArray>
#include <QList>
#include <QString>
#include <atomic>
#include <functional>

namespace orvex {

// Where a folder copy stands: reported before each file and once more at the end.
struct CopyProgress
{
    qint64 bytesDone = 0;
    qint64 bytesTotal = 0;
    QString currentFile; // relative to the copied folder, "/"-separated; empty at the end
};

using CopyProgressCallback = std::function<void(const CopyProgress &)>;

// What a copy reads, gathered before anything is written. Names are the file
// system's bytes, relative to the copied folder and "/"-separated.
struct CopyPlan
{
    struct File
    {
        QByteArray name;
        qint64 size = 0;
    };
    QString source;            // the copied folder, its own link (if any) resolved
    QList<QByteArray> folders; // parents before their children
    QList<File> files;
    qint64 totalBytes = 0;
};

// Reads the folder `source` and everything in it. The folder itself may be a
// link; links to folders inside it (which could loop), special files and names
// that are not valid text are refused.
FileResult planCopy(const QString &source, CopyPlan &plan);

// Checks the copy's target, the folder `name` in `destination`, before anything
// is written: no link anywhere the copy would write, and no file where it needs
// a folder or a folder where it needs a file. Temporary files that an
// interrupted copy left there are added to `leftovers`.
FileResult checkTarget(const stick::Folder &destination, const QByteArray &name,
                       const CopyPlan &plan, QList<QByteArray> &leftovers);

// Copies the plan's bytes (never permissions or owner) into the folder `name`
// in `destination`, replacing files that are there. Each file is written under
// a temporary name, flushed to the device and then renamed over the old one, so
// a failed reinstall never leaves a file truncated; each folder is flushed once
// its files are in place. `leftovers` are removed first. Between files the copy
// stops when `cancel` is set; what was copied by then stays.
FileResult copyTree(const CopyPlan &plan, const stick::Folder &destination, const QByteArray &name,
                    const QList<QByteArray> &leftovers, const CopyProgressCallback &progress = {},
                    const std::atomic<bool> *cancel = nullptr);

} // namespace orvex
