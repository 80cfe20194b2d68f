#pragma once

#include "BenchClock.h"
#include "PageBench.h"

#include <QString>
#include <QStringList>
#include <functional>

namespace brovik::bench {

// The names of the layouts, in the order of the options panel.
QStringList layoutNames();

// The run of one layout over batch 900000 followed by the generation of its pages; the
// first page is timed from the start of the run.
struct TicketFigures {
    Seconds run;
    int stubs = 0;
    PageFigures pages;
    double cancelLatency = 0;  // from a refused progress report until Generate returned
    double runMb = 0;          // resident once the run has filled RxTalao
    double peakMb = 0;         // while the document holds every page
    double residentMb = 0;
};

// Runs every layout in turn on one session over `database`; `each` gets the figures of
// one layout while its document is still held. `passes`: see timeGeneration.
void benchLayouts(const QString& database, int passes, const std::function<void(const QString&, TicketFigures&)>& each);

}  // namespace brovik::bench
