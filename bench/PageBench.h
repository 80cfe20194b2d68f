#pragma once

#include "BenchClock.h"

#include "reports/PageModel.h"

#include <QString>

namespace brovik::reports {
class TReport;
}

namespace brovik::bench {

struct PageFigures {
    reports::Document document;
    Seconds generate;       // the band engine building every page
    Seconds paint;          // the floor: every page's primitives painted straight onto a QPainter
    double firstPage = -1;  // from the given start until the first page was complete
    double longestGap = 0;  // between two progress reports of the generation
    double peakMb = 0;      // resident once the first pass holds every page
    bool cancelled = false;
};

// Generates every page of `report` (its data set already filled), then paints them as a
// screen shows them (96 dpi). `since` is the clock the first page is timed against (the
// start of the run). With `passes` above one, generation and painting are repeated and
// the fastest of each kept: the machine is shared, and the slowest pass tells of others.
PageFigures timeGeneration(reports::TReport& report, const Stopwatch& since, int passes = 1);

// Seconds to write the document as a PDF file, the fastest of `passes`; the file is
// removed afterwards.
double timePdf(const reports::Document& document, const QString& fileName, int passes = 1);

// Seconds from the request to cancel (made after `afterPages` pages) until Generate returns.
double timeCancel(reports::TReport& report, int afterPages);

}  // namespace brovik::bench
