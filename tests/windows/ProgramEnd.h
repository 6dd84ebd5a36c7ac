// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

// Runs the event loop until the program ends itself, as an end button or closing the main
// window does; a timer ends the wait should it not.

#include <QCoreApplication>
#include <QObject>
#include <QTimer>

#include <functional>

// True when `action`, run from inside the event loop, ended the program.
inline bool EndsTheProgram(const std::function<void()>& action) {
    QObject context;  // the connections below end with this call
    bool ended = false;
    QObject::connect(qApp, &QCoreApplication::aboutToQuit, &context, [&] { ended = true; });
    QTimer::singleShot(0, &context, action);
    QTimer safetyNet;
    safetyNet.setSingleShot(true);
    QObject::connect(&safetyNet, &QTimer::timeout, &context, [] { QCoreApplication::exit(1); });
    safetyNet.start(5000);
    const int status = QCoreApplication::exec();
    return ended && status == 0;
}
