#pragma once

#include <QString>
#include <QtGlobal>
#include <cstring>
#include <optional>
#include <utility>

// The one way a step says how it went, in every layer: a Status, or a
// Result<T> that holds a value or the Status that explains why there is none.
namespace orvex {

// The system's text for an error number, taken in a thread-safe way.
inline QString systemText(int error)
{
    char buffer[256];
    // The GNU strerror_r returns the text, in the buffer or in static storage.
    return QString::fromLocal8Bit(::strerror_r(error, buffer, sizeof buffer));
}

// Why a step failed: the system's error number or a reason of our own, and the
// path it concerns as the user knows it.
struct Failure
{
    QString path;  // may be empty
    int error = 0; // the system's error number; 0 when `reason` says why
    QString reason;

    // The reason: the system's own text for `error`, or `reason`.
    QString why() const { return error != 0 ? systemText(error) : reason; }
    // "path: why".
    QString text() const { return path.isEmpty() ? why() : path + QStringLiteral(": ") + why(); }
};

// The outcome of a step: success, a failure, or a stop the user asked for.
class [[nodiscard]] Status
{
public:
    Status() = default;
    Status(Failure failure) : m_failure(std::move(failure)) {}

    static Status systemError(const QString &path, int error) { return Failure{path, error, {}}; }
    static Status refusal(const QString &path, const QString &reason)
    {
        return Failure{path, 0, reason};
    }
    static Status cancelled()
    {
        Status status;
        status.m_cancelled = true;
        return status;
    }

    bool ok() const { return !m_failure && !m_cancelled; }
    bool isCancelled() const { return m_cancelled; }
    // The failure; only for a status that is neither ok nor cancelled.
    const Failure &failure() const
    {
        Q_ASSERT(m_failure);
        return *m_failure;
    }

private:
    std::optional<Failure> m_failure;
    bool m_cancelled = false;
};

// A value, or the status that explains why there is none.
template <typename T> class [[nodiscard]] Result
{
public:
    Result(T value) : m_value(std::move(value)) {}
    Result(Status status) : m_status(std::move(status)) { Q_ASSERT(!m_status.ok()); }
    Result(Failure failure) : m_status(std::move(failure)) {}

    bool ok() const { return m_value.has_value(); }
    // Why there is no value; an ok status when there is one.
    const Status &status() const { return m_status; }
    // The value; only for a result that is ok.
    T &value()
    {
        Q_ASSERT(m_value);
        return *m_value;
    }
    const T &value() const
    {
        Q_ASSERT(m_value);
        return *m_value;
    }
    T *operator->() { return &value(); }
    const T *operator->() const { return &value(); }

private:
    std::optional<T> m_value;
    Status m_status;
};

} // namespace orvex
