// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include <QString>

#include <string>

class QApplication;

namespace toolkit {

// The application's title: the caption of every message box.
QString ApplicationTitle();

// Application start: the title, the interface's language (language::Interface()) for the windows
// and Qt's own dialogs, and no automatic end when a window
// hides (the windows hand control to each other; only an end button or closing the main
// window ends the program).
void SetUpApplication(QApplication& application);

// Asked before the toolkit starts, which aborts the program when it finds no display: in Polish,
// why the windows cannot open and how to run the program under a virtual display; empty when a
// display is at hand or another platform (offscreen, wayland...) was chosen.
std::string MissingDisplayNotice(int argc, const char* const argv[]);

// While it lives, a display the toolkit cannot open after all (a DISPLAY with no server behind
// it) ends the program with the same advice and status 1 instead of an abort.
class DisplayFailureGuard {
public:
    DisplayFailureGuard();
    ~DisplayFailureGuard();
    DisplayFailureGuard(const DisplayFailureGuard&) = delete;
    DisplayFailureGuard& operator=(const DisplayFailureGuard&) = delete;
};

// Ends the program at once, without a question and without saving anything.
void Terminate();

// A file's name as the program's core keeps it (see movement/FileNames.h).
std::string FileNameOf(const QString& name);

}  // namespace toolkit
