#include "install/foldercopy.h"

#include <QFile>
#include <QSet>
#include <algorithm>
#include <cerrno>
#include <dirent.h>
#include <fcntl.h>
#include <filesystem>
#include <map>
#include <memory>
#include <sys/stat.h>
#include <unistd.h>
#include <vector>

namespace orvex {

namespace fs = std::filesystem;
using stick::EntryKind;
using stick::Folder;

namespace {

constexpr std::size_t chunkSize = 256 * 1024;
const QByteArray partSuffix = ".orvex-part";

// A temporary file of a copy: "NAME.orvex-part", or "NAME.orvex-partN" as
// earlier versions named them.
bool isPartName(const QByteArray &name)
{
    const qsizetype at = name.lastIndexOf(partSuffix);
    return at > 0 && std::all_of(name.cbegin() + at + partSuffix.size(), name.cend(),
                                 [](char c) { return c >= '0' && c <= '9'; });
}

QByteArray joined(const QByteArray &folder, const QByteArray &name)
{
    return folder.isEmpty() ? name : folder + '/' + name;
}

QString displayPath(const QString &root, const QByteArray &relative)
{
    return relative.isEmpty() ? root : root + QLatin1Char('/') + QFile::decodeName(relative);
}

// A name is kept as text in messages and on the stick: its bytes must read
// back unchanged through the system's encoding.
bool isValidText(const QByteArray &name)
{
    return QFile::encodeName(QFile::decodeName(name)) == name;
}

// The names in a folder opened at `fd`, in byte order, without "." and "..".
bool listNames(int fd, QList<QByteArray> &names)
{
    const int copy = ::dup(fd);
    if (copy < 0)
        return false;
    const std::unique_ptr<DIR, int (*)(DIR *)> folder(::fdopendir(copy), ::closedir);
    if (!folder) {
        ::close(copy);
        return false;
    }
    errno = 0;
    while (const dirent *entry = ::readdir(folder.get())) {
        const QByteArray name(entry->d_name);
        if (name != "." && name != "..")
            names.append(name);
    }
    std::sort(names.begin(), names.end());
    return errno == 0;
}

FileResult collect(const QString &root, const QByteArray &relative, CopyPlan &plan)
{
    const QString folder = displayPath(root, relative);
    const int fd =
        ::open(QFile::encodeName(folder).constData(), O_RDONLY | O_DIRECTORY | O_CLOEXEC);
    if (fd < 0)
        return stick::failure(folder, errno);
    QList<QByteArray> names;
    const bool listed = listNames(fd, names);
    const int listError = errno;
    ::close(fd);
    if (!listed)
        return stick::failure(folder, listError);

    for (const QByteArray &name : names) {
        const QByteArray child = joined(relative, name);
        const QString path = displayPath(root, child);
        if (!isValidText(name))
            return stick::failure(path, QStringLiteral("the name is not valid text"));
        struct stat link, target;
        if (::lstat(QFile::encodeName(path).constData(), &link) != 0 ||
            ::stat(QFile::encodeName(path).constData(), &target) != 0)
            return stick::failure(path, errno);
        if (S_ISREG(target.st_mode)) {
            plan.files.append({child, qint64(target.st_size)});
            plan.totalBytes += target.st_size;
        } else if (!S_ISDIR(target.st_mode)) {
            return stick::failure(path, QStringLiteral("not a regular file or folder"));
        } else if (S_ISLNK(link.st_mode)) {
            return stick::failure(path, QStringLiteral("links to folders are not copied"));
        } else {
            plan.folders.append(child);
            if (const FileResult added = collect(root, child, plan); !added.ok)
                return added;
        }
    }
    return FileResult::success();
}

// Copies one file into the open folder `into` under `name`: temporary file,
// bytes, flush, checked close, rename. Failures name the file the user knows.
FileResult copyFile(const QString &sourcePath, const Folder &into, const QByteArray &name,
                    std::vector<char> &buffer)
{
    const QString targetPath = into.pathOf(name);
    const QByteArray part = name + partSuffix;
    const int source = ::open(QFile::encodeName(sourcePath).constData(), O_RDONLY | O_CLOEXEC);
    if (source < 0)
        return stick::failure(sourcePath, errno);
    ::unlinkat(into.fd(), part.constData(), 0);
    const int target = ::openat(into.fd(), part.constData(),
                                O_WRONLY | O_CREAT | O_EXCL | O_NOFOLLOW | O_CLOEXEC, 0666);
    if (target < 0) {
        const int error = errno;
        ::close(source);
        return stick::failure(targetPath, error);
    }

    FileResult result;
    // The kernel copies the bytes itself where both file systems let it; the
    // first refusal (before any byte moved) falls back to reading and writing.
    bool inKernel = true;
    for (;;) {
        if (inKernel) {
            const ssize_t count = ::copy_file_range(source, nullptr, target, nullptr, chunkSize, 0);
            if (count > 0)
                continue;
            if (count == 0)
                break;
            if (errno == EINTR)
                continue;
            if (errno != EXDEV && errno != ENOSYS && errno != EINVAL && errno != EOPNOTSUPP) {
                result = stick::failure(targetPath, errno);
                break;
            }
            inKernel = false;
        }
        const ssize_t count = ::read(source, buffer.data(), buffer.size());
        if (count < 0 && errno == EINTR)
            continue;
        if (count < 0) {
            result = stick::failure(sourcePath, errno);
            break;
        }
        if (count == 0)
            break;
        if (!stick::writeAll(target, buffer.data(), std::size_t(count))) {
            result = stick::failure(targetPath, errno);
            break;
        }
    }
    ::close(source);
    if (result.ok && ::fsync(target) != 0)
        result = stick::failure(targetPath, errno);
    if (::close(target) != 0 && result.ok)
        result = stick::failure(targetPath, errno);
    if (result.ok && ::renameat(into.fd(), part.constData(), into.fd(), name.constData()) != 0)
        result = stick::failure(targetPath, errno);
    if (!result.ok)
        ::unlinkat(into.fd(), part.constData(), 0);
    return result;
}

// Opens the folder `relative` below `top` one level at a time, never following a link.
Folder openBelow(const Folder &top, const QByteArray &relative, FileResult &result)
{
    Folder folder;
    const Folder *parent = &top;
    for (const QByteArray &part : relative.split('/')) {
        folder = parent->open(part, result);
        if (!result.ok)
            return {};
        parent = &folder;
    }
    return folder;
}

// What the copy writes, for look-ups while the target is checked.
struct TargetNames
{
    QSet<QByteArray> folders;
    QSet<QByteArray> files;
};

// Checks one folder of the existing target: every name the copy writes into it.
FileResult checkFolder(const Folder &folder, const TargetNames &wanted, const QByteArray &relative,
                       QList<QByteArray> &leftovers)
{
    QList<QByteArray> names;
    if (!listNames(folder.fd(), names))
        return stick::failure(folder.path(), errno);
    for (const QByteArray &name : names) {
        const QByteArray child = joined(relative, name);
        // A folder under such a name is not one of ours: it stays.
        if (isPartName(name) && folder.kindOf(name) != EntryKind::Folder) {
            leftovers.append(child);
            continue;
        }
        const bool wantsFolder = wanted.folders.contains(child);
        const bool wantsFile = wanted.files.contains(child);
        if (!wantsFolder && !wantsFile)
            continue;
        const EntryKind kind = folder.kindOf(name);
        if (kind == EntryKind::Link)
            return stick::linkRefused(folder.pathOf(name));
        if (wantsFolder && kind != EntryKind::Folder)
            return stick::failure(folder.pathOf(name), QStringLiteral("is not a folder"));
        if (wantsFile && kind != EntryKind::RegularFile)
            return stick::failure(folder.pathOf(name), QStringLiteral("is not a regular file"));
    }
    return FileResult::success();
}

} // namespace

FileResult planCopy(const QString &source, CopyPlan &plan)
{
    plan = {};
    std::error_code error;
    const fs::path resolved =
        fs::canonical(fs::path(QFile::encodeName(source).toStdString()), error);
    if (error)
        return stick::failure(source, error.value());
    plan.source = QFile::decodeName(QByteArray::fromStdString(resolved.native()));
    if (!fs::is_directory(resolved, error))
        return stick::failure(source, ENOTDIR);
    return collect(plan.source, {}, plan);
}

FileResult checkTarget(const Folder &destination, const QByteArray &name, const CopyPlan &plan,
                       QList<QByteArray> &leftovers)
{
    const EntryKind kind = destination.kindOf(name);
    if (kind == EntryKind::Missing)
        return FileResult::success();
    FileResult result;
    const Folder top = destination.open(name, result);
    if (!result.ok)
        return result;
    TargetNames wanted;
    wanted.folders = QSet<QByteArray>(plan.folders.cbegin(), plan.folders.cend());
    for (const CopyPlan::File &file : plan.files)
        wanted.files.insert(file.name);
    result = checkFolder(top, wanted, {}, leftovers);
    // Folders the target has already, parents before children; the others are new.
    std::map<QByteArray, Folder> present;
    for (const QByteArray &relative : plan.folders) {
        if (!result.ok)
            break;
        const qsizetype slash = relative.lastIndexOf('/');
        const auto parent = present.find(relative.left(slash));
        if (slash >= 0 && parent == present.end())
            continue;
        const Folder &in = slash < 0 ? top : parent->second;
        const QByteArray leaf = relative.mid(slash + 1);
        if (in.kindOf(leaf) != EntryKind::Folder)
            continue;
        Folder folder = in.open(leaf, result);
        if (result.ok)
            result = checkFolder(folder, wanted, relative, leftovers);
        present.emplace(relative, std::move(folder));
    }
    return result;
}

FileResult copyTree(const CopyPlan &plan, const Folder &destination, const QByteArray &name,
                    const QList<QByteArray> &leftovers, const CopyProgressCallback &progress,
                    const std::atomic<bool> *cancel)
{
    FileResult result;
    const Folder top = destination.openOrCreate(name, result);
    if (!result.ok)
        return result;
    for (const QByteArray &leftover : leftovers) {
        const qsizetype slash = leftover.lastIndexOf('/');
        const Folder parent = slash < 0 ? Folder() : openBelow(top, leftover.left(slash), result);
        if (!result.ok)
            return result;
        const Folder &in = slash < 0 ? top : parent;
        if (::unlinkat(in.fd(), leftover.mid(slash + 1).constData(), 0) != 0 && errno != ENOENT)
            return stick::failure(in.pathOf(leftover.mid(slash + 1)), errno);
    }

    // Folders are created parents first; each file goes into its open folder.
    std::vector<Folder> folders;
    folders.reserve(std::size_t(plan.folders.size()));
    for (const QByteArray &relative : plan.folders) {
        const qsizetype slash = relative.lastIndexOf('/');
        const Folder *parent = &top;
        if (slash >= 0) {
            const QByteArray parentName = relative.left(slash);
            parent = &folders[std::size_t(plan.folders.indexOf(parentName))];
        }
        folders.push_back(parent->openOrCreate(relative.mid(slash + 1), result));
        if (!result.ok)
            return result;
    }

    std::vector<char> buffer(chunkSize);
    qint64 done = 0;
    for (const CopyPlan::File &file : plan.files) {
        if (cancel && cancel->load())
            return FileResult::cancel();
        if (progress)
            progress({done, plan.totalBytes, QFile::decodeName(file.name)});
        const qsizetype slash = file.name.lastIndexOf('/');
        const Folder &into =
            slash < 0 ? top : folders[std::size_t(plan.folders.indexOf(file.name.left(slash)))];
        result =
            copyFile(displayPath(plan.source, file.name), into, file.name.mid(slash + 1), buffer);
        if (!result.ok)
            return result;
        done += file.size;
    }
    for (auto it = folders.rbegin(); result.ok && it != folders.rend(); ++it)
        result = it->flush();
    if (result.ok)
        result = top.flush();
    if (result.ok && progress)
        progress({plan.totalBytes, plan.totalBytes, {}});
    return result;
}

} // namespace orvex
