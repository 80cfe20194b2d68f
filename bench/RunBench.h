#pragma once

#include "BenchClock.h"

#include <QString>

namespace brovik::bench {

struct RunFigures {
    Seconds time;
    int rows = 0;  // ticket steps read
};

// The ticket run over batch 900000 as the program does it, on a fresh session whose
// connection is already attached (the first click's attach is not the run's cost).
RunFigures timeTicketRun(const QString& connectionString);

// Its floor: one joined SELECT fetching every ticket step with its descriptions into memory.
RunFigures timeJoinFloor(const QString& connectionString);

// What `executions` openings of a prepared one-row statement cost on their own: through a
// server, each is a round trip, which the run's per-ticket queries cannot avoid.
RunFigures timeRoundTrips(const QString& connectionString, int executions);

}  // namespace brovik::bench
