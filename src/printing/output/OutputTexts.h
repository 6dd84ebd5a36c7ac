// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include "movement/Text.h"

#include <string>
#include <utility>

namespace printing {

// Why an output file is not written, on any system. The steps of each system say which
// (OutputSteps.h); the words are said here alone.
enum class Reason {
    None,
    // What the output is.
    EmptyName,
    Folder,
    NotAFile,
    KernelFile,
    ForeignLink,  // a link of another user's in a folder anyone may write in
    SchemeFile,
    NotPdf,
    // What the way to it meets.
    ChangedMeanwhile,
    AppearedMeanwhile,
    NoSafeStep,
    OnlyNewFiles,
    CannotReserve,
    AnotherUsersFile,
    Busy,
    // What the system says.
    DiskFull,
    QuotaSpent,
    TooBig,
    NoPermission,
    ReadOnly,
    InputOutput,
    NoFolder,
    NameTooLong,
    LinkLoop,
    OpenElsewhere,
    ForbiddenCharacters,
    OtherError,         // an errno value without words of its own
    OtherWindowsError,  // a Windows error code (GetLastError) without words of its own
};

// What stopped a step: nothing, or the reason and what the words need.
struct Hitch {
    Hitch() = default;
    Hitch(Reason why, long errorNumber = 0, std::string about = {})  // NOLINT(google-explicit-constructor)
        : reason(why), number(errorNumber), detail(std::move(about)) {}

    Reason reason = Reason::None;
    long number = 0;     // the error's number, for OtherError and OtherWindowsError
    std::string detail;  // the link refused, for ForeignLink

    explicit operator bool() const { return reason != Reason::None; }
};

// An errno value that every system's C library has, as a hitch.
Hitch StandardErrorHitch(int error);

// "Nie można zapisać pliku NAME: REASON.", a whole sentence for each reason.
movement::Text CannotWrite(const std::string& shownName, const Hitch& hitch);

}  // namespace printing
