#include "installtarget.h"

#include <QFile>
#include <algorithm>

namespace orvex {

namespace {

using stick::EntryKind;

const QByteArray suffix = temporarySuffix;

// A temporary file of an install: "NAME.orvex-part", or "NAME.orvex-partN" as
// earlier versions named them.
bool isTemporaryName(const QByteArray &name)
{
    const qsizetype at = name.lastIndexOf(suffix);
    return at > 0 && std::all_of(name.cbegin() + at + suffix.size(), name.cend(),
                                 [](char c) { return c >= '0' && c <= '9'; });
}

QByteArray joined(const QByteArray &folder, const QByteArray &name)
{
    return folder.isEmpty() ? name : folder + '/' + name;
}

Status linkRefused(const QString &path)
{
    return Status::refusal(path,
                           QStringLiteral("is a link; the installer does not follow links on the "
                                          "drive"));
}

// Checks one folder of the existing target: every name the copy writes into it.
Status checkFolder(const stick::Folder &folder, const QByteArray &relative,
                   const QSet<QByteArray> &wantedFolders, const QSet<QByteArray> &wantedFiles,
                   InstallTarget &target)
{
    if (Status writable = folder.checkWritable(); !writable.ok())
        return writable;
    const Result<QList<QByteArray>> names = folder.names();
    if (!names.ok())
        return names.status();
    for (const QByteArray &name : names.value()) {
        const QByteArray child = joined(relative, name);
        const Result<stick::Entry> entry = folder.entry(name);
        if (!entry.ok())
            return entry.status();
        const EntryKind kind = entry->kind;
        if (isTemporaryName(name)) {
            const QByteArray owner = child.left(child.lastIndexOf(suffix));
            if (kind != EntryKind::Folder)
                target.leftovers.append(child);
            else if (wantedFiles.contains(owner) && name.endsWith(suffix))
                return Status::refusal(
                    folder.pathOf(name),
                    QStringLiteral("is a folder with the name the installer gives the temporary "
                                   "copy of %1; rename or remove it")
                        .arg(QFile::decodeName(name.left(name.size() - suffix.size()))));
            continue;
        }
        const bool wantsFolder = wantedFolders.contains(child);
        const bool wantsFile = wantedFiles.contains(child);
        if (!wantsFolder && !wantsFile)
            continue;
        if (kind == EntryKind::Link)
            return linkRefused(folder.pathOf(name));
        if (wantsFolder && kind != EntryKind::Folder)
            return Status::refusal(folder.pathOf(name), QStringLiteral("is not a folder"));
        if (wantsFile && kind != EntryKind::RegularFile)
            return Status::refusal(folder.pathOf(name), QStringLiteral("is not a regular file"));
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
        return Status::refusal(folder.pathOf(name), QStringLiteral("is not a folder"));
    return entry->kind == EntryKind::Folder;
}

} // namespace

QByteArray temporaryName(const QByteArray &name)
{
    return name + suffix;
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

    const auto top = commonFolder.value()->openFolder("Orvex");
    if (!top.ok())
        return top.status();
    const QSet<QByteArray> wantedFolders(plan.folders.cbegin(), plan.folders.cend());
    QSet<QByteArray> wantedFiles(ownFiles.cbegin(), ownFiles.cend());
    for (const PayloadPlan::File &file : plan.files)
        wantedFiles.insert(file.name);
    if (Status checked = checkFolder(*top.value(), {}, wantedFolders, wantedFiles, target);
        !checked.ok())
        return checked;
    // Parents come before their children, so a folder is looked at only once
    // its parent is known to be there.
    for (const QByteArray &relative : plan.folders) {
        if (!target.existingFolders.contains(relative))
            continue;
        const auto folder = top.value()->openPath(relative);
        if (!folder.ok())
            return folder.status();
        if (Status checked =
                checkFolder(*folder.value(), relative, wantedFolders, wantedFiles, target);
            !checked.ok())
            return checked;
    }
    return target;
}

} // namespace orvex
