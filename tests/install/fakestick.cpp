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
        const QByteArray part = m_stick.nodes[m_path].bytes.mid(offset, size);
        std::copy(part.cbegin(), part.cend(), into);
        return part.size();
    }
    Status write(const char *bytes, qint64 size) override
    {
        Status status = m_stick.record("write", m_path);
        if (status.ok())
            m_stick.nodes[m_path].bytes.append(bytes, size);
        return status;
    }
    Status copyFrom(File &source, qint64 size) override
    {
        QByteArray bytes(size, '\0');
        const Result<qint64> read = source.read(bytes.data(), size, 0);
        return read.ok() ? write(bytes.constData(), size) : read.status();
    }
    Result<Entry> status() override
    {
        return Entry{EntryKind::RegularFile, m_stick.nodes[m_path].bytes.size(), 1};
    }
    Status truncate(qint64 size) override
    {
        Status status = m_stick.record("truncate", m_path);
        if (status.ok())
            m_stick.nodes[m_path].bytes.truncate(size);
        return status;
    }
    Status flush() override { return m_stick.record("fsync", m_path); }
    Status close() override { return m_stick.record("close", m_path); }

private:
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
        for (auto it = m_stick.nodes.cbegin(); it != m_stick.nodes.cend(); ++it) {
            if (it.key().startsWith(prefix) && !it.key().mid(prefix.size()).contains('/'))
                names.append(QFile::encodeName(it.key().mid(prefix.size())));
        }
        return names;
    }
    Result<std::unique_ptr<Folder>> openFolder(const QByteArray &name) const override
    {
        const QString path = childOf(m_path, name);
        if (!m_stick.nodes.value(path).folder)
            return Status::systemError(path, ENOENT);
        return std::unique_ptr<Folder>(std::make_unique<FakeFolder>(m_stick, path));
    }
    Result<std::unique_ptr<File>> openFile(const QByteArray &name, Open how) override
    {
        const QString path = childOf(m_path, name);
        const bool exists = m_stick.nodes.contains(path);
        if (how == Open::CreateNew) {
            if (exists)
                return Status::systemError(path, EEXIST);
            if (Status created = m_stick.record("create", path); !created.ok())
                return created;
            m_stick.nodes.insert(path, {});
        } else if (!exists) {
            return Status::systemError(path, ENOENT);
        }
        return std::unique_ptr<File>(std::make_unique<FakeFile>(m_stick, path));
    }
    Status makeFolder(const QByteArray &name) override
    {
        const QString path = childOf(m_path, name);
        Status status = m_stick.record("mkdir", path);
        if (status.ok())
            m_stick.nodes.insert(path, {true, {}});
        return status;
    }
    Status rename(const QByteArray &from, const QByteArray &to) override
    {
        Status status = m_stick.record("rename", childOf(m_path, from));
        if (status.ok())
            m_stick.nodes.insert(childOf(m_path, to), m_stick.nodes.take(childOf(m_path, from)));
        return status;
    }
    Status removeFile(const QByteArray &name) override { return remove("unlink", name); }
    Status removeFolder(const QByteArray &name) override
    {
        const QString path = childOf(m_path, name);
        for (auto it = m_stick.nodes.cbegin(); it != m_stick.nodes.cend(); ++it) {
            if (it.key().startsWith(path + '/'))
                return Status::systemError(path, ENOTEMPTY);
        }
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
        Status status = m_stick.record(call, path);
        if (status.ok())
            m_stick.nodes.remove(path);
        return status;
    }

    FakeStick &m_stick;
    QString m_path;
    bool m_holdsLock = false;
};

} // namespace

void FakeStick::addFile(const QString &path, const QByteArray &bytes)
{
    addFolder(path.section('/', 0, -2));
    nodes.insert(path, {false, bytes});
}

void FakeStick::addFolder(const QString &path)
{
    for (qsizetype slash = path.indexOf('/', 1); slash > 0; slash = path.indexOf('/', slash + 1))
        nodes.insert(path.left(slash), {true, {}});
    nodes.insert(path, {true, {}});
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

Status FakeStick::record(const QString &call, const QString &path)
{
    const QString text = call + ' ' + path;
    calls.append(text);
    const auto failure = failing.constFind(text);
    return failure == failing.cend() ? Status() : Status::systemError(path, *failure);
}
