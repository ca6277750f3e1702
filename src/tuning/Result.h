#pragma once

#include <QString>

#include <optional>
#include <utility>

namespace cordavo {

// Why an operation failed: one message that names the file, the line and the
// problem, as the window shows it. Converts to a failed Result of any type.
struct Failure {
    QString message;
};

inline Failure failure(QString message)
{
    return Failure{std::move(message)};
}

// What an operation that can fail gives back: its value, or the message of
// its failure. Every operation of the core that can fail with a message
// answers this way; the windows show error() through their dialogs.
template <typename T> class Result
{
public:
    Result(T value) : m_value(std::move(value)) {}
    Result(Failure failed) : m_error(std::move(failed.message)) {}

    bool ok() const { return m_value.has_value(); }
    // Only for a result that is ok().
    const T &value() const & { return *m_value; }
    T &value() & { return *m_value; }
    T &&value() && { return std::move(*m_value); }
    const T *operator->() const { return &*m_value; }
    // Empty for a result that is ok().
    const QString &error() const { return m_error; }

private:
    std::optional<T> m_value;
    QString m_error;
};

// An action that gives back nothing but may fail.
template <> class Result<void>
{
public:
    Result() = default;
    Result(Failure failed) : m_error(std::move(failed.message)), m_failed(true) {}

    bool ok() const { return !m_failed; }
    const QString &error() const { return m_error; }

private:
    QString m_error;
    bool m_failed = false;
};

} // namespace cordavo
