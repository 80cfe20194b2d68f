#include "PageBench.h"

#include "BenchClock.h"

#include "reports/PagePainter.h"
#include "reports/PdfExport.h"
#include "reports/Report.h"

#include <QFile>
#include <QPainter>
#include <QImage>

#include <algorithm>
#include <optional>
#include <stdexcept>

namespace brovik::bench {
namespace {

// Times the generation's progress reports: the longest silence between two, and when
// the first page was complete (the second page begun).
class GapObserver : public reports::GenerationObserver {
public:
    explicit GapObserver(const Stopwatch& since) : since_(since) {}
    bool keepGoing(int pagesSoFar) override {
        const double now = since_.seconds();
        if (last_ >= 0) longest = std::max(longest, now - last_);
        last_ = now;
        if (firstPage < 0 && pagesSoFar >= 2) firstPage = now;
        return true;
    }
    double longest = 0;
    double firstPage = -1;

private:
    const Stopwatch& since_;
    double last_ = -1;
};

class CancelObserver : public reports::GenerationObserver {
public:
    explicit CancelObserver(int afterPages) : afterPages_(afterPages) {}
    bool keepGoing(int pagesSoFar) override {
        if (pagesSoFar < afterPages_) return true;
        if (!asked_) asked_.emplace();
        return false;
    }
    std::optional<Stopwatch> asked_;

private:
    int afterPages_;
};

// What showing every page costs without an engine: each page's primitives painted onto
// one screen-resolution image, cleared in between.
Seconds paintAll(const reports::Document& document) {
    constexpr double kScreenDpi = 96;
    const QSize size(int(document.paperSize.width() / 254.0 * kScreenDpi), int(document.paperSize.height() / 254.0 * kScreenDpi));
    QImage screen(size, QImage::Format_RGB32);
    screen.setDotsPerMeterX(int(kScreenDpi / 0.0254));
    screen.setDotsPerMeterY(int(kScreenDpi / 0.0254));
    Stopwatch clock;
    for (const reports::Page& page : document.pages) {
        screen.fill(Qt::white);
        QPainter painter(&screen);
        reports::paintPage(painter, page, document);
    }
    return clock.elapsed();
}

}  // namespace

PageFigures timeGeneration(reports::TReport& report, const Stopwatch& since, int passes) {
    PageFigures out;
    GapObserver observer(since);
    Stopwatch clock;
    reports::GenerationResult result = report.Generate(&observer);
    out.generate = clock.elapsed();
    out.document = std::move(result.document);
    out.cancelled = result.cancelled;
    out.longestGap = observer.longest;
    out.firstPage = observer.firstPage >= 0 ? observer.firstPage : since.seconds();
    out.paint = paintAll(out.document);
    out.peakMb = peakMemoryMb();
    for (int i = 1; i < passes; ++i) {
        clock.restart();
        report.Generate();
        const Seconds again = clock.elapsed();
        if (again.wall < out.generate.wall) out.generate = again;
        const Seconds paint = paintAll(out.document);
        if (paint.wall < out.paint.wall) out.paint = paint;
    }
    return out;
}

double timePdf(const reports::Document& document, const QString& fileName, int passes) {
    double best = 0;
    for (int i = 0; i < passes; ++i) {
        Stopwatch clock;
        QString error;
        if (!reports::exportPdf(document, fileName, &error)) throw std::runtime_error(error.toStdString());
        const double seconds = clock.seconds();
        if (i == 0 || seconds < best) best = seconds;
    }
    QFile::remove(fileName);
    return best;
}

double timeCancel(reports::TReport& report, int afterPages) {
    CancelObserver observer(afterPages);
    report.Generate(&observer);
    return observer.asked_ ? observer.asked_->seconds() : 0;
}

}  // namespace brovik::bench
