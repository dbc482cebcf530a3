#pragma once

#include <QString>

#include <optional>
#include <utility>

namespace bks {

// Why something could not be done, in the user's words (Japanese): what a
// reader, an output or the argument parsing says when it gives up.
struct Failure {
    QString reason;
};

// A value, or the failure that stands in its place: the one shape every
// reader, output and parser returns, so a caller never guesses which of
// several an error takes. `Result<>` carries no value: done, or not.
template <typename T = void>
class [[nodiscard]] Result {
public:
    Result(T value) : m_value(std::move(value)) {}  // NOLINT: a value converts, as a failure does
    Result(Failure failure) : m_failure(std::move(failure.reason)) {}  // NOLINT

    bool ok() const { return m_value.has_value(); }
    explicit operator bool() const { return ok(); }
    // Only when ok().
    const T &value() const & { return *m_value; }
    T &value() & { return *m_value; }
    T &&value() && { return std::move(*m_value); }
    const T &operator*() const & { return *m_value; }
    const T *operator->() const { return &*m_value; }
    // Empty when ok().
    const QString &failure() const { return m_failure; }

private:
    std::optional<T> m_value;
    QString m_failure;
};

template <>
class [[nodiscard]] Result<void> {
public:
    Result() = default;
    Result(Failure failure) : m_failed(true), m_failure(std::move(failure.reason)) {}  // NOLINT

    bool ok() const { return !m_failed; }
    explicit operator bool() const { return ok(); }
    const QString &failure() const { return m_failure; }

private:
    bool m_failed = false;
    QString m_failure;
};

}  // namespace bks
