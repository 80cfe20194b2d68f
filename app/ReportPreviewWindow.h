#pragma once

#include "reports/PageModel.h"

#include <QAbstractScrollArea>
#include <QDialog>

class QLabel;

namespace brovik::app {

// The pages one under another on a grey ground; only the pages in view are painted,
// so a document of thousands of pages opens at once.
class ReportPageView : public QAbstractScrollArea {
    Q_OBJECT
public:
    explicit ReportPageView(const reports::Document& document, QWidget* parent = nullptr);

    void fitToWidth();
    void zoomBy(double factor);
    int currentPage() const;  // 0-based, the page at the top of the view

signals:
    void currentPageChanged(int page);

protected:
    void paintEvent(QPaintEvent* event) override;
    void resizeEvent(QResizeEvent* event) override;
    void scrollContentsBy(int dx, int dy) override;

private:
    double pageStride() const;
    void updateScrollBars();

    const reports::Document& document_;
    double zoom_ = 0.3;  // screen pixels per report unit
    bool fitWidth_ = true;
};

class ReportPreviewWindow : public QDialog {
    Q_OBJECT
public:
    ReportPreviewWindow(const reports::Document& document, QWidget* parent = nullptr);

private:
    void print();
    void savePdf();
    void showPage(int page);

    const reports::Document& document_;
    ReportPageView* view_;
    QLabel* pageLabel_;
};

}  // namespace brovik::app
