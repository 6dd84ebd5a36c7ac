#include "ProgramWindows.h"
#include "toolkit/Application.h"

#include "movement/MovementState.h"
#include "printing/OutputFile.h"

#include <QApplication>

int main(int argc, char* argv[]) {
    QApplication application(argc, argv);
    toolkit::SetUpApplication(application);
    printing::RemovePendingOutputOnSignals();

    movement::MovementState state;
    ProgramWindows windows(state);
    windows.Start();
    return QApplication::exec();
}
