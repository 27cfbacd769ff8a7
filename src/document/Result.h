#pragma once

#include <cassert>
#include <optional>
#include <string>
#include <utility>

namespace tessellon {

// Why an operation could not be done: one sentence for the user that names the file, the
// line or the value concerned and the reason.
struct Failure {
    std::string message;
};

inline Failure failure(std::string message) { return Failure { std::move(message) }; }

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
    {
    }

    bool ok() const { return m_value.has_value(); }
    explicit operator bool() const { return ok(); }
    // Empty when ok().
    const std::string& message() const { return m_message; }

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
};

// The outcome of an operation that gives nothing back but may fail.
template <> class [[nodiscard]] Result<void> {
public:
    Result() = default;
    Result(Failure why)
        : m_message(std::move(why.message))
        , m_ok(false)
    {
    }

    bool ok() const { return m_ok; }
    explicit operator bool() const { return ok(); }
    const std::string& message() const { return m_message; }

private:
    std::string m_message;
    bool m_ok = true;
};

using Status = Result<void>;

} // namespace tessellon
