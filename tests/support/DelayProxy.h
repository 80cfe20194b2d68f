#pragma once

#include <atomic>
#include <chrono>
#include <thread>

namespace brovik::test {

// A TCP relay on loopback that makes a local server look far away: every chunk of bytes
// is held for half the round trip in each direction, and optionally paced to a link
// speed. It listens on 127.0.0.1 only, forwards to 127.0.0.1:targetPort, takes a bounded
// number of connections and ends by itself when its lifetime is over (or when destroyed).
//
//   DelayProxy proxy(server.port(), {.roundTrip = std::chrono::milliseconds(10)});
//   settings.mv = QStringLiteral("127.0.0.1/%1:%2").arg(proxy.port()).arg(path);
class DelayProxy {
public:
    struct Link {
        std::chrono::microseconds roundTrip{0};
        double bitsPerSecond = 0;  // 0: no limit
        int maxConnections = 64;
        std::chrono::seconds lifetime{900};
    };

    DelayProxy(int targetPort, Link link);
    ~DelayProxy();
    DelayProxy(const DelayProxy&) = delete;
    DelayProxy& operator=(const DelayProxy&) = delete;

    // False once its lifetime is over (or it could not listen).
    bool running() const { return running_.load(); }
    int port() const { return port_; }
    // Bursts the clients sent after an answer: the round trips they waited for.
    long roundTrips() const { return roundTrips_.load(); }
    long bytesToClients() const { return bytesToClients_.load(); }
    void resetCounters();

private:
    void serve();

    int targetPort_;
    Link link_;
    int listenFd_ = -1;
    int port_ = 0;
    int wakeFd_[2] = {-1, -1};
    std::atomic<bool> running_{false};
    std::atomic<long> roundTrips_{0};
    std::atomic<long> bytesToClients_{0};
    std::thread thread_;
};

}  // namespace brovik::test
