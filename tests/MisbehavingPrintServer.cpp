// SPDX-License-Identifier: GPL-3.0-or-later
// A print server that misbehaves, for the tests: it listens on a unix socket and
//   silent    takes every connection and request and never answers;
//   trickle   answers every request one byte every SECONDS, an answer that never ends;
//   password  answers every request with "401 Unauthorized", asking for a password.
// It ends by itself after LIFETIME seconds whatever happens, and removes its socket.
//
//   misbehaving-print-server silent|trickle|password SOCKET LIFETIME [SECONDS]

#include <poll.h>
#include <sys/socket.h>
#include <sys/un.h>
#include <unistd.h>

#include <chrono>
#include <csignal>
#include <cstdio>
#include <cstring>
#include <string>
#include <vector>

namespace {

struct Client {
    int fd;
    std::string request;   // what came since the last answer
    std::size_t sent = 0;  // bytes of the endless answer given so far
};

bool HeadersEnd(const std::string& request) { return request.find("\r\n\r\n") != std::string::npos; }

}  // namespace

int main(int argc, char* argv[]) {
    if (argc < 4) {
        std::fprintf(stderr, "usage: %s silent|trickle|password SOCKET LIFETIME [SECONDS]\n", argv[0]);
        return 2;
    }
    const std::string mode = argv[1];
    const std::string path = argv[2];
    const int lifetime = std::stoi(argv[3]);
    const int interval = argc > 4 ? std::stoi(argv[4]) : 1;
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
    const std::string unauthorized =
        "HTTP/1.1 401 Unauthorized\r\nWWW-Authenticate: Basic realm=\"CUPS\"\r\nContent-Length: 0\r\n"
        "Connection: close\r\n\r\n";
    std::vector<Client> clients;
    const auto end = std::chrono::steady_clock::now() + std::chrono::seconds(lifetime);
    auto nextByte = std::chrono::steady_clock::now();
    while (std::chrono::steady_clock::now() < end) {
        std::vector<pollfd> watched = {{listener, POLLIN, 0}};
        for (const Client& client : clients) watched.push_back({client.fd, POLLIN, 0});
        ::poll(watched.data(), watched.size(), 100);
        if ((watched[0].revents & POLLIN) != 0) {
            const int fd = ::accept(listener, nullptr, nullptr);
            if (fd >= 0) clients.push_back({fd, {}});
        }
        for (std::size_t k = 0; k < clients.size();) {
            Client& client = clients[k];
            bool closed = false;
            // A client accepted just now was not watched yet.
            const bool ready = k + 1 < watched.size() && (watched[k + 1].revents & (POLLIN | POLLHUP | POLLERR)) != 0;
            if (ready) {
                char buffer[4096];
                const ssize_t got = ::read(client.fd, buffer, sizeof buffer);
                if (got <= 0)
                    closed = true;
                else
                    client.request.append(buffer, static_cast<std::size_t>(got));
            }
            if (!closed && mode == "password" && HeadersEnd(client.request)) {
                (void)!::write(client.fd, unauthorized.data(), unauthorized.size());
                closed = true;
            }
            if (closed) {
                ::close(client.fd);
                clients.erase(clients.begin() + static_cast<std::ptrdiff_t>(k));
                watched.erase(watched.begin() + static_cast<std::ptrdiff_t>(k + 1));
                continue;
            }
            ++k;
        }
        if (mode == "trickle" && std::chrono::steady_clock::now() >= nextByte) {
            nextByte = std::chrono::steady_clock::now() + std::chrono::seconds(interval);
            for (Client& client : clients) {
                if (!HeadersEnd(client.request)) continue;
                // The status line, then headers that never end.
                const char byte =
                    client.sent < head.size() ? head[client.sent] : filler[(client.sent - head.size()) % filler.size()];
                (void)!::write(client.fd, &byte, 1);
                ++client.sent;
            }
        }
    }
    for (const Client& client : clients) ::close(client.fd);
    ::unlink(path.c_str());
    return 0;
}
