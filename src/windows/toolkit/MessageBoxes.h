// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include <QString>

class QWidget;

namespace toolkit {

// Modal message boxes with one OK button and the application's title as caption. A carriage
// return in the text starts a new line. Each returns when the director has closed the box.

// A plain message: how the windows report input to be corrected.
void ShowMessage(QWidget* parent, const QString& text);

// An information message.
void MessageDlg(QWidget* parent, const QString& text);

// The application's default error report: a failure of the platform, with an error icon.
void ShowErrorReport(QWidget* parent, const QString& text);

// What a window tells the director (every message box above, and the result of a print) also
// goes to the log category "rozstawiki.shown" at info level, which is off unless asked for
// (QT_LOGGING_RULES="rozstawiki.shown.info=true"; on Windows the log is the debug output, or
// standard error with QT_FORCE_STDERR_LOGGING=1). How the Windows build's tests, and whoever
// helps a director from afar, read what a window said without seeing the screen.
void LogShown(const QString& text);

}  // namespace toolkit
