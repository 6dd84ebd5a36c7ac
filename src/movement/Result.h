// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include "Text.h"

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

// A refusal already in words (from the operating system or a print server): said as it stands
// in every language.
inline Text WordsAsGiven(std::string words) { return Text{TextId{"", "%1"}, {std::move(words)}}; }

// The answer of a check or of an operation the director can be refused: either accepted, with
// the value it gives, or refused with the text the window shows ("\n" starts a new line), which
// each front end says in its own language. Expected bad input never throws, and no answer may
// be dropped unread.
template <typename T = void>
class [[nodiscard]] Result {
public:
    static Result Accepted(T value) { return Result(std::move(value), Text{TextId{"", ""}}); }
    static Result Refused(Text text) { return Result(std::nullopt, std::move(text)); }
    static Result Refused(TextId id) { return Refused(Text{id}); }
    static Result Refused(std::string words) { return Refused(WordsAsGiven(std::move(words))); }

    // A refusal passed on as it stands, from an answer of another kind: `return reading;`.
    // Passing on an accepted answer this way is a programming error.
    template <typename U>
    requires(!std::is_same_v<U, T>) Result(const Result<U>& refused)
        : text_(refused.text()), message_(refused.message()) {  // NOLINT(google-explicit-constructor)
        assert(!refused.accepted());
    }

    bool accepted() const { return value_.has_value(); }
    // The refusal, to be said in the reader's language; empty when accepted.
    const Text& text() const { return text_; }
    // The refusal in Polish, as its source gives it; empty when accepted.
    const std::string& message() const { return message_; }

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
    Result(std::optional<T> value, Text text)
        : value_(std::move(value)), text_(std::move(text)), message_(SourceCatalogue().Say(text_)) {}

    std::optional<T> value_;
    Text text_;
    std::string message_;
};

// An answer without a value: accepted, or refused with its message.
template <>
class [[nodiscard]] Result<void> {
public:
    static Result Accepted() { return Result(true, Text{TextId{"", ""}}); }
    static Result Refused(Text text) { return Result(false, std::move(text)); }
    static Result Refused(TextId id) { return Refused(Text{id}); }
    static Result Refused(std::string words) { return Refused(WordsAsGiven(std::move(words))); }

    // A refusal passed on as it stands, from an answer with a value: `return reading;`.
    template <typename U>
    Result(const Result<U>& refused)
        : accepted_(false), text_(refused.text()), message_(refused.message()) {  // NOLINT(google-explicit-constructor)
        assert(!refused.accepted());
    }

    bool accepted() const { return accepted_; }
    // The refusal, to be said in the reader's language; empty when accepted.
    const Text& text() const { return text_; }
    // The refusal in Polish, as its source gives it; empty when accepted.
    const std::string& message() const { return message_; }

private:
    Result(bool accepted, Text text)
        : accepted_(accepted), text_(std::move(text)), message_(SourceCatalogue().Say(text_)) {}

    bool accepted_;
    Text text_;
    std::string message_;
};

using Outcome = Result<>;

}  // namespace movement
