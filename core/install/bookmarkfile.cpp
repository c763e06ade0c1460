#include "install/bookmarkfile.h"

#include "text/textlines.h"

#include <cerrno>
#include <fcntl.h>
#include <sys/stat.h>
#include <unistd.h>

namespace orvex {

namespace {

bool readAll(int fd, qint64 size, QByteArray &bytes)
{
    bytes.resize(size);
    for (qint64 done = 0; done < size;) {
        const ssize_t count = ::pread(fd, bytes.data() + done, size - done, done);
        if (count < 0 && errno == EINTR)
            continue;
        if (count <= 0)
            return false;
        done += count;
    }
    return true;
}

} // namespace

FileResult checkBookmarksFile(const stick::Folder &browser, const QByteArray &name)
{
    switch (browser.kindOf(name)) {
    case stick::EntryKind::Missing:
    case stick::EntryKind::RegularFile:
        return FileResult::success();
    case stick::EntryKind::Link:
        return stick::linkRefused(browser.pathOf(name));
    case stick::EntryKind::Folder:
    case stick::EntryKind::Other:
        break;
    }
    return stick::failure(browser.pathOf(name), QStringLiteral("is not a regular file"));
}

FileResult addBookmarkLine(const stick::Folder &browser, const QByteArray &name,
                           const QString &line, bool &alreadyPresent)
{
    alreadyPresent = false;
    const QString path = browser.pathOf(name);
    if (const FileResult checked = checkBookmarksFile(browser, name); !checked.ok)
        return checked;
    const bool creating = browser.kindOf(name) == stick::EntryKind::Missing;
    // Never blocks on a pipe swapped in meanwhile, never follows a link.
    const int fd = ::openat(
        browser.fd(), name.constData(),
        O_RDWR | O_NOFOLLOW | O_NONBLOCK | O_CLOEXEC | (creating ? O_CREAT | O_EXCL : 0), 0666);
    if (fd < 0)
        return stick::failure(path, errno);

    FileResult result;
    struct stat status;
    QByteArray old;
    if (::fstat(fd, &status) != 0) {
        result = stick::failure(path, errno);
    } else if (!S_ISREG(status.st_mode)) {
        result = stick::failure(path, QStringLiteral("is not a regular file"));
    } else if (!readAll(fd, status.st_size, old)) {
        result = stick::failure(path, errno);
    } else if (textlines::split(old).contains(line)) {
        alreadyPresent = true;
    } else {
        QByteArray bytes = textlines::encodeLine(line);
        if (!old.isEmpty() && !old.endsWith('\r') && !old.endsWith('\n'))
            bytes.prepend("\r\n");
        if (::lseek(fd, 0, SEEK_END) < 0 ||
            !stick::writeAll(fd, bytes.constData(), std::size_t(bytes.size())) ||
            ::fsync(fd) != 0) {
            const int error = errno;
            const bool restored = creating ? ::unlinkat(browser.fd(), name.constData(), 0) == 0
                                           : ::ftruncate(fd, status.st_size) == 0;
            result = stick::failure(path, error);
            if (!restored)
                result.reason += QStringLiteral(" (the file could not be restored)");
        }
    }
    if (::close(fd) != 0 && result.ok && !alreadyPresent)
        result = stick::failure(path, errno);
    if (result.ok && creating && !alreadyPresent)
        result = browser.flush();
    return result;
}

} // namespace orvex
