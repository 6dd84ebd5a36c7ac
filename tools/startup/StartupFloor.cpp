// SPDX-License-Identifier: GPL-3.0-or-later
// The least a Qt Widgets program does to show a window: the floor for the start-up timing.

#include <QApplication>
#include <QTimer>
#include <QWidget>

int main(int argc, char* argv[]) {
    QApplication application(argc, argv);
    QWidget window;
    window.show();
    QTimer::singleShot(0, &application, &QCoreApplication::quit);
    return QApplication::exec();
}
