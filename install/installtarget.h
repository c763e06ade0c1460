#pragma once

#include "core/result.h"
#include "install/payloadplan.h"
#include "install/stick/folder.h"

#include <QByteArray>
#include <QHash>
#include <QList>
#include <QSet>

namespace orvex {

// The suffix of the temporary name a file is first written under.
inline constexpr char temporarySuffix[] = ".orvex-part";

// The name a file is first written under, beside its place.
QByteArray temporaryName(const QByteArray &name);

// A temporary file of an install: "NAME.orvex-part", or "NAME.orvex-partN" as
// earlier versions named them.
bool isTemporaryName(const QByteArray &name);

// `name` as the stick compares names: FAT does not tell case apart.
QString foldedName(const QByteArray &name);

// Checks what stands at the temporary name of the file `name` in `folder`:
// nothing (false), a file an interrupted install left (true), or anything
// else, which is refused.
Result<bool> leftoverAt(const stick::Folder &folder, const QByteArray &name);

// What the install finds on the stick where it will write.
struct InstallTarget
{
    bool commonExists = false; // PSP/COMMON
    bool orvexExists = false;  // PSP/COMMON/Orvex
    // The folders and files the install writes that are in PSP/COMMON/Orvex
    // already, relative to it, spelt as the payload spells them.
    QSet<QByteArray> existingFolders;
    QSet<QByteArray> existingFiles;
    // The installer's own files found in PSP/COMMON/Orvex, whatever their
    // case: the name the install gives each, then the name on the stick.
    QHash<QByteArray, QByteArray> ownFilesFound;
    // Temporary files an interrupted install left, relative to PSP/COMMON/Orvex.
    QList<QByteArray> leftovers;
};

// Checks the target of the copy, PSP/COMMON/Orvex below the open `psp`, before
// anything is written: no link where the install writes, no file where it
// needs a folder or a folder where it needs a file (names compared as FAT
// compares them, without regard to case), nothing but a leftover file at a
// file's temporary name, and every folder it writes into open to this user's
// writes. The install writes the plan's folders and files, and `ownFiles` in
// the Orvex folder.
Result<InstallTarget> checkTarget(const stick::Folder &psp, const PayloadPlan &plan,
                                  const QList<QByteArray> &ownFiles = {});

} // namespace orvex
