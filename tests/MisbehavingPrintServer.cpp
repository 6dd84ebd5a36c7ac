// SPDX-License-Identifier: GPL-3.0-or-later
// A print server that misbehaves, for the tests: it listens on a unix socket and
//   silent    takes every connection and request and never answers;
//   trickle   answers every request one byte every SECONDS, an answer that never ends;
//   flood     answers every request with headers that never end, a line every 20 ms, so that
//             it never falls silent;
//   password  answers every request with "401 Unauthorized", asking for a password;
//   garbage   answers every request with a line that is not HTTP, and closes;
//   web       answers every request with a web page instead of IPP;
//   cut       begins an IPP answer to every request and closes in the middle of it;
//   reset     resets every connection as soon as a request comes;
// and in front of the real print server at UPSTREAM, passing on every request and its answer but
//   close-at-create     takes Create-Job whole and closes the connection;
//   silent-at-document  passes Send-Document on, and the real server's answer to it nowhere;
//   close-at-document   takes Send-Document whole and closes the connection.
// It ends by itself after LIFETIME seconds whatever happens, and removes its socket.
//
//   misbehaving-print-server MODE SOCKET LIFETIME [SECONDS [UPSTREAM]]

#include <poll.h>
#include <sys/socket.h>
#include <sys/un.h>
#include <unistd.h>

#include <algorithm>
#include <cctype>
#include <chrono>
#include <csignal>
#include <cstdio>
#include <cstring>
#include <string>
#include <vector>

namespace {

using Clock = std::chrono::steady_clock;

struct Client {
    int fd;
    int upstream = -1;         // the real server's connection, in front of one
    std::string request;       // what came since the last answer
    std::size_t sent = 0;      // bytes of the endless answer given so far
    std::size_t bodyLeft = 0;  // bytes of a passed request's body still to pass on
    bool passAll = false;      // after a chunked request: everything is passed on unread
    bool muted = false;        // the real server's answers are passed on no more
    bool stopped = false;      // the request the mode stops at has begun
    bool stopChunked = false;
    std::size_t stopLength = 0;  // that request's length, headers included, unless chunked
};

bool HeadersEnd(const std::string& request) { return request.find("\r\n\r\n") != std::string::npos; }

std::string Lowercase(std::string text) {
    std::transform(text.begin(), text.end(), text.begin(), [](unsigned char c) { return std::tolower(c); });
    return text;
}

// The length a request's headers give its body.
std::size_t ContentLength(const std::string& headers) {
    const std::size_t at = Lowercase(headers).find("content-length:");
    return at == std::string::npos ? 0 : std::stoul(headers.substr(at + 15));
}

// The request has come whole, headers and body, as a print server reads it before answering.
bool Whole(const std::string& request) {
    const std::size_t end = request.find("\r\n\r\n");
    return end != std::string::npos && request.size() >= end + 4 + ContentLength(request.substr(0, end));
}

void Write(int fd, const std::string& bytes) { (void)!::write(fd, bytes.data(), bytes.size()); }

int Connect(const std::string& path) {
    const int fd = ::socket(AF_UNIX, SOCK_STREAM, 0);
    sockaddr_un address{};
    address.sun_family = AF_UNIX;
    std::memcpy(address.sun_path, path.c_str(), std::min(path.size() + 1, sizeof address.sun_path - 1));
    if (fd >= 0 && ::connect(fd, reinterpret_cast<sockaddr*>(&address), sizeof address) == 0) return fd;
    if (fd >= 0) ::close(fd);
    return -1;
}

// The IPP operation a request starts with, once enough of it has come: its body's bytes 2-3,
// after the first chunk's size line in a chunked request. 0 while more is needed.
int Operation(const std::string& request, std::size_t headersEnd, bool chunked) {
    std::size_t body = headersEnd;
    if (chunked) {
        const std::size_t line = request.find("\r\n", body);
        if (line == std::string::npos) return 0;
        body = line + 2;
    }
    if (request.size() < body + 4) return 0;
    return (static_cast<unsigned char>(request[body + 2]) << 8) | static_cast<unsigned char>(request[body + 3]);
}

// Passes the client's requests on to the real server, up to the request `mode` stops at: that
// one is taken whole (its body as long as it said, or chunked up to the last chunk) and the
// connection closed. False when it is to be closed.
bool PassOn(Client& client, const std::string& mode) {
    constexpr int CreateJob = 0x0005, SendDocument = 0x0006;
    while (!client.request.empty() && !client.stopped) {
        if (client.passAll || client.bodyLeft > 0) {
            const std::size_t n =
                client.passAll ? client.request.size() : std::min(client.bodyLeft, client.request.size());
            Write(client.upstream, client.request.substr(0, n));
            client.request.erase(0, n);
            if (!client.passAll) client.bodyLeft -= n;
            continue;
        }
        const std::size_t end = client.request.find("\r\n\r\n");
        if (end == std::string::npos) return true;
        const std::string headers = client.request.substr(0, end);
        const bool chunked = Lowercase(headers).find("transfer-encoding: chunked") != std::string::npos;
        const std::size_t length = ContentLength(headers);
        // A request without a body (a GET) is no IPP operation.
        const int operation = chunked || length > 0 ? Operation(client.request, end + 4, chunked) : -1;
        if (operation == 0) {
            // A client that waits for "100 Continue" before the body is told so here, as the real
            // server would tell it, and the request is known by its body: libcups would wait a
            // second for it first.
            const std::size_t expect = Lowercase(headers).find("\r\nexpect: 100-continue");
            if (expect != std::string::npos) {
                const std::size_t lineEnd = client.request.find("\r\n", expect + 2);
                client.request.erase(expect, lineEnd - expect);
                Write(client.fd, "HTTP/1.1 100 Continue\r\n\r\n");
                continue;
            }
            return true;
        }
        client.muted = client.muted || (mode == "silent-at-document" && operation == SendDocument);
        client.stopped = operation == (mode == "close-at-create" ? CreateJob : SendDocument) && !client.muted;
        client.stopChunked = chunked;
        client.stopLength = end + 4 + length;
        if (client.stopped) break;
        Write(client.upstream, client.request.substr(0, end + 4));
        client.request.erase(0, end + 4);
        client.passAll = chunked;
        client.bodyLeft = length;
    }
    if (!client.stopped) return true;
    const bool whole =
        client.stopChunked ? client.request.ends_with("0\r\n\r\n") : client.request.size() >= client.stopLength;
    // Only the end of a chunked request tells anything more.
    if (client.stopChunked && client.request.size() > 5) client.request.erase(0, client.request.size() - 5);
    return !whole;
}

// Answers a request in the modes that answer at once: a password is asked for as soon as the
// headers have come, the rest answer the request whole. False when the connection is to be
// closed.
bool AnswerAtOnce(Client& client, const std::string& mode) {
    if (mode != "password" && !Whole(client.request)) return true;
    if (mode == "password") {
        Write(client.fd,
              "HTTP/1.1 401 Unauthorized\r\nWWW-Authenticate: Basic realm=\"CUPS\"\r\nContent-Length: 0\r\n"
              "Connection: close\r\n\r\n");
    } else if (mode == "garbage") {
        Write(client.fd, "220 to nie jest serwer wydruku\r\n");
    } else if (mode == "web") {
        const std::string page = "<html><body>Strona klubu</body></html>\n";
        Write(client.fd, "HTTP/1.1 200 OK\r\nContent-Type: text/html\r\nContent-Length: " + std::to_string(page.size()) +
                             "\r\n\r\n" + page);
        client.request.clear();
        return true;
    } else if (mode == "cut") {
        // An IPP version and status, then nothing of the 512 bytes promised.
        Write(client.fd, "HTTP/1.1 200 OK\r\nContent-Type: application/ipp\r\nContent-Length: 512\r\n\r\n" +
                             std::string("\x02\x00\x00\x00", 4));
    } else {
        return true;
    }
    return false;
}

}  // namespace

int main(int argc, char* argv[]) {
    if (argc < 4) {
        std::fprintf(stderr, "usage: %s MODE SOCKET LIFETIME [SECONDS [UPSTREAM]]\n", argv[0]);
        return 2;
    }
    const std::string mode = argv[1];
    const std::string path = argv[2];
    const int lifetime = std::stoi(argv[3]);
    const int interval = argc > 4 ? std::stoi(argv[4]) : 1;
    const bool inFront = mode.ends_with("-at-create") || mode.ends_with("-at-document");
    const std::string upstream = inFront && argc > 5 ? argv[5] : "";
    std::signal(SIGPIPE, SIG_IGN);

    const int listener = ::socket(AF_UNIX, SOCK_STREAM, 0);
    sockaddr_un address{};
    address.sun_family = AF_UNIX;
    if (listener < 0 || path.size() >= sizeof address.sun_path) return 1;
    std::memcpy(address.sun_path, path.c_str(), path.size() + 1);
    ::unlink(path.c_str());
    if (::bind(listener, reinterpret_cast<sockaddr*>(&address), sizeof address) != 0 || ::listen(listener, 16) != 0) {
        std::perror("misbehaving-print-server");
        return 1;
    }

    const std::string head = "HTTP/1.1 200 OK\r\n";
    const std::string filler = "X-Wait: a\r\n";
    std::vector<Client> clients;
    const auto end = Clock::now() + std::chrono::seconds(lifetime);
    auto nextByte = Clock::now();
    while (Clock::now() < end) {
        // The listener, then each client and its upstream (-1, ignored by poll, when none).
        std::vector<pollfd> watched = {{listener, POLLIN, 0}};
        for (const Client& client : clients) {
            watched.push_back({client.fd, POLLIN, 0});
            watched.push_back({client.upstream, POLLIN, 0});
        }
        ::poll(watched.data(), watched.size(), mode == "flood" ? 20 : 100);
        const std::size_t before = clients.size();
        if ((watched[0].revents & POLLIN) != 0) {
            const int fd = ::accept(listener, nullptr, nullptr);
            if (fd >= 0)
                clients.push_back({fd, inFront ? Connect(upstream) : -1, {}, 0, 0, false, false, false, false, 0});
        }
        std::vector<Client> open;
        for (std::size_t k = 0; k < clients.size(); ++k) {
            Client& client = clients[k];
            // A client accepted just now was not watched yet.
            const pollfd none{-1, 0, 0};
            const short events = (k < before ? watched[1 + 2 * k] : none).revents;
            const short upstreamEvents = (k < before ? watched[2 + 2 * k] : none).revents;
            bool keep = true;
            if (mode == "reset" && (events & POLLIN) != 0) {
                // Closed with the request unread and no lingering: the client's next read or
                // write fails with "connection reset".
                const linger now{1, 0};
                ::setsockopt(client.fd, SOL_SOCKET, SO_LINGER, &now, sizeof now);
                keep = false;
            } else if ((events & (POLLIN | POLLHUP | POLLERR)) != 0) {
                char buffer[65536];
                const ssize_t got = ::read(client.fd, buffer, sizeof buffer);
                if (got <= 0)
                    keep = false;
                else
                    client.request.append(buffer, static_cast<std::size_t>(got));
            }
            if (keep && (upstreamEvents & (POLLIN | POLLHUP | POLLERR)) != 0) {
                char buffer[65536];
                const ssize_t got = ::read(client.upstream, buffer, sizeof buffer);
                if (got <= 0)
                    keep = false;
                else if (!client.muted)
                    Write(client.fd, std::string(buffer, static_cast<std::size_t>(got)));
            }
            if (keep && inFront) keep = client.upstream >= 0 && PassOn(client, mode);
            if (keep && !inFront && HeadersEnd(client.request)) keep = AnswerAtOnce(client, mode);
            if (keep) {
                open.push_back(client);
                continue;
            }
            ::close(client.fd);
            if (client.upstream >= 0) ::close(client.upstream);
        }
        clients = std::move(open);
        const bool flood = mode == "flood";
        if ((mode == "trickle" || flood) && Clock::now() >= nextByte) {
            nextByte = Clock::now() + (flood ? std::chrono::milliseconds(20) : std::chrono::seconds(interval));
            for (Client& client : clients) {
                if (!HeadersEnd(client.request)) continue;
                // The status line, then headers that never end: a byte at a time, or a line.
                if (flood) {
                    Write(client.fd, client.sent++ == 0 ? head : filler);
                    continue;
                }
                const char byte =
                    client.sent < head.size() ? head[client.sent] : filler[(client.sent - head.size()) % filler.size()];
                (void)!::write(client.fd, &byte, 1);
                ++client.sent;
            }
        }
    }
    for (const Client& client : clients) {
        ::close(client.fd);
        if (client.upstream >= 0) ::close(client.upstream);
    }
    ::unlink(path.c_str());
    return 0;
}
