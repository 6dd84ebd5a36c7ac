// Saves a picture of each window as a person would see it, after the director's usual first
// steps in the main window: window-pictures OUTPUT_FOLDER [SCHEME_FOLDER]

#include "Figura.h"
#include "NumDow.h"
#include "Palce.h"
#include "ProgramWindows.h"
#include "drkr.h"
#include "toolkit/Application.h"
#include "toolkit/ListBox.h"

#include "movement/MovementState.h"

#include <QApplication>
#include <QDir>
#include <QPushButton>
#include <QTextStream>

namespace {

bool Save(QWidget& window, const QString& folder, const QString& name) {
    window.show();
    QApplication::processEvents();
    return window.grab().save(QDir(folder).filePath(name + QStringLiteral(".png")));
}

}  // namespace

int main(int argc, char* argv[]) {
    QApplication application(argc, argv);
    toolkit::SetUpApplication(application);
    const QStringList arguments = QApplication::arguments();
    if (arguments.size() < 2) {
        QTextStream(stderr) << "usage: window-pictures OUTPUT_FOLDER [SCHEME_FOLDER]\n";
        return 2;
    }
    const QString output = QDir(arguments[1]).absolutePath();
    QDir().mkpath(output);
    if (arguments.size() > 2) QDir::setCurrent(arguments[2]);

    movement::MovementState state;
    ProgramWindows windows(state);
    windows.Start();
    bool saved = Save(windows.Drog(), output, QStringLiteral("Drog-start"));

    // Load the first scheme file and choose its first line, as a director would.
    TDrog& drog = windows.Drog();
    drog.Kestrel->click();
    if (drog.ListBox1->LineCount() > 0) {
        drog.ListBox1->SetItemIndex(0);
        drog.ListBox1DblClick();
    }
    saved = Save(drog, output, QStringLiteral("Drog-movement")) && saved;
    saved = Save(windows.UstWydr(), output, QStringLiteral("UstWydr")) && saved;
    saved = Save(windows.ZPL(), output, QStringLiteral("ZPL")) && saved;
    saved = Save(windows.ndw(), output, QStringLiteral("ndw")) && saved;
    return saved ? 0 : 1;
}
