#include "app/ReportPreviewWindow.h"

#include "app/ReportPreview.h"
#include "reports/PagePainter.h"
#include "reports/PdfExport.h"

#include <QFileDialog>
#include <QLabel>
#include <QMessageBox>
#include <QPaintEvent>
#include <QPainter>
#include <QPrintDialog>
#include <QPrinter>
#include <QScrollBar>
#include <QToolBar>
#include <QVBoxLayout>
#include <algorithm>
#include <cmath>

namespace brovik::app {
namespace {

constexpr int kGap = 12;  // screen pixels around and between pages

QPageLayout paperLayout(const reports::Document& document) {
    return QPageLayout(QPageSize(QPageSize::A4), document.orientation, QMarginsF(0, 0, 0, 0));
}

}  // namespace

ReportPageView::ReportPageView(const reports::Document& document, QWidget* parent)
    : QAbstractScrollArea(parent), document_(document) {
    viewport()->setAutoFillBackground(false);
    setFocusPolicy(Qt::StrongFocus);
}

double ReportPageView::pageStride() const { return document_.paperSize.height() * zoom_ + kGap; }

int ReportPageView::currentPage() const {
    return std::clamp(int(verticalScrollBar()->value() / pageStride()), 0, std::max(0, int(document_.pages.size()) - 1));
}

void ReportPageView::fitToWidth() {
    fitWidth_ = true;
    const int available = viewport()->width() - 2 * kGap;
    zoom_ = std::max(0.05, available / document_.paperSize.width());
    updateScrollBars();
    viewport()->update();
}

void ReportPageView::zoomBy(double factor) {
    const double page = verticalScrollBar()->value() / pageStride();
    fitWidth_ = false;
    zoom_ = std::clamp(zoom_ * factor, 0.05, 8.0);
    updateScrollBars();
    verticalScrollBar()->setValue(int(page * pageStride()));
    viewport()->update();
}

void ReportPageView::updateScrollBars() {
    const double total = document_.pages.size() * pageStride() + kGap;
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
    if (fitWidth_) fitToWidth();
    else updateScrollBars();
}

void ReportPageView::scrollContentsBy(int, int) {
    viewport()->update();
    emit currentPageChanged(currentPage());
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
    for (int i = std::max(0, int(scrollY / stride)); i < int(document_.pages.size()); ++i) {
        const double top = kGap + i * stride - scrollY;
        if (top > viewport()->height()) break;
        const QRectF paper(left, top, pageSize.width(), pageSize.height());
        painter.fillRect(paper, Qt::white);
        painter.save();
        painter.setClipRect(paper);
        painter.translate(paper.topLeft());
        painter.scale(worldScale, worldScaleY);
        reports::paintPage(painter, document_.pages[i], document_);
        painter.restore();
    }
}

ReportPreviewWindow::ReportPreviewWindow(const reports::Document& document, QWidget* parent)
    : QDialog(parent), document_(document), view_(new ReportPageView(document, this)), pageLabel_(new QLabel(this)) {
    setWindowFlags(windowFlags() | Qt::WindowMinMaxButtonsHint);
    auto* tools = new QToolBar(this);
    tools->addAction(QStringLiteral("Imprimir..."), this, &ReportPreviewWindow::print);
    tools->addAction(QStringLiteral("Salvar PDF..."), this, &ReportPreviewWindow::savePdf);
    tools->addSeparator();
    tools->addAction(QStringLiteral("Largura da página"), view_, &ReportPageView::fitToWidth);
    tools->addAction(QStringLiteral("Ampliar"), this, [this] { view_->zoomBy(1.25); });
    tools->addAction(QStringLiteral("Reduzir"), this, [this] { view_->zoomBy(0.8); });
    tools->addSeparator();
    tools->addWidget(pageLabel_);
    tools->addSeparator();
    tools->addAction(QStringLiteral("Fechar"), this, &QDialog::close);
    auto* layout = new QVBoxLayout(this);
    layout->setContentsMargins(0, 0, 0, 0);
    layout->setSpacing(0);
    layout->addWidget(tools);
    layout->addWidget(view_, 1);
    connect(view_, &ReportPageView::currentPageChanged, this, &ReportPreviewWindow::showPage);
    showPage(0);
    resize(900, 700);
    view_->setFocus();
}

void ReportPreviewWindow::showPage(int page) {
    const int count = int(document_.pages.size());
    pageLabel_->setText(QStringLiteral("  Página %1 de %2  ").arg(count ? page + 1 : 0).arg(count));
}

void ReportPreviewWindow::print() {
    QPrinter printer(QPrinter::HighResolution);
    printer.setPageLayout(paperLayout(document_));
    printer.setFullPage(true);  // pages are placed from the paper's edges
    printer.setDocName(document_.title);
    printer.setCopyCount(1);
    printer.setDuplex(QPrinter::DuplexNone);
    printer.setPaperSource(QPrinter::Auto);
    printer.setFromTo(1, int(document_.pages.size()));
    QPrintDialog dialog(&printer, this);
    dialog.setOption(QAbstractPrintDialog::PrintPageRange);
    if (dialog.exec() != QDialog::Accepted) return;
    printPages(document_, printer);
}

void ReportPreviewWindow::savePdf() {
    const QString file = QFileDialog::getSaveFileName(this, QStringLiteral("Salvar PDF"), QString(),
                                                      QStringLiteral("PDF (*.pdf)"));
    if (file.isEmpty()) return;
    QString error;
    if (!reports::exportPdf(document_, file, &error))
        QMessageBox::warning(this, QStringLiteral("Salvar PDF"), QStringLiteral("Não foi possível salvar o PDF.\n%1").arg(error));
}

}  // namespace brovik::app
