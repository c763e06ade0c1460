#include "fakestick.h"

using namespace Qt::StringLiterals;

using namespace orvex;
using namespace orvex::stick;

namespace {

// The real `Base` below, shown as `path`, its calls recorded on `stick`.
template <typename Base> class Fake : public Base
{
public:
    Fake(FakeStick &stick, QString path, std::unique_ptr<Base> real)
        : m_stick(stick), m_path(std::move(path)), m_real(std::move(real))
    {
    }
    const QString &path() const override { return m_path; }

protected:
    FakeStick &m_stick;
    QString m_path;
    std::unique_ptr<Base> m_real;
};

class FakeFile final : public Fake<File>
{
public:
    using Fake::Fake;
    Result<qint64> read(char *into, qint64 size, qint64 offset) override
    {
        Result<qint64> count = m_stick.shown(m_real->read(into, size, offset));
        if (count.ok() && count.value() > 0 && m_stick.forgetful.contains(m_path))
            into[0] = char(~into[0]);
        return count;
    }
    Status write(const char *bytes, qint64 size) override
    {
        return m_stick.record(u"write"_s, m_path, [&] { return m_real->write(bytes, size); });
    }
    Result<Entry> status() override { return m_stick.shown(m_real->status()); }
    Status takeModeAndOwner(const Entry &like) override
    {
        return m_stick.record(u"chmod"_s, m_path, [&] { return m_real->takeModeAndOwner(like); });
    }
    Status truncate(qint64 size) override
    {
        return m_stick.record(u"truncate"_s, m_path, [&] { return m_real->truncate(size); });
    }
    Status flush() override { return m_stick.record(u"fsync"_s, m_path); }
    Status dropCache() override { return m_real->dropCache(); }
    Status close() override
    {
        return m_stick.record(u"close"_s, m_path, [&] { return m_real->close(); });
    }
};

class FakeFolder final : public Fake<Folder>
{
public:
    using Fake::Fake;
    using Folder::entry;
    Result<Entry> entry(const QByteArray &name, bool followLink) const override
    {
        return m_stick.shown(m_real->entry(name, followLink));
    }
    Result<QList<QByteArray>> names() const override { return m_stick.shown(m_real->names()); }
    Result<std::unique_ptr<Folder>> openFolder(const QByteArray &name) const override
    {
        auto real = m_real->openFolder(name);
        if (!real.ok())
            return m_stick.shown(real.status());
        return std::unique_ptr<Folder>(std::make_unique<FakeFolder>(
            m_stick, name == "." ? m_path : pathOf(name), std::move(real.value())));
    }
    Result<std::unique_ptr<File>> openFile(const QByteArray &name, Open how) override
    {
        std::optional<Result<std::unique_ptr<File>>> real;
        const auto open = [&] {
            return m_stick.shown(real.emplace(m_real->openFile(name, how)).status());
        };
        if (Status opened =
                how == Open::CreateNew ? m_stick.record(u"create"_s, pathOf(name), open) : open();
            !opened.ok())
            return opened;
        return std::unique_ptr<File>(
            std::make_unique<FakeFile>(m_stick, pathOf(name), std::move(real->value())));
    }
    Status makeFolder(const QByteArray &name) override
    {
        return m_stick.record(u"mkdir"_s, pathOf(name), [&] { return m_real->makeFolder(name); });
    }
    Status rename(const QByteArray &from, const QByteArray &to) override
    {
        return m_stick.record(u"rename"_s, pathOf(from), [&] { return m_real->rename(from, to); });
    }
    Status removeFile(const QByteArray &name) override
    {
        return m_stick.record(u"unlink"_s, pathOf(name), [&] { return m_real->removeFile(name); });
    }
    Status removeFolder(const QByteArray &name) override
    {
        return m_stick.record(u"rmdir"_s, pathOf(name), [&] { return m_real->removeFolder(name); });
    }
    Status checkWritable() const override { return m_stick.shown(m_real->checkWritable()); }
    Status flush() override { return m_stick.record(u"fsync"_s, m_path); }
    Status flushFileSystem() override { return m_stick.record(u"syncfs"_s, m_path); }
    Status lock() override { return m_real->lock(); }
    Result<Space> space() const override { return m_real->space(); }
    FileSystemKind fileSystemKind() const override { return m_stick.kind; }
    QString realPath() const override { return m_real->realPath(); }
};

} // namespace

Result<std::unique_ptr<Folder>> FakeStick::openRoot(const QString &path)
{
    auto real = systemFileSystem().openRoot(this->real(path));
    if (!real.ok())
        return shown(real.status());
    return std::unique_ptr<Folder>(
        std::make_unique<FakeFolder>(*this, path, std::move(real.value())));
}

Status FakeStick::shown(Status status) const
{
    if (status.ok() || status.isCancelled())
        return status;
    Failure failure = status.failure();
    if (failure.path.startsWith(m_root.path()))
        failure.path = failure.path.mid(m_root.path().size());
    return failure;
}

Status FakeStick::record(const QString &call, const QString &path,
                         const std::function<Status()> &apply)
{
    calls.append(call + u' ' + path);
    const auto failure = failing.constFind(calls.last());
    if (failure != failing.cend())
        return Status::systemError(path, *failure);
    return apply ? apply() : Status();
}
