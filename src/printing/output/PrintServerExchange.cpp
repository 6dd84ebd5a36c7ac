// SPDX-License-Identifier: GPL-3.0-or-later
#include "PrintServerExchange.h"

#include <fcntl.h>
#include <strings.h>
#include <sys/socket.h>
#include <unistd.h>

#include <algorithm>
#include <cerrno>

namespace printing {

namespace {

// libcups calls this when the server has kept silent for as long as the exchange had left: it
// waits on only while the exchange has time left. The caller cuts the connection at the
// deadline in any case, which ends every wait at once.
int KeepWaiting(http_t* http, void* data) {
    auto* exchange = static_cast<Exchange*>(data);
    if (!exchange->Over()) return 1;
    exchange->silent = true;
    // libcups may try again on its own: every later wait on this connection ends at once, and
    // the connection of its own it would open instead (this thread's default) reaches nobody.
    httpSetTimeout(http, 0.001, KeepWaiting, data);
    cupsSetServer(NoPrintServer);
    return 0;
}

const char* NoPassword(const char*, http_t*, const char*, const char*, void* data) {
    static_cast<Exchange*>(data)->passwordAsked = true;
    return nullptr;
}

// Reads the status and headers of the answer to a request sent whole.
http_status_t AnswerStatus(http_t* http, const Exchange& exchange) {
    // A server that answers before it has read the request whole is no print server (and
    // libcups then loses track of both).
    if (httpGetState(http) != HTTP_STATE_POST_SEND) return HTTP_STATUS_ERROR;
    http_status_t status = HTTP_STATUS_CONTINUE;
    do status = httpUpdate(http);
    while (status == HTTP_STATUS_CONTINUE && !exchange.Over());
    return status;
}

// The IPP answer after a status of 200.
Asked ReadAnswer(http_t* http, const Exchange& exchange) {
    // The connection may have ended before the headers did.
    if (httpError(http) != 0) return {nullptr, TroubleOf(http, exchange)};
    const char* type = httpGetField(http, HTTP_FIELD_CONTENT_TYPE);
    if (type == nullptr || ::strncasecmp(type, "application/ipp", 15) != 0) {
        httpFlush(http);
        return {nullptr, Trouble::NotIpp};
    }
    Response response(ippNew());
    ipp_state_t state = IPP_STATE_IDLE;
    do state = ippRead(http, response.get());
    while (state != IPP_STATE_DATA && state != IPP_STATE_ERROR);
    if (state == IPP_STATE_ERROR) {
        // Read to the end the server gave: garbled, or cut off by a closed connection.
        const Trouble trouble = TroubleOf(http, exchange);
        httpFlush(http);
        return {nullptr, trouble};
    }
    // What follows the answer, if anything, is not ours.
    if (httpGetState(http) != HTTP_STATE_WAITING) httpFlush(http);
    return {std::move(response), Trouble::Silent};
}

}  // namespace

Exchange::~Exchange() {
    if (socket_ >= 0) ::close(socket_);
}

int Exchange::MillisecondsLeft() const {
    const auto left = std::chrono::duration_cast<std::chrono::milliseconds>(deadline - Clock::now()).count();
    return static_cast<int>(std::max<long long>(left, 1));
}

http_t* Exchange::Connect() {
    http_t* http =
        httpConnect2(cupsServer(), ippPort(), nullptr, AF_UNSPEC, cupsEncryption(), 1, MillisecondsLeft(), nullptr);
    if (http != nullptr) {
        BoundWaits(http, *this);
        Watch(http);
    }
    return http;
}

void Exchange::Watch(http_t* http) {
    const std::lock_guard<std::mutex> lock(socketMutex_);
    if (socket_ >= 0) ::close(socket_);
    // A duplicate, which the caller may shut down whatever libcups has done with its own.
    socket_ = httpGetFd(http) < 0 ? -1 : ::fcntl(httpGetFd(http), F_DUPFD_CLOEXEC, 0);
    if (abandoned && socket_ >= 0) ::shutdown(socket_, SHUT_RDWR);
}

void Exchange::Cut() {
    const std::lock_guard<std::mutex> lock(socketMutex_);
    if (socket_ >= 0) ::shutdown(socket_, SHUT_RDWR);
}

bool Asked::Succeeded() const { return Answered() && ippGetStatusCode(response.get()) <= IPP_STATUS_OK_CONFLICTING; }

void BoundWaits(http_t* http, Exchange& exchange) {
    // Not shorter: libcups gives up reading an IPP answer after one such wait without a byte.
    httpSetTimeout(http, exchange.MillisecondsLeft() / 1000.0, KeepWaiting, &exchange);
}

void AskNoPassword(Exchange& exchange) { cupsSetPasswordCB2(NoPassword, &exchange); }

Trouble TroubleOf(http_t* http, const Exchange& exchange) {
    if (exchange.silent || exchange.Over()) return Trouble::Silent;
    if (exchange.passwordAsked) return Trouble::Password;
    switch (httpError(http)) {
        case 0:       // a status line that is no HTTP status
        case EINVAL:  // a line that is not HTTP, a length that is no number, an answer that is not IPP
            return Trouble::NotIpp;
        case ETIMEDOUT:
        case EAGAIN:
            return Trouble::Silent;
        default:  // closed (EPIPE), reset (ECONNRESET) or lost on the way
            return Trouble::Broken;
    }
}

Asked Ask(http_t* http, Exchange& exchange, ipp_t* request, const char* resource, std::string_view document) {
    const Response owned(request);  // cupsSendRequest leaves the request to its caller
    // A server that asks who prints (without a password: the local user's credentials) takes
    // a round or two.
    for (int round = 0; round < 3; ++round) {
        if (exchange.Over()) return {nullptr, Trouble::Silent};
        exchange.Watch(http);
        http_status_t status = cupsSendRequest(http, request, resource, ippLength(request) + document.size());
        if (status == HTTP_STATUS_CONTINUE && !document.empty())
            status = cupsWriteRequestData(http, document.data(), document.size());
        if (status == HTTP_STATUS_CONTINUE || status == HTTP_STATUS_OK) status = AnswerStatus(http, exchange);
        if (exchange.passwordAsked || status == HTTP_STATUS_CUPS_AUTHORIZATION_CANCELED)
            return {nullptr, Trouble::Password};
        if (status == HTTP_STATUS_OK) return ReadAnswer(http, exchange);
        if (status == HTTP_STATUS_UNAUTHORIZED) {
            httpFlush(http);
            if (cupsDoAuthentication(http, "POST", resource) != 0) return {nullptr, Trouble::Password};
            if (httpReconnect2(http, exchange.MillisecondsLeft(), nullptr) != 0)
                return {nullptr, TroubleOf(http, exchange)};
            continue;
        }
        // libcups answers "service unavailable" also when it could not connect again.
        if (status == HTTP_STATUS_ERROR || exchange.silent ||
            (status == HTTP_STATUS_SERVICE_UNAVAILABLE && httpError(http) != 0))
            return {nullptr, TroubleOf(http, exchange)};
        httpFlush(http);
        return {nullptr, Trouble::HttpError, static_cast<int>(status)};
    }
    return {nullptr, Trouble::Password};
}

}  // namespace printing
