// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

// The print server the test run starts for itself (tools/private-cups.sh, a CTest fixture), and
// cups-pdf queues on it that a test makes for its own use.

#include <gtest/gtest.h>

#include <chrono>
#include <cstdio>
#include <cstdlib>
#include <filesystem>
#include <string>
#include <thread>
#include <unistd.h>
#include <vector>

namespace printtest {

// Paths and commands are joined as literals where they can be: GCC 12 at -O2 reports a false
// out-of-bounds copy in std::string(literal) + literal once the string header comes precompiled.
inline std::string ServerSocket() { return PRIVATE_CUPS_DIR "/cups.sock"; }

// A socket on which no print server listens.
inline std::string DeadSocket() { return PRIVATE_CUPS_DIR "/nobody.sock"; }

// What a command run against the private server writes to its standard output.
inline std::string Output(const std::string& command) {
    std::string output;
    FILE* pipe = ::popen(("CUPS_SERVER='" + ServerSocket() + "' " + command + " 2>/dev/null").c_str(), "r");
    if (pipe == nullptr) return output;
    char buffer[4096];
    for (std::size_t n; (n = std::fread(buffer, 1, sizeof buffer, pipe)) > 0;) output.append(buffer, n);
    ::pclose(pipe);
    return output;
}

inline int Run(const std::string& command) {
    return std::system(("CUPS_SERVER='" + ServerSocket() + "' " + command + " >/dev/null 2>&1").c_str());
}

// A cups-pdf queue named after the test's process, removed at the end.
class PdfQueue {
public:
    explicit PdfQueue(const std::string& name) : name_(name + "-" + std::to_string(::getpid())) {
        const int made =
            std::system((std::string("'" PRIVATE_CUPS_SCRIPT "' add-pdf-queue '" PRIVATE_CUPS_DIR "' ") + name_).c_str());
        EXPECT_EQ(made, 0) << "no private print server: the tests that print run under ctest";
    }
    ~PdfQueue() { Remove(); }
    PdfQueue(const PdfQueue&) = delete;
    PdfQueue& operator=(const PdfQueue&) = delete;

    const std::string& Name() const { return name_; }

    void Stop() const { EXPECT_EQ(Run("cupsdisable " + name_), 0); }
    void Reject(const std::string& reason) const { EXPECT_EQ(Run("cupsreject -r '" + reason + "' " + name_), 0); }
    void Remove() const { Run("lpadmin -x " + name_); }

    // The PDFs cups-pdf wrote for the queue once it has no job left to do (at most 30 s).
    std::vector<std::filesystem::path> PrintedFiles() const {
        const auto end = std::chrono::steady_clock::now() + std::chrono::seconds(30);
        while (!Output("lpstat -o " + name_).empty() && std::chrono::steady_clock::now() < end)
            std::this_thread::sleep_for(std::chrono::milliseconds(50));
        std::vector<std::filesystem::path> files;
        for (const auto& entry : std::filesystem::directory_iterator(PRIVATE_CUPS_DIR "/out-" + name_))
            files.push_back(entry.path());
        return files;
    }

    // The jobs waiting in the queue.
    std::string Waiting() const { return Output("lpstat -o " + name_); }

private:
    std::string name_;
};

}  // namespace printtest
