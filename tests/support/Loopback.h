#pragma once

#include <arpa/inet.h>
#include <netinet/in.h>

namespace brovik::test {

// 127.0.0.1 at `port`: the only address the test servers and the delay proxy use.
inline sockaddr_in loopback(int port) {
    sockaddr_in a{};
    a.sin_family = AF_INET;
    a.sin_port = htons(static_cast<uint16_t>(port));
    a.sin_addr.s_addr = htonl(INADDR_LOOPBACK);
    return a;
}

}  // namespace brovik::test
