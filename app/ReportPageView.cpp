#include "app/ReportPageView.h"

#include "reports/PagePainter.h"

#include <QPainter>
#include <QScrollBar>
#include <QWheelEvent>
#include <algorithm>

namespace brovik::app {
namespace {

constexpr int kGap = 12;  // screen pixels around and between pages
constexpr double kMinZoomPercent = 10, kMaxZoomPercent = 800;

}  // namespace

ReportPageView::ReportPageView(const reports::Document& document, QWidget* parent)
    : QAbstractScrollArea(parent), document_(document) {
    viewport()->setAutoFillBackground(false);
    setFocusPolicy(Qt::StrongFocus);
}

double ReportPageView::pageStride() const { return document_.paperSize.height() * zoom_ + kGap; }

double ReportPageView::realSizeZoom() const { return logicalDpiY() / 254.0; }

double ReportPageView::zoomPercent() const { return zoom_ / realSizeZoom() * 100; }

void ReportPageView::setZoomPercent(double percent) {
    applyZoom(std::clamp(percent, kMinZoomPercent, kMaxZoomPercent) / 100 * realSizeZoom(), Fit::None);
}

void ReportPageView::zoomBy(double factor) { setZoomPercent(zoomPercent() * factor); }

void ReportPageView::fitToWidth() {
    fit_ = Fit::Width;
    applyFit();
}

void ReportPageView::fitWholePage() {
    fit_ = Fit::WholePage;
    applyFit();
}

void ReportPageView::applyFit() {
    const double byWidth = (viewport()->width() - 2 * kGap) / document_.paperSize.width();
    const double byHeight = (viewport()->height() - 2 * kGap) / document_.paperSize.height();
    const double zoom = fit_ == Fit::WholePage ? std::min(byWidth, byHeight) : byWidth;
    applyZoom(std::max(zoom, kMinZoomPercent / 100 * realSizeZoom()), fit_);
}

// Keeps the current page at the top of the view across a change of zoom.
void ReportPageView::applyZoom(double zoom, Fit fit) {
    fit_ = fit;
    zoom_ = zoom;
    updateScrollBars();
    goToPage(current_);
    viewport()->update();
    emit zoomChanged(zoomPercent());
}

void ReportPageView::goToPage(int page) {
    setCurrent(std::clamp(page, 0, std::max(0, pageCount() - 1)));
    navigating_ = true;
    verticalScrollBar()->setValue(int(current_ * pageStride()));
    navigating_ = false;
    viewport()->update();
}

void ReportPageView::setCurrent(int page) {
    if (page == current_) return;
    current_ = page;
    emit currentPageChanged(current_);
}

void ReportPageView::updateScrollBars() {
    const double total = pageCount() * pageStride() + kGap;
    // Scroll bar values are ints; thousands of pages still fit at screen zooms.
    verticalScrollBar()->setRange(0, std::max(0, int(std::min(total, 2e9)) - viewport()->height()));
    verticalScrollBar()->setPageStep(viewport()->height());
    verticalScrollBar()->setSingleStep(40);
    const int width = int(document_.paperSize.width() * zoom_) + 2 * kGap;
    horizontalScrollBar()->setRange(0, std::max(0, width - viewport()->width()));
    horizontalScrollBar()->setPageStep(viewport()->width());
}

void ReportPageView::resizeEvent(QResizeEvent* event) {
    QAbstractScrollArea::resizeEvent(event);
    if (fit_ != Fit::None) applyFit();
    else updateScrollBars();
}

// Scrolling by hand makes the page across the middle of the view the current one.
void ReportPageView::scrollContentsBy(int, int) {
    viewport()->update();
    if (navigating_) return;
    const double middle = verticalScrollBar()->value() + viewport()->height() / 2.0;
    setCurrent(std::clamp(int(middle / pageStride()), 0, std::max(0, pageCount() - 1)));
}

void ReportPageView::wheelEvent(QWheelEvent* event) {
    if (!(event->modifiers() & Qt::ControlModifier)) {
        QAbstractScrollArea::wheelEvent(event);
        return;
    }
    const int steps = event->angleDelta().y() / 120;
    if (steps != 0) zoomBy(steps > 0 ? 1.25 : 0.8);
    event->accept();
}

void ReportPageView::paintEvent(QPaintEvent*) {
    QPainter painter(viewport());
    painter.fillRect(viewport()->rect(), QColor(128, 128, 128));
    const double stride = pageStride();
    const QSizeF pageSize = document_.paperSize * zoom_;
    const int scrollY = verticalScrollBar()->value();
    const double left = std::max<double>(kGap, (viewport()->width() - pageSize.width()) / 2) - horizontalScrollBar()->value();
    // paintPage maps report units through the device's resolution; scale to our zoom.
    const double worldScale = zoom_ * 254.0 / viewport()->logicalDpiX();
    const double worldScaleY = zoom_ * 254.0 / viewport()->logicalDpiY();
    for (int i = std::max(0, int(scrollY / stride)); i < pageCount(); ++i) {
        const double top = kGap + i * stride - scrollY;
        if (top > viewport()->height()) break;
        const QRectF paper(left, top, pageSize.width(), pageSize.height());
        painter.fillRect(paper, Qt::white);
        painter.save();
        painter.setClipRect(paper);
        painter.translate(paper.topLeft());
        painter.scale(worldScale, worldScaleY);
        reports::paintPage(painter, document_.pages[std::size_t(i)], document_);
        painter.restore();
    }
}

}  // namespace brovik::app
