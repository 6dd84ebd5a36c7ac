#include "ProgramWindows.h"
#include "toolkit/Application.h"

#include "movement/MovementState.h"

#include <QApplication>

int main(int argc, char* argv[]) {
    QApplication application(argc, argv);
    toolkit::SetUpApplication(application);

    movement::MovementState state;
    ProgramWindows windows(state);
    windows.Start();
    return QApplication::exec();
}
