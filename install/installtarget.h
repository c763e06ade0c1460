#pragma once

#include "payloadplan.h"
#include "result.h"
#include "stick/folder.h"

#include <QByteArray>
#include <QList>
#include <QSet>

namespace orvex {

// The suffix of the temporary name a file is first written under.
inline constexpr char temporarySuffix[] = ".orvex-part";

// The name a file is first written under, beside its place.
QByteArray temporaryName(const QByteArray &name);

// What the install finds on the stick where it will write.
struct InstallTarget
{
    bool commonExists = false; // PSP/COMMON
    bool orvexExists = false;  // PSP/COMMON/Orvex
    // The folders and files the install writes that are in PSP/COMMON/Orvex
    // already, relative to it.
    QSet<QByteArray> existingFolders;
    QSet<QByteArray> existingFiles;
    // Temporary files an interrupted install left, relative to PSP/COMMON/Orvex.
    QList<QByteArray> leftovers;
};

// Checks the target of the copy, PSP/COMMON/Orvex below the open `psp`, before
// anything is written: no link where the install writes, no file where it
// needs a folder or a folder where it needs a file (or a file's temporary),
// and every folder it writes into open to this user's writes. The install
// writes the plan's folders and files, and `ownFiles` in the Orvex folder.
Result<InstallTarget> checkTarget(const stick::Folder &psp, const PayloadPlan &plan,
                                  const QList<QByteArray> &ownFiles = {});

} // namespace orvex
