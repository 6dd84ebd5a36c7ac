// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

// A print server that misbehaves (tests/MisbehavingPrintServer.cpp) on a socket of its own, for
// one test: started here, stopped at the end, and gone by itself after two minutes in any case.

#include <gtest/gtest.h>

#include <chrono>
#include <csignal>
#include <cstdlib>
#include <filesystem>
#include <spawn.h>
#include <string>
#include <sys/wait.h>
#include <thread>

namespace printtest {

class MisbehavingServer {
public:
    // mode: as tests/MisbehavingPrintServer.cpp lists them (trickle: a byte every `interval`
    // seconds); the modes in front of a real print server pass requests on to `upstream`.
    explicit MisbehavingServer(const std::string& mode, int interval = 1, std::string upstream = "") {
        std::string pattern = "/tmp/rozstawiki-zly-XXXXXX";
        folder_ = ::mkdtemp(pattern.data());
        socket_ = folder_ + "/cups.sock";
        std::string program = MISBEHAVING_PRINT_SERVER, lifetime = "120", every = std::to_string(interval);
        std::string modeArgument = mode;
        char* arguments[] = {program.data(), modeArgument.data(), socket_.data(), lifetime.data(),
                             every.data(),   upstream.data(),     nullptr};
        EXPECT_EQ(::posix_spawn(&pid_, program.c_str(), nullptr, nullptr, arguments, environ), 0);
        const auto end = std::chrono::steady_clock::now() + std::chrono::seconds(10);
        while (!std::filesystem::exists(socket_) && std::chrono::steady_clock::now() < end)
            std::this_thread::sleep_for(std::chrono::milliseconds(20));
        EXPECT_TRUE(std::filesystem::exists(socket_)) << "the misbehaving server did not start";
    }
    ~MisbehavingServer() {
        if (pid_ > 0) {
            ::kill(pid_, SIGTERM);
            ::waitpid(pid_, nullptr, 0);
        }
        std::filesystem::remove_all(folder_);
    }
    MisbehavingServer(const MisbehavingServer&) = delete;
    MisbehavingServer& operator=(const MisbehavingServer&) = delete;

    const std::string& Socket() const { return socket_; }

private:
    std::string folder_;
    std::string socket_;
    pid_t pid_ = 0;
};

}  // namespace printtest
