// SPDX-License-Identifier: GPL-3.0-or-later
// QueueJob.h's and PrintServerJob.h's calls in the programs: each loads the print server's module the first time it is
// needed and passes the call on.
#include "PrintServerModule.h"

#include <dlfcn.h>

#include <atomic>
#include <filesystem>
#include <string>
#include <system_error>
#include <utility>
#include <vector>

namespace printing {

namespace {

// Where the module may be: beside the running program as installed (the programs' folder to
// the module's, e.g. bin to lib/rozstawiki), else where this build made it.
std::vector<std::string> ModulePaths() {
    std::vector<std::string> paths;
    std::error_code error;
    const std::filesystem::path program = std::filesystem::read_symlink("/proc/self/exe", error);
    if (!error) paths.push_back((program.parent_path() / PRINT_SERVER_MODULE_FROM_PROGRAM).lexically_normal().string());
    paths.emplace_back(PRINT_SERVER_MODULE_IN_BUILD);
    return paths;
}

// Kept here until the module is loaded, so that setting it loads nothing.
std::function<void()>& WaitingUntilLoaded() {
    static std::function<void()> whileWaiting;
    return whileWaiting;
}

std::atomic<const PrintServerCalls*> loaded = nullptr;

// The module's calls, or none when it cannot be loaded.
const PrintServerCalls* Module() {
    static const PrintServerCalls* const calls = []() -> const PrintServerCalls* {
        for (const std::string& path : ModulePaths()) {
            void* handle = dlopen(path.c_str(), RTLD_NOW | RTLD_LOCAL);
            if (handle == nullptr) continue;
            // dlsym answers with the entry function's address as a data pointer.
            const auto entry = reinterpret_cast<PrintServerEntryFunction>(dlsym(handle, PrintServerEntry));
            if (entry == nullptr) continue;
            const PrintServerCalls* found = entry();
            found->setWhileWaiting(std::move(WaitingUntilLoaded()));
            loaded = found;
            return found;
        }
        return nullptr;
    }();
    return calls;
}

movement::Text ModuleMissing() {
    return {RZ_TEXT("queues", "Nie można wczytać modułu serwera wydruku (%1) – zainstaluj program ponownie."),
            {std::filesystem::path(PRINT_SERVER_MODULE_IN_BUILD).filename().string()}};
}

}  // namespace

void SetWhileWaiting(std::function<void()> whileWaiting) {
    // Only a loaded module is told; before that the call waits here for it.
    if (const PrintServerCalls* module = loaded.load(); module != nullptr) {
        module->setWhileWaiting(std::move(whileWaiting));
        return;
    }
    WaitingUntilLoaded() = std::move(whileWaiting);
}

movement::Result<JobFate> SendPdfToQueue(const QueueJob& job, std::string_view pdf) {
    const PrintServerCalls* module = Module();
    if (module == nullptr) return movement::Result<JobFate>::Refused(ModuleMissing());
    return module->sendPdfToQueue(job, pdf);
}

movement::Outcome CheckPrintServerAnswers(int seconds) {
    const PrintServerCalls* module = Module();
    if (module == nullptr) return movement::Outcome::Refused(ModuleMissing());
    return module->checkPrintServerAnswers(seconds);
}

void WithoutPrintServer(const std::function<void()>& make) {
    const PrintServerCalls* module = Module();
    if (module == nullptr) return make();
    module->withoutPrintServer(make);
}

}  // namespace printing
