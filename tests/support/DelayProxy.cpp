#include "DelayProxy.h"
#include "Loopback.h"

#include <arpa/inet.h>
#include <fcntl.h>
#include <netinet/in.h>
#include <netinet/tcp.h>
#include <poll.h>
#include <sys/socket.h>
#include <unistd.h>

#include <algorithm>
#include <cerrno>
#include <deque>
#include <list>
#include <vector>

namespace brovik::test {
namespace {

using Clock = std::chrono::steady_clock;

void prepareSocket(int fd) {
    const int one = 1;
    ::setsockopt(fd, IPPROTO_TCP, TCP_NODELAY, &one, sizeof one);
    ::fcntl(fd, F_SETFL, ::fcntl(fd, F_GETFL) | O_NONBLOCK);
}

struct Chunk {
    Clock::time_point due;
    std::vector<char> bytes;
    std::size_t sent = 0;
};

// Bytes read from one socket, waiting for their time to be written to the other.
struct Direction {
    int from = -1;
    int to = -1;
    std::deque<Chunk> queue;
    Clock::time_point linkFree{};
    bool eof = false;
    bool shut = false;

    bool drained() const { return eof && queue.empty(); }
    bool ready(Clock::time_point now) const { return !queue.empty() && queue.front().due <= now; }
};

struct Pair {
    Direction up;    // client to server
    Direction down;  // server to client
    bool answered = true;  // the server spoke since the client last did
    bool broken = false;

    Pair(int client, int server) {
        up.from = down.to = client;
        up.to = down.from = server;
    }
    ~Pair() {
        ::close(up.from);
        ::close(up.to);
    }
    Pair(const Pair&) = delete;
    Pair& operator=(const Pair&) = delete;
    bool finished() const { return broken || (up.drained() && down.drained()); }
};

}  // namespace

DelayProxy::DelayProxy(int targetPort, Link link) : targetPort_(targetPort), link_(link) {
    if (::pipe(wakeFd_) != 0) return;
    listenFd_ = ::socket(AF_INET, SOCK_STREAM, 0);
    sockaddr_in a = loopback(0);
    socklen_t len = sizeof a;
    if (::bind(listenFd_, reinterpret_cast<sockaddr*>(&a), sizeof a) != 0 || ::listen(listenFd_, 16) != 0 ||
        ::getsockname(listenFd_, reinterpret_cast<sockaddr*>(&a), &len) != 0) {
        ::close(listenFd_);
        listenFd_ = -1;
        return;
    }
    port_ = ntohs(a.sin_port);
    running_ = true;
    thread_ = std::thread([this] { serve(); });
}

DelayProxy::~DelayProxy() {
    if (thread_.joinable()) {
        const char stop = 'x';
        [[maybe_unused]] const auto n = ::write(wakeFd_[1], &stop, 1);
        thread_.join();
    }
    for (int fd : wakeFd_)
        if (fd >= 0) ::close(fd);
}

void DelayProxy::resetCounters() {
    roundTrips_ = 0;
    bytesToClients_ = 0;
}

void DelayProxy::serve() {
    const auto oneWay = link_.roundTrip / 2;
    const Clock::time_point end = Clock::now() + link_.lifetime;
    std::list<Pair> pairs;
    int accepted = 0;

    const auto readInto = [&](Pair& p, Direction& d, bool fromClient) {
        char buffer[64 * 1024];
        const ssize_t n = ::read(d.from, buffer, sizeof buffer);
        if (n < 0 && (errno == EAGAIN || errno == EINTR)) return;
        if (n <= 0) {
            d.eof = true;
            return;
        }
        const Clock::time_point now = Clock::now();
        const Clock::time_point start = std::max(now, d.linkFree);
        Clock::duration onWire{};
        if (link_.bitsPerSecond > 0)
            onWire = std::chrono::duration_cast<Clock::duration>(std::chrono::duration<double>(n * 8.0 / link_.bitsPerSecond));
        d.linkFree = start + onWire;
        d.queue.push_back({d.linkFree + oneWay, std::vector<char>(buffer, buffer + n)});
        if (fromClient) {
            if (p.answered) ++roundTrips_;
            p.answered = false;
        } else {
            p.answered = true;
            bytesToClients_ += n;
        }
    };
    const auto writeDue = [&](Pair& p, Direction& d, Clock::time_point now) {
        while (d.ready(now)) {
            Chunk& c = d.queue.front();
            const ssize_t n = ::send(d.to, c.bytes.data() + c.sent, c.bytes.size() - c.sent, MSG_NOSIGNAL);
            if (n < 0) {
                if (errno != EAGAIN && errno != EINTR) p.broken = true;
                return;
            }
            c.sent += static_cast<std::size_t>(n);
            if (c.sent < c.bytes.size()) return;
            d.queue.pop_front();
        }
        if (d.drained() && !d.shut) {
            ::shutdown(d.to, SHUT_WR);
            d.shut = true;
        }
    };

    for (;;) {
        const Clock::time_point now = Clock::now();
        if (now >= end) break;
        std::vector<pollfd> fds{{wakeFd_[0], POLLIN, 0}};
        fds.push_back({listenFd_, POLLIN, 0});
        Clock::time_point wake = std::min(end, now + std::chrono::milliseconds(100));
        for (Pair& p : pairs)
            for (Direction* d : {&p.up, &p.down}) {
                if (!d->eof) fds.push_back({d->from, POLLIN, 0});
                if (d->ready(now)) fds.push_back({d->to, POLLOUT, 0});
                else if (!d->queue.empty()) wake = std::min(wake, d->queue.front().due);
            }
        const auto wait = std::max<long long>(std::chrono::duration_cast<std::chrono::nanoseconds>(wake - now).count(), 0);
        const timespec timeout{static_cast<time_t>(wait / 1000000000), static_cast<long>(wait % 1000000000)};
        if (::ppoll(fds.data(), fds.size(), &timeout, nullptr) < 0 && errno != EINTR) break;
        if (fds[0].revents) break;
        if (fds[1].revents & POLLIN) {
            const int client = ::accept(listenFd_, nullptr, nullptr);
            // Past the limit a client is hung up on at once rather than left waiting.
            if (client >= 0 && accepted >= link_.maxConnections) {
                ::close(client);
            } else if (client >= 0) {
                ++accepted;
                const int server = ::socket(AF_INET, SOCK_STREAM, 0);
                const sockaddr_in target = loopback(targetPort_);
                if (::connect(server, reinterpret_cast<const sockaddr*>(&target), sizeof target) == 0) {
                    prepareSocket(client);
                    prepareSocket(server);
                    pairs.emplace_back(client, server);
                } else {
                    ::close(server);
                    ::close(client);
                }
            }
        }
        // Readiness is rechecked by non-blocking calls, so every socket is simply tried.
        for (Pair& p : pairs) {
            if (!p.up.eof) readInto(p, p.up, true);
            if (!p.down.eof) readInto(p, p.down, false);
            const Clock::time_point t = Clock::now();
            writeDue(p, p.up, t);
            writeDue(p, p.down, t);
        }
        pairs.remove_if([](const Pair& p) { return p.finished(); });
    }
    pairs.clear();
    ::close(listenFd_);
    running_ = false;
}

}  // namespace brovik::test
