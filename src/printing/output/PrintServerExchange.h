// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

// One exchange with the print server, in the print server's module: its time limit, the
// requests it makes and what went wrong in them. Each request's answer is read here rather than
// by libcups' own request calls, which take a broken or garbled answer for a missing printer or
// for success ("Success").

#include "printing/output/PrintServerJob.h"

#include <cups/cups.h>

#include <atomic>
#include <chrono>
#include <condition_variable>
#include <functional>
#include <memory>
#include <mutex>
#include <optional>
#include <string_view>
#include <thread>

namespace printing {

using Clock = std::chrono::steady_clock;

// A server libcups cannot reach, and fails to reach at once.
inline constexpr const char* NoPrintServer = "/nonexistent/rozstawiki-no-print-server";

// What went wrong in a talk with the print server.
enum class Trouble {
    NoConnection,  // nobody answers the connection at the server's address
    Silent,        // no answer, or no end of one, within the job's time
    NotIpp,        // an answer that is not a print server's
    Broken,        // the connection was closed or reset in the middle of the exchange
    Password,      // the server asks for a password
    HttpError,     // the server refused the request as a web server refuses one
};

// One exchange, shared by the caller and the thread that talks to the server: the caller stops
// waiting at the deadline even when libcups would not.
class Exchange {
public:
    // An exchange that may take `seconds`, from now.
    explicit Exchange(int seconds) : deadline(Clock::now() + std::chrono::seconds(seconds)) {}
    ~Exchange();
    Exchange(const Exchange&) = delete;
    Exchange& operator=(const Exchange&) = delete;

    const Clock::time_point deadline;
    std::atomic<bool> abandoned = false;  // the caller has given up
    std::atomic<bool> silent = false;     // a wait for the server was cut short at the deadline
    std::atomic<bool> passwordAsked = false;
    std::atomic<bool> documentSent = false;  // the cards have begun to go to the server
    std::atomic<bool> confirmed = false;     // the server has taken them and knows their job

    int MillisecondsLeft() const;
    bool Over() const { return abandoned || Clock::now() >= deadline; }

    // Connects to the server the environment names, with the waits bounded by the deadline.
    http_t* Connect();
    // Keeps hold of the connection's socket, so that the caller can end a talk that outlasts
    // the deadline: a server that keeps sending is never silent, and libcups never stops reading.
    void Watch(http_t* http);
    // Ends the talk on the watched connection: the thread's reads and writes fail at once.
    void Cut();

private:
    std::mutex socketMutex_;
    int socket_ = -1;  // a duplicate of the watched connection's socket
};

struct ResponseDelete {
    void operator()(ipp_t* response) const { ippDelete(response); }
};
using Response = std::unique_ptr<ipp_t, ResponseDelete>;

// A request and what came of it: the server's IPP answer, whatever its status, or the trouble.
struct Asked {
    Response response;
    Trouble trouble = Trouble::Silent;  // when there is no answer
    int httpStatus = 0;                 // for Trouble::HttpError

    bool Answered() const { return response != nullptr; }
    // The answer's status is a success.
    bool Succeeded() const;
};

// Sends `request` (taken) to `resource`, followed by `document`, and reads the answer.
Asked Ask(http_t* http, Exchange& exchange, ipp_t* request, const char* resource, std::string_view document = {});

// Asks libcups' waits on `http` to end at the exchange's deadline.
void BoundWaits(http_t* http, Exchange& exchange);

// Nobody is asked for a password on this thread (libcups keeps the question per thread): the
// export has nobody to ask and the windows print without logging in. The server's demand is
// noted in the exchange instead.
void AskNoPassword(Exchange& exchange);

// Why a libcups call on `http` failed, by what the connection saw.
Trouble TroubleOf(http_t* http, const Exchange& exchange);

// Runs `talk` on a thread of its own and waits for it `seconds` at most, then cuts the talk
// short and answers `late`. A thread that is late is left to finish by itself: it ends as soon
// as its connection is cut or its next step begins, and it holds nothing of the caller's.
// `whileWaiting` is called about ten times a second meanwhile.
template <class Answer>
Answer WithinDeadline(int seconds, std::function<Answer(Exchange&)> talk,
                      const std::function<Answer(const Exchange&)>& late, const std::function<void()>& whileWaiting) {
    struct Shared {
        explicit Shared(int limit) : exchange(limit) {}
        Exchange exchange;
        std::mutex mutex;
        std::condition_variable finished;
        std::optional<Answer> answer;
    };
    auto shared = std::make_shared<Shared>(seconds);
    std::thread([shared, talk = std::move(talk)] {
        AskNoPassword(shared->exchange);
        Answer answer = talk(shared->exchange);
        const std::lock_guard<std::mutex> lock(shared->mutex);
        shared->answer = std::move(answer);
        shared->finished.notify_all();
    }).detach();
    const auto end = shared->exchange.deadline;
    for (;;) {
        {
            std::unique_lock<std::mutex> lock(shared->mutex);
            const auto slice = std::min(end, Clock::now() + std::chrono::milliseconds(100));
            if (shared->finished.wait_until(lock, slice, [&] { return shared->answer.has_value(); }))
                return *shared->answer;
        }
        if (Clock::now() >= end) break;
        if (whileWaiting) whileWaiting();
    }
    shared->exchange.abandoned = true;
    shared->exchange.Cut();
    return late(shared->exchange);
}

}  // namespace printing
