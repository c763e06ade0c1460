#include "install/installedlist.h"

#include <algorithm>

namespace orvex::installedlist {

namespace {

// Far more than the list of any payload a stick holds.
constexpr qint64 largestList = 4 * 1024 * 1024;

bool isPlainRelative(const QByteArray &path)
{
    const QList<QByteArray> parts = path.split('/');
    return std::none_of(parts.cbegin(), parts.cend(), [](const QByteArray &part) {
        return part.isEmpty() || part == "." || part == "..";
    });
}

} // namespace

QByteArray text(const PayloadPlan &plan)
{
    QByteArray list;
    for (const QByteArray &folder : plan.folders)
        list += folder + "/\r\n";
    for (const PayloadPlan::File &file : plan.files)
        list += file.name + "\r\n";
    return list;
}

Listed parse(const QByteArray &text)
{
    Listed listed;
    for (QByteArray line : text.split('\n')) {
        if (line.endsWith('\r'))
            line.chop(1);
        const bool folder = line.endsWith('/');
        if (folder)
            line.chop(1);
        if (isPlainRelative(line))
            (folder ? listed.folders : listed.files).append(line);
    }
    return listed;
}

Result<std::optional<Listed>> read(stick::Folder &folder, const QByteArray &name)
{
    auto list = folder.openFile(name, stick::Open::Read);
    if (!list.ok())
        return list.status();
    const Result<stick::Entry> entry = list.value()->status();
    if (!entry.ok())
        return entry.status();
    if (entry->size > largestList)
        return std::optional<Listed>();
    QByteArray text(entry->size, '\0');
    const Result<qint64> count = list.value()->read(text.data(), text.size(), 0);
    if (!count.ok())
        return count.status();
    text.truncate(count.value());
    return std::optional<Listed>(parse(text));
}

} // namespace orvex::installedlist
