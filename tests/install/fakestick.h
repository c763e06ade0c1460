#pragma once

#include "install/stick/folder.h"

#include <QMap>
#include <QStringList>
#include <QTemporaryDir>
#include <functional>

// The machine's seam below a temporary folder, whose paths it shows from "/":
// every call that changes or flushes something is recorded ("rename
// /D/a.orvex-part"), and fails with an error number when it is one of
// `failing`. Flushes are only recorded.
class FakeStick final : public orvex::stick::FileSystem
{
public:
    // Where `path` ("/D/...") really is.
    QString real(const QString &path) const { return m_root.path() + path; }
    orvex::Result<std::unique_ptr<orvex::stick::Folder>> openRoot(const QString &path) override;
    orvex::Status record(const QString &call, const QString &path,
                         const std::function<orvex::Status()> &apply = {});
    // A failure of the real calls, naming its path as the tests show it.
    orvex::Status shown(orvex::Status status) const;
    template <typename T> orvex::Result<T> shown(orvex::Result<T> result) const
    {
        return result.ok() ? std::move(result) : orvex::Result<T>(shown(result.status()));
    }

    QStringList calls;
    QMap<QString, int> failing;
    QStringList forgetful; // files whose reads come back changed, as from a failing stick
    orvex::stick::FileSystemKind kind = orvex::stick::FileSystemKind::Kernel;

private:
    QTemporaryDir m_root;
};
