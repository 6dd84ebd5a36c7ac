// SPDX-License-Identifier: GPL-3.0-or-later
// rozstawiki-pdf: what the windows print from a scheme line (table cards, pair cards or the
// movement sheet) as a PDF file or on a print queue, without the windows.

#include "ExportOptions.h"
#include "ExportUsage.h"
#include "PdfExport.h"

#include "language/Translations.h"
#include "movement/DataFolders.h"
#include "printing/output/OutputFile.h"

#include <QGuiApplication>

#include <csignal>
#include <cstdio>
#include <cstdlib>
#include <exception>
#include <iostream>
#include <new>
#include <string>
#include <unistd.h>
#include <vector>

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

// Said at the start in the interface's language, as there is no memory left to say it with when
// it is needed.
std::string outOfMemoryText;

void PrepareOutOfMemory() {
    outOfMemoryText =
        language::Interface().Say(RZ_TEXT("ExportMain",
                                          "Za mało pamięci na ten wydruk; nic nie zapisano ani nie wysłano "
                                          "(mniejsza rozdzielczość, --resolution, potrzebuje mniej).")) +
        "\n";
}

// Written without taking memory, which has run out.
void SayOutOfMemory() {
    std::fflush(stderr);
    // A short text: its size fits the count of every system's write().
    [[maybe_unused]] const auto written =
        ::write(2, outOfMemoryText.data(), static_cast<unsigned>(outOfMemoryText.size()));
}

// Memory that runs out inside the toolkit, whose code lets no exception pass, ends in
// std::terminate: that too is said and ends the run as a failure, with nothing left behind.
std::terminate_handler previousTerminate = nullptr;

[[noreturn]] void OnTerminate() {
    bool outOfMemory = false;
    try {
        if (const std::exception_ptr thrown = std::current_exception()) std::rethrow_exception(thrown);
    } catch (const std::bad_alloc&) {
        outOfMemory = true;
    } catch (...) {
        outOfMemory = false;
    }
    if (!outOfMemory) {
        if (previousTerminate != nullptr) previousTerminate();
        std::abort();
    }
    printing::RemovePendingOutputNow();
    SayOutOfMemory();
    ::_exit(1);
}

}  // namespace

int main(int argc, char* argv[]) {
    // Nothing is shown: the export runs the same with or without a display, and standard error
    // carries the export's own messages only, not the toolkit's notes about its surroundings.
    SetUpTheProcess();
    // The messages' language comes first, before anything is said about the other options. A code
    // the program does not speak leaves the system's, in which the reading of the arguments refuses it.
    const std::vector<std::string> arguments = ExportArguments(argc, argv);
    language::ChooseInterface(language::InterfaceLanguage(arguments).value_or(language::SystemLanguage()));
    PrepareOutOfMemory();
    qInstallMessageHandler([](QtMsgType type, const QMessageLogContext&, const QString& message) {
        if (type == QtFatalMsg) std::cerr << message.toStdString() << '\n';
    });
    // The arguments are the export's alone: Qt would take its own options out of them (even
    // after "--"), so it is given the program's name only.
    int qtArgc = 1;
    char* qtArgv[] = {argv[0], nullptr};
    QGuiApplication application(qtArgc, qtArgv);
    printing::RemovePendingOutputOnSignals();
    previousTerminate = std::set_terminate(OnTerminate);

    auto parsed = pdfexport::ParseExportArguments(arguments);
    if (!parsed.accepted()) {
        std::cerr << language::Interface().Say(parsed.text()) << "\n\n" << pdfexport::UsageText();
        return 2;
    }
    pdfexport::ExportRequest& request = parsed.value();
    request.dataFolders = movement::DataFolders(QCoreApplication::applicationFilePath().toStdString());
    try {
        return pdfexport::RunExport(request, std::cout, std::cerr);
    } catch (const std::bad_alloc&) {
        // The pending file went with the stack.
        SayOutOfMemory();
        return 1;
    }
}
