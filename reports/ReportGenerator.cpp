#include "reports/ReportGenerator.h"

#include <algorithm>
#include <cmath>
#include <stdexcept>

namespace brovik::reports {
namespace {

double whole(double units) { return std::round(units); }

}  // namespace

ReportGenerator::ReportGenerator(TReport& report, GenerationObserver* observer)
    : report_(report), observer_(observer), paper_(report.paperSize()) {
    document_.title = report.title;
    document_.paperSize = paper_;
    document_.orientation = report.orientation;
}

GenerationResult ReportGenerator::run() {
    GenerationResult result;
    bool print = true;
    if (report_.BeforePrint) report_.BeforePrint(report_, print);
    if (!print) {
        result.document = std::move(document_);
        return result;
    }
    pageOpen_ = false;
    column_ = report_.columns;
    x_ = report_.margins.left;
    y_ = report_.margins.top;
    prepare();
    try {
        walk(walkFor(nullptr));
    } catch (const Cancelled&) {
        result.cancelled = true;
    }
    if (pageOpen_) endPage();
    document_.fonts = fonts_.fonts();
    result.document = std::move(document_);
    return result;
}

void ReportGenerator::prepare() {
    walks_.clear();
    walks_.push_back(walkOf(nullptr));
    for (const auto& band : report_.bands_)
        if (auto* sub = dynamic_cast<TReportSubDetail*>(band.get())) walks_.push_back(walkOf(sub));
    for (const auto& band : report_.bands_) {
        for (const auto& item : band->items()) item->prepare(report_.tables_);
        if (auto* group = dynamic_cast<TReportGroup*>(band.get())) {
            group->prepared_.Prepare(group->expression, report_.tables_);
            group->changed_ = false;
        }
    }
}

const ReportGenerator::Walk& ReportGenerator::walkFor(const TReportSubDetail* master) const {
    for (const Walk& w : walks_)
        if (w.master == master) return w;
    throw std::logic_error("ReportGenerator: a sub-detail band added during generation");
}

ReportGenerator::Walk ReportGenerator::walkOf(TReportSubDetail* master) const {
    Walk w;
    w.master = master;
    w.dataSet = master ? master->dataSet : report_.dataSet;
    w.printIfEmpty = master ? master->printIfEmpty : report_.printIfEmpty;
    w.detail = master;
    for (const auto& band : report_.bands_) {
        if (!master && band->kind == TReportBandType::rbDetail && !w.detail) w.detail = band.get();
        if (auto* group = dynamic_cast<TReportGroup*>(band.get()); group && group->master == master)
            w.groups.push_back(group);
        if (auto* sub = dynamic_cast<TReportSubDetail*>(band.get()); sub && sub->master == master)
            w.subDetails.push_back(sub);
    }
    return w;
}

void ReportGenerator::walk(const Walk& w) {
    data::Dataset* d = w.dataSet;
    if (!d || !d->isOpen()) {
        if (w.printIfEmpty) onePass(w);
        return;
    }
    d->first();
    if (d->isEmpty()) {
        if (w.printIfEmpty) onePass(w);
        return;
    }
    for (TReportGroup* g : w.groups) {
        g->value_ = g->prepared_.Value();
        g->changed_ = true;
    }
    while (!d->eof()) {
        if (observer_ && !observer_->keepGoing(int(document_.pages.size()))) throw Cancelled{};
        for (TReportGroup* g : w.groups)
            if (g->changed_) printBand(*g);
        onePass(w);
        d->next();
        if (!d->eof() && regroup(w)) {
            d->prior();
            for (auto it = w.groups.rbegin(); it != w.groups.rend(); ++it)
                if ((*it)->changed_ && (*it)->footer) printBand(*(*it)->footer);
            d->next();
        }
    }
    for (auto it = w.groups.rbegin(); it != w.groups.rend(); ++it)
        if ((*it)->footer) printBand(*(*it)->footer);
}

void ReportGenerator::onePass(const Walk& w) {
    for (TReportSubDetail* sub : w.subDetails)
        if (sub->printBefore) walk(walkFor(sub));
    if (w.detail) printBand(*w.detail);
    for (TReportSubDetail* sub : w.subDetails)
        if (!sub->printBefore) walk(walkFor(sub));
}

// Takes every group's value on the new row: the first that differs, and every group
// after it, is changed.
bool ReportGenerator::regroup(const Walk& w) {
    bool any = false;
    for (TReportGroup* g : w.groups) {
        ExprValue value = g->prepared_.Value();
        any = any || !sameExprValue(value, g->value_);
        g->changed_ = any;
        g->value_ = std::move(value);
    }
    return any;
}

void ReportGenerator::printBand(TReportBand& band) {
    bool print = band.enabled;
    if (band.enabled && band.BeforePrint) band.BeforePrint(band, print);
    if (print) {
        const double height = whole(band.height);
        const bool fitsAnyPage = height <= pageBottom() - report_.margins.top;
        if (!pageOpen_ || (pageBottom() - y_ < height && fitsAnyPage)) newColumn();
        drawBand(band);
        y_ += height;
    }
    if (band.AfterPrint) band.AfterPrint(band, print);
}

void ReportGenerator::drawBand(TReportBand& band) {
    const QRectF rect(x_, y_, band.width, band.height);
    page().items.emplace_back(FillRun{UnitRect::from(rect), band.color.rgba()});
    bandTexts_.clear();
    PrintContext context{page(), fonts_, images_, report_.font, bandTexts_};
    for (const auto& item : band.items())
        if (item->enabled) item->print(context, rect.topLeft());
    bandTexts_.separate(page(), fonts_);
    drawFrame(band.frame, rect);
}

void ReportGenerator::drawFrame(const Frame& frame, const QRectF& rect) {
    if (!frame.edges) return;
    const double t = frame.width * kUnitsPerPoint;
    const QRgb color = frame.color.rgba();
    auto strip = [&](const QRectF& r, bool vertical) {
        page().items.emplace_back(StripRun{UnitRect::from(r), color, vertical});
    };
    if (frame.edges & FrameEdge::Top) strip(QRectF(rect.left(), rect.top(), rect.width(), t), false);
    if (frame.edges & FrameEdge::Bottom) strip(QRectF(rect.left(), rect.bottom() - t, rect.width(), t), false);
    if (frame.edges & FrameEdge::Left) strip(QRectF(rect.left(), rect.top(), t, rect.height()), true);
    if (frame.edges & FrameEdge::Right) strip(QRectF(rect.right() - t, rect.top(), t, rect.height()), true);
}

double ReportGenerator::columnWidth() const {
    for (const auto& band : report_.bands_)
        if (band->kind == TReportBandType::rbDetail) return whole(band->width);
    const int columns = std::max(1, report_.columns);
    const double printable = whole(paper_.width() - report_.margins.left - report_.margins.right -
                                   report_.columnSpace * (columns - 1));
    return std::floor(printable / columns);
}

void ReportGenerator::newColumn() {
    if (pageOpen_ && column_ < report_.columns) {
        x_ += columnWidth() + whole(report_.columnSpace);
        y_ = columnTop_;
        ++column_;
        return;
    }
    column_ = 1;
    x_ = report_.margins.left;
    newPage();
}

void ReportGenerator::endPage() {
    y_ = pageBottom();
    x_ = report_.margins.left;
    const Margins& m = report_.margins;
    drawFrame(report_.frame, QRectF(QPointF(m.left, m.top), QPointF(paper_.width() - m.right, pageBottom())));
    page().items.shrink_to_fit();  // a preview holds thousands of pages
    pageOpen_ = false;
}

void ReportGenerator::newPage() {
    if (pageOpen_) endPage();
    document_.pages.emplace_back();
    pageOpen_ = true;
    x_ = report_.margins.left;
    y_ = report_.margins.top;
    column_ = 1;
    if (document_.pages.size() > 1 || report_.options.testFlag(TReportOption::FirstPageHeader)) {
        for (const auto& band : report_.bands_)
            if (band->kind == TReportBandType::rbPageHeader) printBand(*band);
    }
    columnTop_ = y_;
    column_ = 1;
}

}  // namespace brovik::reports
