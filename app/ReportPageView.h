#pragma once

#include "reports/PageModel.h"

#include <QAbstractScrollArea>

namespace brovik::app {

// The pages one under another on a grey ground; only the pages in view are painted,
// so a document of thousands of pages opens at once.
class ReportPageView : public QAbstractScrollArea {
    Q_OBJECT
public:
    explicit ReportPageView(const reports::Document& document, QWidget* parent = nullptr);

    int pageCount() const { return int(document_.pages.size()); }
    int currentPage() const { return current_; }  // 0-based
    void goToPage(int page);
    void fitToWidth();
    void fitWholePage();
    void zoomBy(double factor);
    // 100 shows the paper at its real size on a screen of the window's dots per inch.
    void setZoomPercent(double percent);
    double zoomPercent() const;

signals:
    void currentPageChanged(int page);
    void zoomChanged(double percent);

protected:
    void paintEvent(QPaintEvent* event) override;
    void resizeEvent(QResizeEvent* event) override;
    void scrollContentsBy(int dx, int dy) override;
    void wheelEvent(QWheelEvent* event) override;

private:
    enum class Fit { None, Width, WholePage };

    double pageStride() const;
    double realSizeZoom() const;
    void applyZoom(double zoom, Fit fit);
    void applyFit();
    void updateScrollBars();
    void setCurrent(int page);

    const reports::Document& document_;
    double zoom_ = 0.3;  // screen pixels per report unit
    Fit fit_ = Fit::Width;
    int current_ = 0;
    bool navigating_ = false;
};

}  // namespace brovik::app
