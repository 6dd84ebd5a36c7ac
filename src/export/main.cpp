// SPDX-License-Identifier: GPL-3.0-or-later
// rozstawiki-pdf: the table cards of a scheme line as a PDF file or on a print queue, without the windows.

#include "ExportOptions.h"
#include "PdfExport.h"

#include "movement/DataFolders.h"
#include "printing/output/OutputFile.h"

#include <QGuiApplication>

#include <csignal>
#include <cstdlib>
#include <iostream>

#ifdef _WIN32
#include <windows.h>
// After windows.h, which it needs.
#include <shellapi.h>
#endif

namespace {

#ifdef _WIN32

// The messages are UTF-8, and the console is told so. Qt's Windows platform stays: it shows
// nothing unasked, and its offscreen one sees none of the system's fonts there.
void SetUpTheProcess() { ::SetConsoleOutputCP(CP_UTF8); }

// From the wide command line, as UTF-8: argv holds the names in the system's code page, which
// may not have every letter of a file's name.
std::vector<std::string> ExportArguments(int, char*[]) {
    int count = 0;
    wchar_t** wide = ::CommandLineToArgvW(::GetCommandLineW(), &count);
    std::vector<std::string> arguments;
    for (int i = 1; i < count; ++i) arguments.push_back(QString::fromWCharArray(wide[i]).toStdString());
    ::LocalFree(wide);
    return arguments;
}

#else

void SetUpTheProcess() {
    ::setenv("QT_QPA_PLATFORM", "offscreen", 1);
    // A closed pipe is a failed write, reported like any other, not the end of the program.
    std::signal(SIGPIPE, SIG_IGN);
}

std::vector<std::string> ExportArguments(int argc, char* argv[]) { return {argv + 1, argv + argc}; }

#endif

}  // namespace

int main(int argc, char* argv[]) {
    // Nothing is shown: the export runs the same with or without a display, and standard error
    // carries the export's own messages only, not the toolkit's notes about its surroundings.
    SetUpTheProcess();
    qInstallMessageHandler([](QtMsgType type, const QMessageLogContext&, const QString& message) {
        if (type == QtFatalMsg) std::cerr << message.toStdString() << '\n';
    });
    // The arguments are the export's alone: Qt would take its own options out of them (even
    // after "--"), so it is given the program's name only.
    int qtArgc = 1;
    char* qtArgv[] = {argv[0], nullptr};
    QGuiApplication application(qtArgc, qtArgv);
    printing::RemovePendingOutputOnSignals();

    const std::vector<std::string> arguments = ExportArguments(argc, argv);
    auto parsed = pdfexport::ParseExportArguments(arguments);
    if (!parsed.accepted()) {
        std::cerr << parsed.message() << "\n\n" << pdfexport::UsageText();
        return 2;
    }
    pdfexport::ExportRequest& request = parsed.value();
    request.dataFolders = movement::DataFolders(QCoreApplication::applicationFilePath().toStdString());
    return pdfexport::RunExport(request, std::cout, std::cerr);
}
