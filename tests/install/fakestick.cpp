#include "fakestick.h"

#include <QFile>
#include <cerrno>

using namespace orvex;
using namespace orvex::stick;

namespace {

QString childOf(const QString &folder, const QByteArray &name)
{
    return name == "." ? folder : folder + '/' + QFile::decodeName(name);
}

class FakeFile final : public File
{
public:
    FakeFile(FakeStick &stick, QString path) : m_stick(stick), m_path(std::move(path)) {}

    const QString &path() const override { return m_path; }
    Result<qint64> read(char *into, qint64 size, qint64 offset) override
    {
        const QByteArray part = bytes().mid(offset, size);
        std::copy(part.cbegin(), part.cend(), into);
        return part.size();
    }
    Status write(const char *data, qint64 size) override
    {
        return m_stick.record("write", m_path, [&] { bytes().append(data, size); });
    }
    Status copyFrom(File &source, qint64 size) override
    {
        QByteArray data(size, '\0');
        const Result<qint64> read = source.read(data.data(), size, 0);
        return read.ok() ? write(data.constData(), size) : read.status();
    }
    Result<Entry> status() override { return Entry{EntryKind::RegularFile, bytes().size(), 1}; }
    Status truncate(qint64 size) override
    {
        return m_stick.record("truncate", m_path, [&] { bytes().truncate(size); });
    }
    Status flush() override { return m_stick.record("fsync", m_path); }
    Status close() override { return m_stick.record("close", m_path); }

private:
    QByteArray &bytes() { return m_stick.nodes[m_path].bytes; }

    FakeStick &m_stick;
    QString m_path;
};

class FakeFolder final : public Folder
{
public:
    FakeFolder(FakeStick &stick, QString path) : m_stick(stick), m_path(std::move(path)) {}
    ~FakeFolder() override
    {
        if (m_holdsLock)
            m_stick.locked = false;
    }

    const QString &path() const override { return m_path; }
    using Folder::entry;
    Result<Entry> entry(const QByteArray &name, bool) const override
    {
        const auto node = m_stick.nodes.constFind(childOf(m_path, name));
        if (node == m_stick.nodes.cend())
            return Entry{};
        return Entry{node->folder ? EntryKind::Folder : EntryKind::RegularFile, node->bytes.size(),
                     1};
    }
    Result<QList<QByteArray>> names() const override
    {
        QList<QByteArray> names;
        const QString prefix = m_path + '/';
        for (const QString &path : m_stick.nodes.keys()) {
            if (path.startsWith(prefix) && !path.mid(prefix.size()).contains('/'))
                names.append(QFile::encodeName(path.mid(prefix.size())));
        }
        return names;
    }
    Result<std::unique_ptr<Folder>> openFolder(const QByteArray &name) const override
    {
        return m_stick.openRoot(childOf(m_path, name));
    }
    Result<std::unique_ptr<File>> openFile(const QByteArray &name, Open how) override
    {
        const QString path = childOf(m_path, name);
        const bool exists = m_stick.nodes.contains(path);
        if (exists == (how == Open::CreateNew))
            return Status::systemError(path, exists ? EEXIST : ENOENT);
        const Status created =
            exists ? Status() : m_stick.record("create", path, [&] { m_stick.nodes[path] = {}; });
        if (!created.ok())
            return created;
        return std::unique_ptr<File>(std::make_unique<FakeFile>(m_stick, path));
    }
    Status makeFolder(const QByteArray &name) override
    {
        const QString path = childOf(m_path, name);
        return m_stick.record("mkdir", path, [&] { m_stick.nodes.insert(path, {true, {}}); });
    }
    Status rename(const QByteArray &from, const QByteArray &to) override
    {
        const QString path = childOf(m_path, from);
        return m_stick.record("rename", path, [&] {
            m_stick.nodes.insert(childOf(m_path, to), m_stick.nodes.take(path));
        });
    }
    Status removeFile(const QByteArray &name) override { return remove("unlink", name); }
    Status removeFolder(const QByteArray &name) override
    {
        const QString path = childOf(m_path, name);
        if (!m_stick.tree(path).isEmpty())
            return Status::systemError(path, ENOTEMPTY);
        return remove("rmdir", name);
    }
    Status checkWritable() const override { return {}; }
    Status flush() override { return m_stick.record("fsync", m_path); }
    Status flushFileSystem() override { return m_stick.record("syncfs", m_path); }
    Status lock() override
    {
        if (m_stick.locked)
            return Status::systemError(m_path, EWOULDBLOCK);
        m_stick.locked = m_holdsLock = true;
        return {};
    }
    Result<Space> space() const override { return Space{4096, 1 << 20}; }
    bool isUserSpaceFileSystem() const override { return m_stick.userSpace; }
    QString realPath() const override { return m_path; }

private:
    Status remove(const QString &call, const QByteArray &name)
    {
        const QString path = childOf(m_path, name);
        return m_stick.record(call, path, [&] { m_stick.nodes.remove(path); });
    }

    FakeStick &m_stick;
    QString m_path;
    bool m_holdsLock = false;
};

} // namespace

void FakeStick::addFile(const QString &path, const QByteArray &bytes)
{
    for (qsizetype slash = path.indexOf('/', 1); slash > 0; slash = path.indexOf('/', slash + 1))
        nodes.insert(path.left(slash), {true, {}});
    nodes.insert(path, {false, bytes});
}

QMap<QString, QByteArray> FakeStick::tree(const QString &root) const
{
    QMap<QString, QByteArray> tree;
    for (auto it = nodes.cbegin(); it != nodes.cend(); ++it) {
        if (it.key().startsWith(root + '/'))
            tree.insert(it.key().mid(root.size() + 1) + (it->folder ? "/" : ""), it->bytes);
    }
    return tree;
}

Result<std::unique_ptr<Folder>> FakeStick::openRoot(const QString &path)
{
    if (!nodes.value(path).folder)
        return Status::systemError(path, ENOENT);
    return std::unique_ptr<Folder>(std::make_unique<FakeFolder>(*this, path));
}

Status FakeStick::record(const QString &call, const QString &path,
                         const std::function<void()> &apply)
{
    calls.append(call + ' ' + path);
    const auto failure = failing.constFind(calls.last());
    if (failure != failing.cend())
        return Status::systemError(path, *failure);
    if (apply)
        apply();
    return {};
}
