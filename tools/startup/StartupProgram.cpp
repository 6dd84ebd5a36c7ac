// SPDX-License-Identifier: GPL-3.0-or-later
// Starts the program exactly as main() does, lets the pending events run, and ends.

#include "ProgramWindows.h"

#include "movement/MovementState.h"

#include <QApplication>
#include <QTimer>

#include <memory>

int main(int argc, char* argv[]) {
    QApplication application(argc, argv);
    movement::MovementState state;
    const std::unique_ptr<ProgramWindows> windows = StartProgram(application, state);
    QTimer::singleShot(0, &application, &QCoreApplication::quit);
    return QApplication::exec();
}
