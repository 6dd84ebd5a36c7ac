// SPDX-License-Identifier: GPL-3.0-or-later
#include "PrintServerJob.h"

#include "PrintServerExchange.h"
#include "QueueTexts.h"

#include <cups/cups.h>

#include <functional>
#include <memory>
#include <string>
#include <utility>
#include <vector>

namespace printing {

namespace {

using Sent = movement::Result<JobFate>;

std::function<void()>& WhileWaiting() {
    static std::function<void()> whileWaiting;
    return whileWaiting;
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

using Connection = std::unique_ptr<http_t, ConnectionClose>;
using Destination = std::unique_ptr<cups_dest_t, DestinationFree>;

// What went wrong in the talk with the server, as the director is told it: before the cards
// went out (or once they were called back), and when the server did not confirm them and they
// could not be called back. %1 is the printer, %2 the seconds waited or the HTTP status, and
// %3, before, the sentence naming what was not sent.
struct Told {
    movement::TextId before;
    movement::TextId unconfirmed;
};

Told TextsOf(Trouble trouble) {
    switch (trouble) {
        case Trouble::NoConnection:  // only the first connection fails so, before anything went out
            break;
        case Trouble::Silent:
            return {RZ_TEXT("queues",
                            "Serwer wydruku (CUPS) nie odpowiada (czekano %2 s), więc nie można drukować na drukarce "
                            "%1. %3"),
                    RZ_TEXT("queues",
                            "Serwer wydruku (CUPS) nie potwierdził w ciągu %2 s przyjęcia zadania dla drukarki %1, "
                            "więc nie wiadomo, czy się wydrukuje. Sprawdź kolejkę drukarki, zanim wyślesz je "
                            "ponownie.")};
        case Trouble::NotIpp:
            return {RZ_TEXT("queues",
                            "Serwer wydruku (CUPS) odpowiedział niezrozumiale (nie w protokole IPP), więc nie można "
                            "drukować na drukarce %1. %3"),
                    RZ_TEXT("queues",
                            "Serwer wydruku (CUPS) odpowiedział niezrozumiale (nie w protokole IPP), zanim potwierdził "
                            "przyjęcie zadania dla drukarki %1, więc nie wiadomo, czy się wydrukuje. Sprawdź kolejkę "
                            "drukarki, zanim wyślesz je ponownie.")};
        case Trouble::Broken:
            return {RZ_TEXT("queues",
                            "Połączenie z serwerem wydruku (CUPS) zostało zerwane, więc nie można drukować na "
                            "drukarce %1. %3"),
                    RZ_TEXT("queues",
                            "Połączenie z serwerem wydruku (CUPS) zostało zerwane, zanim serwer potwierdził przyjęcie "
                            "zadania dla drukarki %1, więc nie wiadomo, czy się wydrukuje. Sprawdź kolejkę drukarki, "
                            "zanim wyślesz je ponownie.")};
        case Trouble::Password:
            return {RZ_TEXT("queues",
                            "Serwer wydruku (CUPS) żąda hasła, a program drukuje bez logowania, więc nie można "
                            "drukować na drukarce %1. %3"),
                    RZ_TEXT("queues",
                            "Serwer wydruku (CUPS) zażądał hasła (program drukuje bez logowania), zanim potwierdził "
                            "przyjęcie zadania dla drukarki %1, więc nie wiadomo, czy się wydrukuje. Sprawdź kolejkę "
                            "drukarki, zanim wyślesz je ponownie.")};
        case Trouble::HttpError:
            return {RZ_TEXT("queues",
                            "Serwer wydruku (CUPS) odpowiedział błędem HTTP %2, więc nie można drukować na drukarce "
                            "%1. %3"),
                    RZ_TEXT("queues",
                            "Serwer wydruku (CUPS) odpowiedział błędem HTTP %2, zanim potwierdził przyjęcie zadania "
                            "dla drukarki %1, więc nie wiadomo, czy się wydrukuje. Sprawdź kolejkę drukarki, zanim "
                            "wyślesz je ponownie.")};
    }
    // No number to name (%2).
    const movement::TextId noServer =
        RZ_TEXT("queues", "Brak połączenia z serwerem wydruku (CUPS), więc nie można drukować na drukarce %1. %3");
    return {noServer, noServer};
}

// `unconfirmed`: the cards went to the server, which did not confirm them, and they could not
// be called back.
Sent Failed(const QueueJob& job, Trouble trouble, bool unconfirmed, int httpStatus = 0) {
    const Told told = TextsOf(trouble);
    const int number = trouble == Trouble::HttpError ? httpStatus : job.answerSeconds;
    std::vector<std::string> arguments = {job.printer, std::to_string(number)};
    if (unconfirmed) return Sent::Refused(movement::Text{told.unconfirmed, std::move(arguments)});
    return Sent::Refused(NotSent(job, told.before, std::move(arguments)));
}

Sent NoServer(const QueueJob& job) { return Failed(job, Trouble::NoConnection, false); }

Sent Failed(const QueueJob& job, const Asked& asked, bool unconfirmed) {
    return Failed(job, asked.trouble, unconfirmed, asked.httpStatus);
}

Sent NoPrinter(const QueueJob& job) { return Sent::Refused(NoSuchPrinter(job, PrinterPlace::PrintServer)); }

Sent NotAccepting(const QueueJob& job, const char* reason) {
    // %1 is the printer, %2 the sentence naming what was not sent, %3 the server's own words.
    if (reason != nullptr && *reason != '\0') {
        movement::Text told =
            NotSent(job, RZ_TEXT("queues", "Drukarka %1 nie przyjmuje zadań. %2\nKomunikat serwera wydruku: %3"),
                    {job.printer});
        told.arguments.emplace_back(reason);
        return Sent::Refused(std::move(told));
    }
    return Sent::Refused(NotSent(job, RZ_TEXT("queues", "Drukarka %1 nie przyjmuje zadań. %2"), {job.printer}));
}

// A request the server answered with a refusal, by the answer's status.
Sent RefusedBy(const QueueJob& job, ipp_t* response) {
    const ipp_status_t status = ippGetStatusCode(response);
    switch (status) {
        case IPP_STATUS_ERROR_NOT_FOUND:
            return NoPrinter(job);
        case IPP_STATUS_ERROR_NOT_ACCEPTING_JOBS:
            return NotAccepting(job, nullptr);
        case IPP_STATUS_ERROR_SERVICE_UNAVAILABLE:
            return NoServer(job);
        default:
            break;
    }
    const char* message = ippGetString(ippFindAttribute(response, "status-message", IPP_TAG_TEXT), 0, nullptr);
    // %1 is the printer, %2 the server's own words, %3 the sentence naming what was not sent.
    return Sent::Refused(NotSent(job, RZ_TEXT("queues", "Nie udało się wysłać zadania do drukarki %1: %2. %3"),
                                 {job.printer, message != nullptr ? message : ippErrorString(status)}));
}

// The director's settings as CUPS names them: what the dialog set beyond them last, as it set it.
std::vector<std::pair<std::string, std::string>> CupsOptionsOf(const PrinterSettings& settings) {
    std::vector<std::pair<std::string, std::string>> options;
    if (!settings.paper.empty()) options.emplace_back("media", settings.paper);
    if (settings.sides) {
        switch (*settings.sides) {
            case Sides::OneSided:
                options.emplace_back("sides", "one-sided");
                break;
            case Sides::TwoSidedLongEdge:
                options.emplace_back("sides", "two-sided-long-edge");
                break;
            case Sides::TwoSidedShortEdge:
                options.emplace_back("sides", "two-sided-short-edge");
                break;
        }
    }
    if (settings.copies > 1) {
        options.emplace_back("copies", std::to_string(settings.copies));
        options.emplace_back("multiple-document-handling", settings.collate ? "separate-documents-collated-copies"
                                                                            : "separate-documents-uncollated-copies");
    }
    if (settings.lastPageFirst) options.emplace_back("outputorder", "reverse");
    options.insert(options.end(), settings.cupsOptions.begin(), settings.cupsOptions.end());
    return options;
}

ipp_t* PrinterAttributesRequest(const std::string& uri) {
    static const char* const names[] = {"printer-uri-supported", "printer-state", "printer-state-message",
                                        "printer-is-accepting-jobs"};
    ipp_t* request = ippNewRequest(IPP_OP_GET_PRINTER_ATTRIBUTES);
    ippAddString(request, IPP_TAG_OPERATION, IPP_TAG_URI, "printer-uri", nullptr, uri.c_str());
    ippAddStrings(request, IPP_TAG_OPERATION, IPP_TAG_KEYWORD, "requested-attributes", 4, nullptr, names);
    return request;
}

// A request about the job `jobId` on the printer at `uri`.
ipp_t* JobRequest(ipp_op_t operation, const std::string& uri, int jobId) {
    ipp_t* request = ippNewRequest(operation);
    ippAddString(request, IPP_TAG_OPERATION, IPP_TAG_URI, "printer-uri", nullptr, uri.c_str());
    ippAddInteger(request, IPP_TAG_OPERATION, IPP_TAG_INTEGER, "job-id", jobId);
    ippAddString(request, IPP_TAG_OPERATION, IPP_TAG_NAME, "requesting-user-name", nullptr, cupsUser());
    return request;
}

ipp_t* CreateJobRequest(const std::string& uri, const std::string& title, int count, cups_option_t* options) {
    ipp_t* request = ippNewRequest(IPP_OP_CREATE_JOB);
    ippAddString(request, IPP_TAG_OPERATION, IPP_TAG_URI, "printer-uri", nullptr, uri.c_str());
    ippAddString(request, IPP_TAG_OPERATION, IPP_TAG_NAME, "requesting-user-name", nullptr, cupsUser());
    ippAddString(request, IPP_TAG_OPERATION, IPP_TAG_NAME, "job-name", nullptr, title.c_str());
    for (const ipp_tag_t group : {IPP_TAG_OPERATION, IPP_TAG_JOB, IPP_TAG_SUBSCRIPTION})
        cupsEncodeOptions2(request, count, options, group);
    return request;
}

ipp_t* SendDocumentRequest(const std::string& uri, int jobId, const std::string& title) {
    ipp_t* request = JobRequest(IPP_OP_SEND_DOCUMENT, uri, jobId);
    ippAddString(request, IPP_TAG_OPERATION, IPP_TAG_NAME, "document-name", nullptr, title.c_str());
    ippAddString(request, IPP_TAG_OPERATION, IPP_TAG_MIMETYPE, "document-format", nullptr, CUPS_FORMAT_PDF);
    ippAddBoolean(request, IPP_TAG_OPERATION, "last-document", 1);
    return request;
}

// Calls the job back after trouble, on a connection of its own, in what is left of the time:
// true when the server confirms it, so that the cards will not print.
bool CalledBack(Exchange& exchange, const std::string& uri, int jobId) {
    if (exchange.Over()) return false;
    const Connection http(exchange.Connect());
    return http && Ask(http.get(), exchange, JobRequest(IPP_OP_CANCEL_JOB, uri, jobId), "/jobs/").Succeeded();
}

// The whole exchange of one job, on the exchange's thread. The cards count as sent only once the
// server has answered the document with success and then knows the job.
Sent SendNow(const QueueJob& job, std::string_view pdf, Exchange& exchange) {
    const auto slash = job.printer.find('/');
    const std::string queue = job.printer.substr(0, slash);
    const std::string instance = slash == std::string::npos ? std::string() : job.printer.substr(slash + 1);

    const Connection http(exchange.Connect());
    if (!http) return Failed(job, exchange.Over() ? Trouble::Silent : Trouble::NoConnection, false);

    // The printer as the server has it now, asked first: a server that fails at once is told as it failed.
    char uri[HTTP_MAX_URI];
    httpAssembleURIf(HTTP_URI_CODING_ALL, uri, sizeof uri, "ipp", nullptr, "localhost", ippPort(), "/printers/%s",
                     queue.c_str());
    std::string printerUri = uri;
    {
        const Asked printer = Ask(http.get(), exchange, PrinterAttributesRequest(printerUri), "/");
        if (!printer.Answered()) return Failed(job, printer, false);
        if (!printer.Succeeded()) return RefusedBy(job, printer.response.get());
        ipp_t* attributes = printer.response.get();
        ipp_attribute_t* accepting = ippFindAttribute(attributes, "printer-is-accepting-jobs", IPP_TAG_BOOLEAN);
        ipp_attribute_t* message = ippFindAttribute(attributes, "printer-state-message", IPP_TAG_ZERO);
        if (accepting != nullptr && ippGetBoolean(accepting, 0) == 0)
            return NotAccepting(job, ippGetString(message, 0, nullptr));
        if (const char* supported =
                ippGetString(ippFindAttribute(attributes, "printer-uri-supported", IPP_TAG_URI), 0, nullptr))
            printerUri = supported;
    }
    char scheme[32], user[256], host[256], resource[HTTP_MAX_URI];
    int port = 0;
    if (httpSeparateURI(HTTP_URI_CODING_ALL, printerUri.c_str(), scheme, sizeof scheme, user, sizeof user, host,
                        sizeof host, &port, resource, sizeof resource) < HTTP_URI_STATUS_OK)
        return Failed(job, Trouble::NotIpp, false);

    // The queue's own settings (an instance's among them), then the director's choices over them.
    const Destination destination(cupsGetNamedDest(http.get(), queue.c_str(),
                                                   instance.empty() ? nullptr : instance.c_str()));
    if (!destination) {
        // libcups looks for the printer on the network after any failure, and then says "not found".
        const bool failed = httpError(http.get()) != 0 || exchange.Over();
        if (!failed && cupsLastError() == IPP_STATUS_ERROR_NOT_FOUND) return NoPrinter(job);
        return Failed(job, TroubleOf(http.get(), exchange), false);
    }
    int count = 0;
    cups_option_t* options = nullptr;
    for (int i = 0; i < destination->num_options; ++i)
        count = cupsAddOption(destination->options[i].name, destination->options[i].value, count, &options);
    for (const auto& [name, value] : CupsOptionsOf(job.settings))
        count = cupsAddOption(name.c_str(), value.c_str(), count, &options);
    const std::unique_ptr<cups_option_t, OptionsFree> ownedOptions(options, OptionsFree{count});

    const Asked created = Ask(http.get(), exchange, CreateJobRequest(printerUri, job.title, count, options), resource);
    if (!created.Answered()) return Failed(job, created, false);
    if (!created.Succeeded()) return RefusedBy(job, created.response.get());
    const int jobId = ippGetInteger(ippFindAttribute(created.response.get(), "job-id", IPP_TAG_INTEGER), 0);
    if (jobId <= 0) return Failed(job, Trouble::NotIpp, false);  // a job made, but not told

    exchange.documentSent = true;
    const Asked document = Ask(http.get(), exchange, SendDocumentRequest(printerUri, jobId, job.title), resource, pdf);
    if (!document.Succeeded()) {
        const bool calledBack = CalledBack(exchange, printerUri, jobId);
        if (document.Answered()) return RefusedBy(job, document.response.get());
        return Failed(job, document, !calledBack);
    }
    const Asked known = Ask(http.get(), exchange, JobRequest(IPP_OP_GET_JOB_ATTRIBUTES, printerUri, jobId), "/");
    ipp_attribute_t* jobState = ippFindAttribute(known.response.get(), "job-state", IPP_TAG_ENUM);
    if (!known.Answered()) return Failed(job, known, !CalledBack(exchange, printerUri, jobId));
    if (jobState == nullptr)
        return Sent::Refused(movement::Text{RZ_TEXT("queues",
                                                    "Serwer wydruku (CUPS) przyjął zadanie dla drukarki %1, ale potem "
                                                    "go nie zna, więc nie wiadomo, czy się wydrukuje. Sprawdź kolejkę "
                                                    "drukarki, zanim wyślesz je ponownie."),
                                            {job.printer}});
    exchange.confirmed = true;

    const auto state = static_cast<ipp_jstate_t>(ippGetInteger(jobState, 0));
    if (state == IPP_JSTATE_ABORTED || state == IPP_JSTATE_CANCELED)
        return Sent::Refused(movement::Text{
            RZ_TEXT("queues", "Serwer wydruku przerwał zadanie na drukarce %1; nic z niego nie zostanie wydrukowane."),
            {job.printer}});
    if (state == IPP_JSTATE_HELD) return Sent::Accepted(JobFate::WaitingJobHeld);
    const Asked printer = Ask(http.get(), exchange, PrinterAttributesRequest(printerUri), "/");
    ipp_attribute_t* printerState = ippFindAttribute(printer.response.get(), "printer-state", IPP_TAG_ENUM);
    if (printerState != nullptr && ippGetInteger(printerState, 0) == IPP_PSTATE_STOPPED)
        return Sent::Accepted(JobFate::WaitingPrinterStopped);
    return Sent::Accepted(JobFate::Printing);
}

}  // namespace

void SetWhileWaiting(std::function<void()> whileWaiting) { WhileWaiting() = std::move(whileWaiting); }

movement::Result<JobFate> SendPdfToQueue(const QueueJob& job, std::string_view pdf) {
    if (job.printer.empty()) return Sent::Refused(NoPrinterChosen());
    std::function<Sent(Exchange&)> talk = [job, pdf = std::string(pdf)](Exchange& exchange) {
        return SendNow(job, pdf, exchange);
    };
    // Cut short at the deadline: a job the server has confirmed is printing, as far as is known.
    std::function<Sent(const Exchange&)> late = [job](const Exchange& exchange) {
        if (exchange.confirmed) return Sent::Accepted(JobFate::Printing);
        return Failed(job, Trouble::Silent, exchange.documentSent);
    };
    return WithinDeadline(job.answerSeconds, std::move(talk), late, WhileWaiting());
}

movement::Outcome CheckPrintServerAnswers(int seconds) {
    using movement::Outcome;
    const auto silent = [seconds] {
        return Outcome::Refused(movement::Text{RZ_TEXT("queues",
                                                       "Serwer wydruku (CUPS) nie odpowiada (czekano %1 s). Spróbuj "
                                                       "ponownie, gdy serwer wydruku będzie działał."),
                                               {std::to_string(seconds)}});
    };
    std::function<Outcome(Exchange&)> talk = [silent](Exchange& exchange) {
        const Connection http(exchange.Connect());
        if (!http) return Outcome::Accepted();  // no server: Qt finds no printers at once
        const Response answer(cupsDoRequest(http.get(), ippNewRequest(IPP_OP_CUPS_GET_DEFAULT), "/"));
        return exchange.silent ? silent() : Outcome::Accepted();
    };
    std::function<Outcome(const Exchange&)> late = [silent](const Exchange&) { return silent(); };
    return WithinDeadline(seconds, std::move(talk), late, WhileWaiting());
}

void WithoutPrintServer(const std::function<void()>& make) {
    cupsSetServer(NoPrintServer);
    struct BackToTheServer {
        ~BackToTheServer() { cupsSetServer(nullptr); }  // CUPS_SERVER's, or the system's own
    } back;
    make();
}

}  // namespace printing
