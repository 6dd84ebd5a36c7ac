// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include <cassert>
#include <optional>
#include <string>
#include <type_traits>
#include <utility>

namespace movement {

template <typename T>
class Result;

// Whether a type is an answer, which a refusal of another kind may be passed on as.
template <typename T>
inline constexpr bool IsResult = false;
template <typename T>
inline constexpr bool IsResult<Result<T>> = true;

// The answer of a check or of an operation the director can be refused: either accepted, with
// the value it gives, or refused with the Polish message the window shows ("\n" starts a new
// line). Expected bad input never throws, and no answer may be dropped unread.
template <typename T = void>
class [[nodiscard]] Result {
public:
    static Result Accepted(T value) { return Result(std::move(value), {}); }
    static Result Refused(std::string message) { return Result(std::nullopt, std::move(message)); }

    // A refusal passed on as it stands, from an answer of another kind: `return reading;`.
    // Passing on an accepted answer this way is a programming error.
    template <typename U>
    requires(!std::is_same_v<U, T>) Result(const Result<U>& refused)
        : message_(refused.message()) {  // NOLINT(google-explicit-constructor)
        assert(!refused.accepted());
    }

    bool accepted() const { return value_.has_value(); }
    const std::string& message() const { return message_; }  // empty when accepted

    // The value of an accepted answer; asking a refused one for it is a programming error.
    const T& value() const& {
        assert(value_);
        return *value_;
    }
    T& value() & {
        assert(value_);
        return *value_;
    }
    T&& value() && {
        assert(value_);
        return std::move(*value_);
    }

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

    // A refusal passed on as it stands, from an answer with a value: `return reading;`.
    template <typename U>
    Result(const Result<U>& refused)
        : accepted_(false), message_(refused.message()) {  // NOLINT(google-explicit-constructor)
        assert(!refused.accepted());
    }

    bool accepted() const { return accepted_; }
    const std::string& message() const { return message_; }  // empty when accepted

private:
    Result(bool accepted, std::string message) : accepted_(accepted), message_(std::move(message)) {}

    bool accepted_;
    std::string message_;
};

using Outcome = Result<>;

}  // namespace movement
