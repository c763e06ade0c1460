#include "install/foldercopy.h"

#include "install/writeall.h"

#include <QFile>
#include <QStringList>
#include <algorithm>
#include <filesystem>
#include <optional>
#include <system_error>
#include <vector>

namespace orvex {

namespace fs = std::filesystem;

namespace {

constexpr qint64 chunkSize = 64 * 1024;

fs::path toFsPath(const QString &path)
{
    return fs::path(path.toStdU16String());
}

QString fromFsPath(const fs::path &path)
{
    return QString::fromStdU16String(path.u16string());
}

FileResult failure(const QString &path, const QString &reason)
{
    return FileResult::failure(path + QStringLiteral(": ") + reason);
}

FileResult failure(const QString &path, const std::error_code &error)
{
    return failure(path, QString::fromLocal8Bit(error.message()));
}

QString joined(const QString &folder, const QString &name)
{
    return folder.endsWith(QLatin1Char('/')) ? folder + name : folder + QLatin1Char('/') + name;
}

// What a copy has to do, relative to the copied folder: folders parents first, then files.
struct CopyPlan
{
    QStringList folders;
    QStringList files;
};

// The entry's name as text; none when the name is not valid in the system's encoding.
std::optional<QString> nameOf(const fs::directory_entry &entry)
{
    try {
        return fromFsPath(entry.path().filename());
    } catch (const fs::filesystem_error &) {
        return std::nullopt;
    }
}

FileResult collect(const QString &root, const QString &relative, CopyPlan &plan);

FileResult collectEntry(const QString &root, const QString &relative,
                        const fs::directory_entry &entry, CopyPlan &plan)
{
    const QString path = joined(root, relative);
    std::error_code error;
    const fs::file_status status = entry.status(error);
    if (error)
        return failure(path, error);
    if (fs::is_regular_file(status)) {
        plan.files.append(relative);
        return FileResult::success();
    }
    if (!fs::is_directory(status))
        return failure(path, QStringLiteral("Not a regular file or folder"));
    const bool isLink = entry.is_symlink(error);
    if (error)
        return failure(path, error);
    // Following links to folders could loop for ever.
    if (isLink)
        return failure(path, QStringLiteral("Links to folders are not copied"));
    plan.folders.append(relative);
    return collect(root, relative, plan);
}

// Adds the folder `relative` below `root` and everything in it, in name order, to the plan.
FileResult collect(const QString &root, const QString &relative, CopyPlan &plan)
{
    const QString folder = relative.isEmpty() ? root : joined(root, relative);
    std::error_code error;
    std::vector<fs::directory_entry> entries;
    for (fs::directory_iterator it(toFsPath(folder), error);
         !error && it != fs::directory_iterator(); it.increment(error))
        entries.push_back(*it);
    if (error)
        return failure(folder, error);
    std::sort(entries.begin(), entries.end());

    for (const fs::directory_entry &entry : entries) {
        const std::optional<QString> name = nameOf(entry);
        if (!name)
            return failure(folder, std::make_error_code(std::errc::illegal_byte_sequence));
        const FileResult added =
            collectEntry(root, relative.isEmpty() ? *name : joined(relative, *name), entry, plan);
        if (!added.ok)
            return added;
    }
    return FileResult::success();
}

// Opens a new file beside `target` under a name that no file has yet.
bool openTemporaryBeside(const QString &target, QFile &temporary)
{
    for (int attempt = 1; attempt <= 100; ++attempt) {
        temporary.setFileName(target + QStringLiteral(".orvex-part%1").arg(attempt));
        if (temporary.open(QIODevice::WriteOnly | QIODevice::NewOnly | QIODevice::Unbuffered))
            return true;
        if (!temporary.exists())
            return false;
    }
    return false;
}

// Copies one file's bytes; the old target is replaced only by a complete copy. Failures name
// the file the user knows, never the temporary one.
FileResult copyFile(const QString &sourcePath, const QString &targetPath)
{
    QFile source(sourcePath);
    if (!source.open(QIODevice::ReadOnly))
        return failure(sourcePath, source.errorString());
    QFile temporary;
    if (!openTemporaryBeside(targetPath, temporary))
        return failure(targetPath, temporary.errorString());

    FileResult result;
    for (;;) {
        const QByteArray chunk = source.read(chunkSize);
        if (source.error() != QFileDevice::NoError) {
            result = failure(sourcePath, source.errorString());
            break;
        }
        if (chunk.isEmpty())
            break;
        if (!writeAll(temporary, chunk)) {
            result = failure(targetPath, temporary.errorString());
            break;
        }
    }
    temporary.close();

    std::error_code error;
    if (result.ok) {
        fs::rename(toFsPath(temporary.fileName()), toFsPath(targetPath), error);
        if (error)
            result = failure(targetPath, error);
    }
    if (!result.ok)
        temporary.remove();
    return result;
}

// Why `destination` may not receive a copy of `source`; empty when it may. Both are canonical.
QString overlapReason(const fs::path &source, const fs::path &destination)
{
    if (destination == source.parent_path())
        return QStringLiteral("The destination is the folder being copied");
    if (std::mismatch(source.begin(), source.end(), destination.begin(), destination.end()).first ==
        source.end())
        return QStringLiteral("The destination lies inside the folder being copied");
    return {};
}

} // namespace

FileResult createFolder(const QString &path)
{
    std::error_code error;
    fs::create_directory(toFsPath(path), error);
    return error ? failure(path, error) : FileResult::success();
}

FileResult copyFolderInto(const QString &source, const QString &destinationFolder,
                          const CopyProgressCallback &progress)
{
    std::error_code error;
    const fs::path canonicalSource = fs::canonical(toFsPath(source), error);
    if (error)
        return failure(source, error);
    if (!fs::is_directory(canonicalSource, error))
        return failure(source, std::make_error_code(std::errc::not_a_directory));
    const fs::path canonicalDestination = fs::canonical(toFsPath(destinationFolder), error);
    if (error)
        return failure(destinationFolder, error);
    const QString overlap = overlapReason(canonicalSource, canonicalDestination);
    if (!overlap.isEmpty())
        return failure(destinationFolder, overlap);

    CopyPlan plan;
    FileResult result = collect(source, {}, plan);
    if (!result.ok)
        return result;

    const QString target = joined(destinationFolder, fromFsPath(canonicalSource.filename()));
    result = createFolder(target);
    for (qsizetype i = 0; result.ok && i < plan.folders.size(); ++i)
        result = createFolder(joined(target, plan.folders[i]));

    const int total = int(plan.files.size());
    for (int i = 0; result.ok && i < total; ++i) {
        if (progress)
            progress({i, total, plan.files[i]});
        result = copyFile(joined(source, plan.files[i]), joined(target, plan.files[i]));
    }
    if (result.ok && progress)
        progress({total, total, {}});
    return result;
}

} // namespace orvex
