#include "CupsJob.h"

#include <cups/cups.h>

#include <memory>

namespace printing {

namespace {

using Sent = movement::Result<JobFate>;

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

const char* const NotSent = " Rozstawików nie wysłano.";

Sent NoServer(const QueueJob& job) {
    return Sent::Refused("Brak połączenia z serwerem wydruku (CUPS), więc nie można drukować na drukarce " +
                         job.printer + "." + NotSent);
}

Sent NoPrinter(const QueueJob& job) {
    if (job.chosenEarlier)
        return Sent::Refused("Drukarki " + job.printer +
                             " nie ma już na serwerze wydruku: usunięto ją po wybraniu w ustawieniach druku." +
                             NotSent + "\nWybierz drukarkę ponownie (Ustawienia Druku).");
    return Sent::Refused("Nie ma drukarki " + job.printer + " na serwerze wydruku." + NotSent);
}

Sent NotAccepting(const QueueJob& job, const char* reason) {
    std::string message = "Drukarka " + job.printer + " nie przyjmuje zadań." + NotSent;
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
    return Sent::Refused("Nie udało się wysłać rozstawików do drukarki " + job.printer + ": " + cupsLastErrorString() +
                         "." + NotSent);
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

}  // namespace

movement::Result<JobFate> SendPdfToQueue(const QueueJob& job, std::string_view pdf) {
    if (job.printer.empty()) return Sent::Refused("Nie wybrano drukarki – wybierz ją w ustawieniach druku.");
    const auto slash = job.printer.find('/');
    const std::string queue = job.printer.substr(0, slash);
    const std::string instance = slash == std::string::npos ? std::string() : job.printer.substr(slash + 1);

    const Connection http(httpConnect2(cupsServer(), ippPort(), nullptr, AF_UNSPEC, cupsEncryption(), 1, 10000, nullptr));
    if (!http) return NoServer(job);
    const Destination destination(cupsGetNamedDest(http.get(), queue.c_str(),
                                                   instance.empty() ? nullptr : instance.c_str()));
    if (!destination) {
        // The server answers a missing queue with "not found", or with no answer at all.
        if (cupsLastError() == IPP_STATUS_OK || cupsLastError() == IPP_STATUS_ERROR_NOT_FOUND) return NoPrinter(job);
        return RefusedByServer(job);
    }
    const char* uri = DestinationOption(*destination, "printer-uri-supported");
    if (uri == nullptr) return NoPrinter(job);
    {
        const Response printer = PrinterAttributes(http.get(), uri);
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
    if (jobId == 0) return RefusedByServer(job);
    if (!SendDocument(http.get(), queue, jobId, job.title, pdf)) {
        Sent refused = RefusedByServer(job);
        cupsCancelJob2(http.get(), queue.c_str(), jobId, 0);
        return refused;
    }

    const ipp_jstate_t state = JobState(http.get(), uri, jobId);
    if (state == IPP_JSTATE_ABORTED || state == IPP_JSTATE_CANCELED)
        return Sent::Refused("Serwer wydruku przerwał zadanie na drukarce " + job.printer +
                             "; rozstawiki nie zostaną wydrukowane.");
    if (state == IPP_JSTATE_HELD) return Sent::Accepted(JobFate::WaitingJobHeld);
    const Response printer = PrinterAttributes(http.get(), uri);
    ipp_attribute_t* printerState = ippFindAttribute(printer.get(), "printer-state", IPP_TAG_ENUM);
    if (printerState != nullptr && ippGetInteger(printerState, 0) == IPP_PSTATE_STOPPED)
        return Sent::Accepted(JobFate::WaitingPrinterStopped);
    return Sent::Accepted(JobFate::Printing);
}

}  // namespace printing
