#pragma once

#include <string>
#include <utility>

namespace movement {

// The answer of a check or of an operation the director can be refused: either accepted, or
// refused with the Polish message the window shows. Expected bad input never throws.
class Outcome {
public:
    static Outcome Accepted() { return Outcome(true, {}); }
    static Outcome Refused(std::string message) { return Outcome(false, std::move(message)); }

    bool accepted() const { return accepted_; }
    const std::string& message() const { return message_; }  // empty when accepted

private:
    Outcome(bool accepted, std::string message) : accepted_(accepted), message_(std::move(message)) {}

    bool accepted_;
    std::string message_;
};

}  // namespace movement
