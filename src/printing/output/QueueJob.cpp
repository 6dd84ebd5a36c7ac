// SPDX-License-Identifier: GPL-3.0-or-later
#include "QueueJob.h"

#include <cups/cups.h>

#include <algorithm>
#include <atomic>
#include <chrono>
#include <condition_variable>
#include <functional>
#include <memory>
#include <mutex>
#include <optional>
#include <thread>

namespace printing {

namespace {

// A server libcups cannot reach, and fails to reach at once.
constexpr const char* NoPrintServer = "/nonexistent/rozstawiki-no-print-server";

using Sent = movement::Result<JobFate>;
using Clock = std::chrono::steady_clock;

// One exchange with the server, shared by the caller and the thread that talks to the server: the
// caller stops waiting at the deadline even when libcups would not.
struct Exchange {
    Clock::time_point deadline = Clock::now() + std::chrono::seconds(ServerAnswerSeconds);
    std::atomic<bool> abandoned = false;  // the caller has given up
    std::atomic<bool> silent = false;     // a wait for the server was cut short at the deadline
    std::atomic<bool> passwordAsked = false;

    int MillisecondsLeft() const {
        const auto left = std::chrono::duration_cast<std::chrono::milliseconds>(deadline - Clock::now()).count();
        return static_cast<int>(std::max<long long>(left, 1));
    }
};

// libcups calls this after each quarter of a second without a word from the server: it waits on
// only while the exchange has time left.
int KeepWaiting(http_t* http, void* data) {
    auto* exchange = static_cast<Exchange*>(data);
    if (Clock::now() < exchange->deadline && !exchange->abandoned) return 1;
    exchange->silent = true;
    // libcups may try again on its own: every later wait on this connection ends at once, and
    // the connection of its own it would open instead (this thread's default) reaches nobody.
    httpSetTimeout(http, 0.001, KeepWaiting, data);
    cupsSetServer(NoPrintServer);
    return 0;
}

// Nobody is asked for a password: the export has nobody to ask and the windows print without
// logging in. The server's demand is reported instead.
const char* NoPassword(const char*, http_t*, const char*, const char*, void* data) {
    static_cast<Exchange*>(data)->passwordAsked = true;
    return nullptr;
}

void BoundWaits(http_t* http, Exchange& exchange) { httpSetTimeout(http, 0.25, KeepWaiting, &exchange); }

std::function<void()>& WhileWaiting() {
    static std::function<void()> whileWaiting;
    return whileWaiting;
}

// Runs `talk` on a thread of its own and waits for it until the deadline (and a moment for the
// thread to notice it). A thread that is late is left to finish by itself: its waits end at the
// deadline too, and it holds nothing of the caller's.
template <class Answer>
Answer WithinDeadline(std::function<Answer(Exchange&)> talk, const Answer& late) {
    struct Shared {
        Exchange exchange;
        std::mutex mutex;
        std::condition_variable finished;
        std::optional<Answer> answer;
    };
    auto shared = std::make_shared<Shared>();
    std::thread([shared, talk = std::move(talk)] {
        // libcups keeps its password callback per thread.
        cupsSetPasswordCB2(NoPassword, &shared->exchange);
        Answer answer = talk(shared->exchange);
        const std::lock_guard<std::mutex> lock(shared->mutex);
        shared->answer = std::move(answer);
        shared->finished.notify_all();
    }).detach();
    const auto end = shared->exchange.deadline + std::chrono::seconds(1);
    for (;;) {
        {
            std::unique_lock<std::mutex> lock(shared->mutex);
            const auto slice = std::min(end, Clock::now() + std::chrono::milliseconds(100));
            if (shared->finished.wait_until(lock, slice, [&] { return shared->answer.has_value(); }))
                return *shared->answer;
        }
        if (Clock::now() >= end) break;
        if (WhileWaiting()) WhileWaiting()();
    }
    shared->exchange.abandoned = true;
    return late;
}

struct ConnectionClose {
    void operator()(http_t* http) const { httpClose(http); }
};
struct DestinationFree {
    void operator()(cups_dest_t* destination) const { cupsFreeDests(1, destination); }
};
struct OptionsFree {
    int count = 0;
    void operator()(cups_option_t* options) const { cupsFreeOptions(count, options); }
};
struct ResponseDelete {
    void operator()(ipp_t* response) const { ippDelete(response); }
};

using Connection = std::unique_ptr<http_t, ConnectionClose>;
using Destination = std::unique_ptr<cups_dest_t, DestinationFree>;
using Response = std::unique_ptr<ipp_t, ResponseDelete>;

Sent NoServer(const QueueJob& job) {
    return Sent::Refused("Brak połączenia z serwerem wydruku (CUPS), więc nie można drukować na drukarce " +
                         job.printer + ". " + job.notSent);
}

Sent NoAnswer(const QueueJob& job) {
    return Sent::Refused("Serwer wydruku (CUPS) nie odpowiada (czekano " + std::to_string(ServerAnswerSeconds) +
                         " s), więc nie można drukować na drukarce " + job.printer + ". " + job.notSent);
}

Sent PasswordWanted(const QueueJob& job) {
    return Sent::Refused(
        "Serwer wydruku (CUPS) żąda hasła, a program drukuje bez logowania, więc nie można "
        "drukować na drukarce " +
        job.printer + ". " + job.notSent);
}

Sent NoPrinter(const QueueJob& job) {
    if (job.chosenEarlier)
        return Sent::Refused("Drukarki " + job.printer +
                             " nie ma już na serwerze wydruku: usunięto ją po wybraniu w ustawieniach druku. " +
                             job.notSent + "\nWybierz drukarkę ponownie (Ustawienia Druku).");
    return Sent::Refused("Nie ma drukarki " + job.printer + " na serwerze wydruku. " + job.notSent);
}

Sent NotAccepting(const QueueJob& job, const char* reason) {
    std::string message = "Drukarka " + job.printer + " nie przyjmuje zadań. " + job.notSent;
    if (reason != nullptr && *reason != '\0') message += std::string("\nKomunikat serwera wydruku: ") + reason;
    return Sent::Refused(message);
}

// A refusal after the last request, by what the server answered.
Sent RefusedByServer(const QueueJob& job) {
    switch (cupsLastError()) {
        case IPP_STATUS_ERROR_NOT_FOUND:
            return NoPrinter(job);
        case IPP_STATUS_ERROR_NOT_ACCEPTING_JOBS:
            return NotAccepting(job, nullptr);
        case IPP_STATUS_ERROR_SERVICE_UNAVAILABLE:
            return NoServer(job);
        default:
            break;
    }
    return Sent::Refused("Nie udało się wysłać zadania do drukarki " + job.printer + ": " + cupsLastErrorString() +
                         ". " + job.notSent);
}

const char* DestinationOption(const cups_dest_t& destination, const char* name) {
    return cupsGetOption(name, destination.num_options, destination.options);
}

// The printer's attributes the server gives now, by its URI.
Response PrinterAttributes(http_t* http, const char* uri) {
    static const char* const names[] = {"printer-state", "printer-state-message", "printer-is-accepting-jobs"};
    ipp_t* request = ippNewRequest(IPP_OP_GET_PRINTER_ATTRIBUTES);
    ippAddString(request, IPP_TAG_OPERATION, IPP_TAG_URI, "printer-uri", nullptr, uri);
    ippAddStrings(request, IPP_TAG_OPERATION, IPP_TAG_KEYWORD, "requested-attributes", 3, nullptr, names);
    return Response(cupsDoRequest(http, request, "/"));  // takes the request
}

ipp_jstate_t JobState(http_t* http, const char* uri, int jobId) {
    static const char* const names[] = {"job-state"};
    ipp_t* request = ippNewRequest(IPP_OP_GET_JOB_ATTRIBUTES);
    ippAddString(request, IPP_TAG_OPERATION, IPP_TAG_URI, "printer-uri", nullptr, uri);
    ippAddInteger(request, IPP_TAG_OPERATION, IPP_TAG_INTEGER, "job-id", jobId);
    ippAddString(request, IPP_TAG_OPERATION, IPP_TAG_NAME, "requesting-user-name", nullptr, cupsUser());
    ippAddStrings(request, IPP_TAG_OPERATION, IPP_TAG_KEYWORD, "requested-attributes", 1, nullptr, names);
    const Response response(cupsDoRequest(http, request, "/"));
    ipp_attribute_t* state = ippFindAttribute(response.get(), "job-state", IPP_TAG_ENUM);
    return state == nullptr ? IPP_JSTATE_PENDING : static_cast<ipp_jstate_t>(ippGetInteger(state, 0));
}

// Sends the document of a created job; false when the server did not take it whole.
bool SendDocument(http_t* http, const std::string& queue, int jobId, const std::string& title, std::string_view pdf) {
    if (cupsStartDocument(http, queue.c_str(), jobId, title.c_str(), CUPS_FORMAT_PDF, 1) != HTTP_STATUS_CONTINUE)
        return false;
    const bool written = cupsWriteRequestData(http, pdf.data(), pdf.size()) == HTTP_STATUS_CONTINUE;
    // The document must be finished also after a failed write, to read the server's answer.
    const bool finished = cupsFinishDocument(http, queue.c_str()) == IPP_STATUS_OK;
    return written && finished;
}

// The whole exchange of one job, on the exchange's thread.
Sent SendNow(const QueueJob& job, std::string_view pdf, Exchange& exchange) {
    const auto slash = job.printer.find('/');
    const std::string queue = job.printer.substr(0, slash);
    const std::string instance = slash == std::string::npos ? std::string() : job.printer.substr(slash + 1);

    const Connection http(httpConnect2(cupsServer(), ippPort(), nullptr, AF_UNSPEC, cupsEncryption(), 1,
                                       exchange.MillisecondsLeft(), nullptr));
    if (!http) return exchange.silent || Clock::now() >= exchange.deadline ? NoAnswer(job) : NoServer(job);
    BoundWaits(http.get(), exchange);
    const Destination destination(cupsGetNamedDest(http.get(), queue.c_str(),
                                                   instance.empty() ? nullptr : instance.c_str()));
    // A wait cut short ends the exchange; the caller names the reason.
    if (exchange.silent) return NoAnswer(job);
    if (!destination) {
        // The server answers a missing queue with "not found", or with no answer at all.
        if (cupsLastError() == IPP_STATUS_OK || cupsLastError() == IPP_STATUS_ERROR_NOT_FOUND) return NoPrinter(job);
        return RefusedByServer(job);
    }
    const char* uri = DestinationOption(*destination, "printer-uri-supported");
    if (uri == nullptr) return NoPrinter(job);
    {
        const Response printer = PrinterAttributes(http.get(), uri);
        if (exchange.silent) return NoAnswer(job);
        if (!printer) return RefusedByServer(job);
        ipp_attribute_t* accepting = ippFindAttribute(printer.get(), "printer-is-accepting-jobs", IPP_TAG_BOOLEAN);
        ipp_attribute_t* message = ippFindAttribute(printer.get(), "printer-state-message", IPP_TAG_ZERO);
        if (accepting != nullptr && ippGetBoolean(accepting, 0) == 0)
            return NotAccepting(job, message == nullptr ? nullptr : ippGetString(message, 0, nullptr));
    }

    // The queue's own settings (an instance's among them), then the director's choices over them.
    int count = 0;
    cups_option_t* options = nullptr;
    for (int i = 0; i < destination->num_options; ++i)
        count = cupsAddOption(destination->options[i].name, destination->options[i].value, count, &options);
    for (const auto& [name, value] : job.options) count = cupsAddOption(name.c_str(), value.c_str(), count, &options);
    const std::unique_ptr<cups_option_t, OptionsFree> ownedOptions(options, OptionsFree{count});

    const int jobId = cupsCreateJob(http.get(), queue.c_str(), job.title.c_str(), count, options);
    if (exchange.silent) return NoAnswer(job);
    if (jobId == 0) return RefusedByServer(job);
    if (!SendDocument(http.get(), queue, jobId, job.title, pdf)) {
        Sent refused = RefusedByServer(job);
        cupsCancelJob2(http.get(), queue.c_str(), jobId, 0);
        return refused;
    }

    const ipp_jstate_t state = JobState(http.get(), uri, jobId);
    if (state == IPP_JSTATE_ABORTED || state == IPP_JSTATE_CANCELED)
        return Sent::Refused("Serwer wydruku przerwał zadanie na drukarce " + job.printer +
                             "; nic z niego nie zostanie wydrukowane.");
    if (state == IPP_JSTATE_HELD) return Sent::Accepted(JobFate::WaitingJobHeld);
    const Response printer = PrinterAttributes(http.get(), uri);
    ipp_attribute_t* printerState = ippFindAttribute(printer.get(), "printer-state", IPP_TAG_ENUM);
    if (printerState != nullptr && ippGetInteger(printerState, 0) == IPP_PSTATE_STOPPED)
        return Sent::Accepted(JobFate::WaitingPrinterStopped);
    return Sent::Accepted(JobFate::Printing);
}

}  // namespace

void SetWhileWaiting(std::function<void()> whileWaiting) { WhileWaiting() = std::move(whileWaiting); }

movement::Result<JobFate> SendPdfToQueue(const QueueJob& job, std::string_view pdf) {
    if (job.printer.empty()) return Sent::Refused("Nie wybrano drukarki – wybierz ją w ustawieniach druku.");
    std::function<Sent(Exchange&)> talk = [job, pdf = std::string(pdf)](Exchange& exchange) {
        Sent sent = SendNow(job, pdf, exchange);
        if (sent.accepted()) return sent;
        // What libcups makes of a cut-short wait or a refused password is no reason to show.
        if (exchange.silent) return NoAnswer(job);
        if (exchange.passwordAsked) return PasswordWanted(job);
        return sent;
    };
    return WithinDeadline(std::move(talk), NoAnswer(job));
}

movement::Outcome CheckPrintServerAnswers() {
    using movement::Outcome;
    const Outcome silent =
        Outcome::Refused("Serwer wydruku (CUPS) nie odpowiada (czekano " + std::to_string(ServerAnswerSeconds) +
                         " s). Spróbuj ponownie, gdy serwer wydruku będzie działał.");
    std::function<Outcome(Exchange&)> talk = [silent](Exchange& exchange) {
        const Connection http(httpConnect2(cupsServer(), ippPort(), nullptr, AF_UNSPEC, cupsEncryption(), 1,
                                           exchange.MillisecondsLeft(), nullptr));
        if (!http) return Outcome::Accepted();  // no server: Qt finds no printers at once
        BoundWaits(http.get(), exchange);
        const Response answer(cupsDoRequest(http.get(), ippNewRequest(IPP_OP_CUPS_GET_DEFAULT), "/"));
        return exchange.silent ? silent : Outcome::Accepted();
    };
    return WithinDeadline(std::move(talk), silent);
}

void WithoutPrintServer(const std::function<void()>& make) {
    cupsSetServer(NoPrintServer);
    struct BackToTheServer {
        ~BackToTheServer() { cupsSetServer(nullptr); }  // CUPS_SERVER's, or the system's own
    } back;
    make();
}

}  // namespace printing
