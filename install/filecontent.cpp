#include "install/filecontent.h"

#include <QCoreApplication>
#include <algorithm>
#include <cstring>
#include <vector>

namespace orvex {

namespace {

constexpr qint64 blockSize = 256 * 1024;

Status notKept(const QString &shownName)
{
    return Status::refusal(
        {}, QCoreApplication::translate("InstallMessages",
                                        "The stick did not keep what was written to %1: it "
                                        "may be failing or not as large as it says.")
                .arg(shownName));
}

} // namespace

ByteSource bytesSource(QByteArray bytes)
{
    return [bytes = std::move(bytes)](const ByteSink &sink) {
        return sink(bytes);
    };
}

Status readBlocks(stick::File &file, qint64 size, const ByteSink &sink)
{
    std::vector<char> block(std::size_t(std::clamp<qint64>(size, 1, blockSize)));
    for (qint64 offset = 0; offset < size;) {
        const qint64 wanted = std::min(qint64(block.size()), size - offset);
        const Result<qint64> count = file.read(block.data(), wanted, offset);
        if (!count.ok())
            return count.status();
        if (count.value() < wanted)
            return Status::refusal(
                file.path(),
                QCoreApplication::translate("InstallMessages",
                                            "fewer bytes could be read than the file holds"));
        if (Status taken = sink(QByteArrayView(block.data(), wanted)); !taken.ok())
            return taken;
        offset += wanted;
    }
    return {};
}

Status readBack(stick::File &written, const ByteSource &expected, const QString &shownName,
                qint64 from)
{
    std::vector<char> kept;
    qint64 offset = from;
    Status compared = expected([&](QByteArrayView bytes) -> Status {
        kept.resize(std::max(kept.size(), std::size_t(bytes.size())));
        const Result<qint64> count = written.read(kept.data(), bytes.size(), offset);
        if (!count.ok())
            return count.status();
        if (count.value() != bytes.size() ||
            std::memcmp(kept.data(), bytes.data(), std::size_t(bytes.size())) != 0)
            return notKept(shownName);
        offset += bytes.size();
        return {};
    });
    if (!compared.ok())
        return compared;
    // Nothing may follow what was meant.
    char extra;
    const Result<qint64> more = written.read(&extra, 1, offset);
    if (!more.ok())
        return more.status();
    return more.value() == 0 ? Status() : notKept(shownName);
}

} // namespace orvex
