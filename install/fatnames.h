#pragma once

#include "core/result.h"

#include <QList>
#include <QString>
#include <QStringList>

// What the memory stick's FAT file system can hold and the PSP can read.
namespace orvex::fatnames {

// The largest file FAT can hold: 4 GiB less one byte.
constexpr qint64 largestFile = (qint64(1) << 32) - 1;

// The longest name the installer writes: FAT's 255 UTF-16 units, less the
// suffix of the temporary name each file is first written under.
constexpr int longestName = 244;

// Whether FAT can hold `name`; when not, a refusal that says why in plain words.
Status check(const QString &name);

// The names of one folder that FAT would take for one another: groups of two
// or more that are equal once case-folded, each in the order given.
QList<QStringList> caseCollisions(const QStringList &names);

} // namespace orvex::fatnames
