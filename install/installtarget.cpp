#include "install/installtarget.h"

#include <QCoreApplication>
#include <QFile>
#include <QHash>
#include <algorithm>

namespace orvex {

namespace {

using stick::EntryKind;

const QByteArray suffix = temporarySuffix;

QByteArray joined(const QByteArray &folder, const QByteArray &name)
{
    return folder.isEmpty() ? name : folder + '/' + name;
}

QByteArray leafOf(const QByteArray &relative)
{
    return relative.mid(relative.lastIndexOf('/') + 1);
}

QByteArray parentOf(const QByteArray &relative)
{
    const qsizetype slash = relative.lastIndexOf('/');
    return slash < 0 ? QByteArray() : relative.left(slash);
}

Status linkRefused(const QString &path)
{
    return Status::refusal(
        path, QCoreApplication::translate("InstallMessages",
                                          "is a link; the installer does not follow links on the "
                                          "drive"));
}

// Why an entry that is not a file cannot stay under a temporary copy's name.
QString temporaryNameTaken(EntryKind kind, const QByteArray &file)
{
    const char *text =
        kind == EntryKind::Folder
            ? QT_TRANSLATE_NOOP("InstallMessages",
                                "is a folder with the name the installer gives the temporary copy "
                                "of %1; rename or remove it")
        : kind == EntryKind::Link
            ? QT_TRANSLATE_NOOP("InstallMessages",
                                "is a link with the name the installer gives the temporary copy of "
                                "%1; rename or remove it")
            : QT_TRANSLATE_NOOP("InstallMessages",
                                "is a special file with the name the installer gives the temporary "
                                "copy of %1; rename or remove it");
    return QCoreApplication::translate("InstallMessages", text).arg(QFile::decodeName(file));
}

// Why an entry spelt like a wanted one in another case is in the way.
QString caseClash(EntryKind kind, bool wantsFolder, const QByteArray &wanted)
{
    const char *text =
        kind == EntryKind::RegularFile
            ? QT_TRANSLATE_NOOP("InstallMessages",
                                "is a file, where the installer puts the folder %1 (the stick does "
                                "not tell names apart by case); rename or remove it")
        : kind == EntryKind::Folder
            ? QT_TRANSLATE_NOOP("InstallMessages",
                                "is a folder, where the installer puts the file %1 (the stick does "
                                "not tell names apart by case); rename or remove it")
        : wantsFolder
            ? QT_TRANSLATE_NOOP("InstallMessages",
                                "is a special file, where the installer puts the folder %1 (the "
                                "stick does not tell names apart by case); rename or remove it")
            : QT_TRANSLATE_NOOP("InstallMessages",
                                "is a special file, where the installer puts the file %1 (the "
                                "stick does not tell names apart by case); rename or remove it");
    return QCoreApplication::translate("InstallMessages", text).arg(QFile::decodeName(wanted));
}

// What the install writes in one folder: each name as the stick compares it,
// mapped to the name the install gives it, and whether that is a folder.
struct Wanted
{
    QHash<QString, QByteArray> names;
    QSet<QByteArray> folders;
};

// Checks one folder of the existing target: every name the copy writes into it.
Status checkFolder(const stick::Folder &folder, const QByteArray &relative, const Wanted &wanted,
                   InstallTarget &target)
{
    if (Status writable = folder.checkWritable(); !writable.ok())
        return writable;
    const Result<QList<QByteArray>> names = folder.names();
    if (!names.ok())
        return names.status();
    for (const QByteArray &name : names.value()) {
        const auto written = wanted.names.constFind(foldedName(name));
        const bool temporary = isTemporaryName(name);
        if (written == wanted.names.cend() && !temporary)
            continue;
        const Result<stick::Entry> entry = folder.entry(name);
        if (!entry.ok())
            return entry.status();
        const EntryKind kind = entry->kind;
        if (temporary) {
            if (kind == EntryKind::RegularFile) {
                target.leftovers.append(joined(relative, name));
                continue;
            }
            // Only a file's own temporary name is in the way.
            const QByteArray owner = name.left(name.size() - suffix.size());
            const auto file = wanted.names.constFind(foldedName(owner));
            if (name.endsWith(suffix) && file != wanted.names.cend() &&
                !wanted.folders.contains(*file))
                return Status::refusal(folder.pathOf(name),
                                       temporaryNameTaken(kind, leafOf(*file)));
            continue;
        }
        const QByteArray child = *written;
        const QByteArray leaf = leafOf(child);
        const bool wantsFolder = wanted.folders.contains(child);
        if (kind == EntryKind::Link)
            return linkRefused(folder.pathOf(name));
        const EntryKind needed = wantsFolder ? EntryKind::Folder : EntryKind::RegularFile;
        if (kind != needed) {
            if (name == leaf)
                return Status::refusal(
                    folder.pathOf(name),
                    wantsFolder
                        ? QCoreApplication::translate("InstallMessages", "is not a folder")
                        : QCoreApplication::translate("InstallMessages", "is not a regular file"));
            return Status::refusal(folder.pathOf(name), caseClash(kind, wantsFolder, leaf));
        }
        if (relative.isEmpty() && target.ownFilesFound.contains(leaf) && !wantsFolder)
            target.ownFilesFound[leaf] = name;
        // Spelt otherwise, it is the same entry only where the file system ignores case.
        if (name != leaf) {
            const Result<stick::Entry> same = folder.entry(leaf);
            if (!same.ok())
                return same.status();
            if (same->kind == EntryKind::Missing)
                continue;
        }
        (wantsFolder ? target.existingFolders : target.existingFiles).insert(child);
    }
    return {};
}

// Whether `name` in `folder` is a folder: a link there is refused.
Result<bool> holdsFolder(const stick::Folder &folder, const QByteArray &name)
{
    const Result<stick::Entry> entry = folder.entry(name);
    if (!entry.ok())
        return entry.status();
    if (entry->kind == EntryKind::Link)
        return linkRefused(folder.pathOf(name));
    if (entry->kind != EntryKind::Missing && entry->kind != EntryKind::Folder)
        return Status::refusal(folder.pathOf(name),
                               QCoreApplication::translate("InstallMessages", "is not a folder"));
    return entry->kind == EntryKind::Folder;
}

} // namespace

QByteArray temporaryName(const QByteArray &name)
{
    return name + suffix;
}

bool isTemporaryName(const QByteArray &name)
{
    const qsizetype at = name.lastIndexOf(suffix);
    return at > 0 && std::all_of(name.cbegin() + at + suffix.size(), name.cend(),
                                 [](char c) { return c >= '0' && c <= '9'; });
}

QString foldedName(const QByteArray &name)
{
    return QFile::decodeName(name).toCaseFolded();
}

Result<bool> leftoverAt(const stick::Folder &folder, const QByteArray &name)
{
    const QByteArray temporary = temporaryName(name);
    const Result<stick::Entry> entry = folder.entry(temporary);
    if (!entry.ok())
        return entry.status();
    if (entry->kind == EntryKind::Missing || entry->kind == EntryKind::RegularFile)
        return entry->kind == EntryKind::RegularFile;
    return Status::refusal(folder.pathOf(temporary), temporaryNameTaken(entry->kind, name));
}

Result<InstallTarget> checkTarget(const stick::Folder &psp, const PayloadPlan &plan,
                                  const QList<QByteArray> &ownFiles)
{
    InstallTarget target;
    const Result<bool> common = holdsFolder(psp, "COMMON");
    if (!common.ok())
        return common.status();
    target.commonExists = common.value();
    if (!target.commonExists) {
        if (Status writable = psp.checkWritable(); !writable.ok())
            return writable;
        return target;
    }
    const auto commonFolder = psp.openFolder("COMMON");
    if (!commonFolder.ok())
        return commonFolder.status();
    if (Status writable = commonFolder.value()->checkWritable(); !writable.ok())
        return writable;
    const Result<bool> orvex = holdsFolder(*commonFolder.value(), "Orvex");
    if (!orvex.ok())
        return orvex.status();
    target.orvexExists = orvex.value();
    if (!target.orvexExists)
        return target;

    // Each folder's wanted names, keyed by the folder.
    QHash<QByteArray, Wanted> wanted;
    for (const QByteArray &folder : plan.folders) {
        Wanted &in = wanted[parentOf(folder)];
        in.names.insert(foldedName(leafOf(folder)), folder);
        in.folders.insert(folder);
    }
    for (const PayloadPlan::File &file : plan.files)
        wanted[parentOf(file.name)].names.insert(foldedName(leafOf(file.name)), file.name);
    for (const QByteArray &own : ownFiles) {
        wanted[{}].names.insert(foldedName(own), own);
        target.ownFilesFound.insert(own, {});
    }

    const auto top = commonFolder.value()->openFolder("Orvex");
    if (!top.ok())
        return top.status();
    if (Status checked = checkFolder(*top.value(), {}, wanted.value({}), target); !checked.ok())
        return checked;
    for (auto it = target.ownFilesFound.begin(); it != target.ownFilesFound.end();) {
        it = it->isEmpty() ? target.ownFilesFound.erase(it) : std::next(it);
    }
    // Parents come before their children, so a folder is looked at only once
    // its parent is known to be there.
    for (const QByteArray &relative : plan.folders) {
        if (!target.existingFolders.contains(relative))
            continue;
        const auto folder = top.value()->openPath(relative);
        if (!folder.ok())
            return folder.status();
        if (Status checked = checkFolder(*folder.value(), relative, wanted.value(relative), target);
            !checked.ok())
            return checked;
    }
    return target;
}

} // namespace orvex
