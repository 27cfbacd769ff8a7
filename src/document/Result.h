#pragma once

#include <cassert>
#include <optional>
#include <string>
#include <utility>

namespace tessellon {

// What kind of failure it is, for the few callers that answer one kind otherwise than the
// rest; every other caller shows the message, whatever the kind.
enum class FailureKind {
    Refused, // the message says why
    NotThisFormat, // the file is not of the format asked for at all
};

// Why an operation could not be done: one sentence for the user that names the file, the
// line or the value concerned and the reason.
struct Failure {
    std::string message;
    FailureKind kind = FailureKind::Refused;
};

inline Failure failure(std::string message, FailureKind kind = FailureKind::Refused)
{
    return Failure { std::move(message), kind };
}

// What the core's reading, writing and parsing functions return: the value, or the message
// that says why there is none. Nothing in the core throws across its API; callers look at
// ok() and show message() where the user can read it.
template <class T> class [[nodiscard]] Result {
public:
    Result(T value)
        : m_value(std::move(value))
    {
    }
    Result(Failure why)
        : m_message(std::move(why.message))
        , m_kind(why.kind)
    {
    }

    bool ok() const { return m_value.has_value(); }
    explicit operator bool() const { return ok(); }
    // Empty when ok().
    const std::string& message() const { return m_message; }
    // Refused when ok().
    FailureKind kind() const { return m_kind; }

    // Only when ok().
    T& value() &
    {
        assert(ok());
        return *m_value;
    }
    const T& value() const&
    {
        assert(ok());
        return *m_value;
    }
    T&& value() &&
    {
        assert(ok());
        return std::move(*m_value);
    }
    T* operator->() { return &value(); }
    const T* operator->() const { return &value(); }
    T& operator*() & { return value(); }
    const T& operator*() const& { return value(); }

private:
    std::optional<T> m_value;
    std::string m_message;
    FailureKind m_kind = FailureKind::Refused;
};

// The outcome of an operation that gives nothing back but may fail.
template <> class [[nodiscard]] Result<void> {
public:
    Result() = default;
    Result(Failure why)
        : m_message(std::move(why.message))
        , m_kind(why.kind)
        , m_ok(false)
    {
    }

    bool ok() const { return m_ok; }
    explicit operator bool() const { return ok(); }
    const std::string& message() const { return m_message; }
    FailureKind kind() const { return m_kind; }

private:
    std::string m_message;
    FailureKind m_kind = FailureKind::Refused;
    bool m_ok = true;
};

using Status = Result<void>;

} // namespace tessellon
