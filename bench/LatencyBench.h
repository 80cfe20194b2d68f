#pragma once

#include <QString>

namespace brovik::bench {

// The ticket run and each layout's export through a delay proxy in front of a loopback
// server, at 0, 2 and 10 ms round trip, beside the joined SELECT over the same link, with
// the statements executed and the round trips the proxy saw.
void benchLatency(const QString& database);

// The same at 10 ms over a 10 Mbit/s link, and at 0 ms, with and without wire compression.
void benchCompression(const QString& database);

}  // namespace brovik::bench
