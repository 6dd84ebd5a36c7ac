#pragma once

#include <optional>
#include <string>
#include <utility>

namespace movement {

// The answer of a check or of an operation the director can be refused: either accepted, with
// the value it gives, or refused with the Polish message the window shows ("\n" starts a new
// line). Expected bad input never throws, and no answer may be dropped unread.
template <typename T = void>
class [[nodiscard]] Result {
public:
    static Result Accepted(T value) { return Result(std::move(value), {}); }
    static Result Refused(std::string message) { return Result(std::nullopt, std::move(message)); }

    bool accepted() const { return value_.has_value(); }
    const std::string& message() const { return message_; }  // empty when accepted

    // The value of an accepted answer; asking a refused one for it is a programming error.
    const T& value() const& { return *value_; }
    T& value() & { return *value_; }
    T&& value() && { return std::move(*value_); }

private:
    Result(std::optional<T> value, std::string message) : value_(std::move(value)), message_(std::move(message)) {}

    std::optional<T> value_;
    std::string message_;
};

// An answer without a value: accepted, or refused with its message.
template <>
class [[nodiscard]] Result<void> {
public:
    static Result Accepted() { return Result(true, {}); }
    static Result Refused(std::string message) { return Result(false, std::move(message)); }

    bool accepted() const { return accepted_; }
    const std::string& message() const { return message_; }  // empty when accepted

private:
    Result(bool accepted, std::string message) : accepted_(accepted), message_(std::move(message)) {}

    bool accepted_;
    std::string message_;
};

using Outcome = Result<>;

}  // namespace movement
