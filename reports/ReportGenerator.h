#pragma once

#include "reports/ImageCache.h"
#include "reports/Report.h"

#include <QRectF>

namespace brovik::reports {

// One generation of a report: the page and column state, and the walks over its data
// sets. Lives only while TReport::Generate runs.
class ReportGenerator {
public:
    ReportGenerator(TReport& report, GenerationObserver* observer);
    GenerationResult run();

    void newPage();
    void newColumn();

private:
    // What one data set's walk prints; worked out once per generation.
    struct Walk {
        const TReportSubDetail* master = nullptr;  // null: the report's own walk
        data::Dataset* dataSet = nullptr;
        TReportBand* detail = nullptr;
        bool printIfEmpty = false;
        std::vector<TReportGroup*> groups;
        std::vector<TReportSubDetail*> subDetails;
    };
    struct Cancelled {};

    Walk walkOf(TReportSubDetail* master) const;
    const Walk& walkFor(const TReportSubDetail* master) const;
    void prepare();
    void walk(const Walk& w);
    void onePass(const Walk& w);
    void printRecord(const Walk& w);
    bool regroup(const Walk& w);
    void printBand(TReportBand& band);
    void drawBand(TReportBand& band);
    void drawFrame(const Frame& frame, const QRectF& rect);
    void endPage();
    double columnWidth() const;
    double pageBottom() const { return paper_.height() - report_.margins.bottom; }
    Page& page() { return document_.pages.back(); }

    TReport& report_;
    GenerationObserver* observer_;
    QSizeF paper_;
    Document document_;
    FontCache fonts_;
    ImageCache images_;
    BandTexts bandTexts_;  // kept between bands for its storage
    std::vector<Walk> walks_;
    bool pageOpen_ = false;
    int column_ = 0;
    double x_ = 0, y_ = 0, columnTop_ = 0;
};

}  // namespace brovik::reports
