#pragma once

#include <QString>

class QApplication;

namespace toolkit {

// The application's title: the caption of every message box.
QString ApplicationTitle();

// Application start: the title, Qt's own dialogs in Polish, and no automatic end when a window
// hides (the windows hand control to each other; only an end button or closing the main
// window ends the program).
void SetUpApplication(QApplication& application);

// Ends the program at once, without a question and without saving anything.
void Terminate();

}  // namespace toolkit
