#include "app/ReportPreview.h"

#include "app/ReportPreviewWindow.h"
#include "reports/PagePainter.h"
#include "reports/PdfExport.h"

#include <QApplication>
#include <QElapsedTimer>
#include <QEventLoop>
#include <QPainter>
#include <QPointer>
#include <QPrinter>
#include <QProgressDialog>
#include <memory>

namespace brovik::app {
namespace {

// Keeps the program responsive while pages are generated, and offers Cancel once a
// generation has run for half a second.
class ProgressObserver : public reports::GenerationObserver {
public:
    ProgressObserver(QWidget* parent, const QElapsedTimer& clicked) : parent_(parent), started_(clicked) {
        if (!started_.isValid()) started_.start();
        lastEvents_.start();
    }

    bool keepGoing(int pagesSoFar) override {
        if (lastEvents_.elapsed() < kEventInterval) return !cancelled_;
        lastEvents_.restart();
        if (!dialog_ && started_.elapsed() >= kDialogDelay) openDialog();
        if (dialog_) dialog_->setLabelText(QStringLiteral("Gerando página %1...").arg(pagesSoFar));
        QCoreApplication::processEvents();
        if (dialog_ && dialog_->wasCanceled()) cancelled_ = true;
        return !cancelled_;
    }

private:
    static constexpr int kEventInterval = 50;  // ms between event rounds
    static constexpr int kDialogDelay = 500;

    void openDialog() {
        dialog_ = std::make_unique<QProgressDialog>(QStringLiteral("Gerando páginas..."), QStringLiteral("Cancelar"), 0, 0,
                                                    parent_);
        dialog_->setWindowModality(Qt::ApplicationModal);
        dialog_->setMinimumDuration(0);
        QObject::connect(dialog_.get(), &QProgressDialog::canceled, dialog_.get(), [this] { cancelled_ = true; });
        dialog_->show();
    }

    QWidget* parent_;
    QElapsedTimer started_, lastEvents_;
    std::unique_ptr<QProgressDialog> dialog_;
    bool cancelled_ = false;
};

}  // namespace

void ReportPreview::preview(reports::TReport& report) {
    reports::GenerationResult result;
    {
        ProgressObserver observer(parent_, clicked_);
        clicked_.invalidate();
        result = report.Generate(&observer);
    }
    if (result.cancelled) return;

    QPointer<ReportPreviewWindow> window = new ReportPreviewWindow(result.document, parent_);
    window->setAttribute(Qt::WA_DeleteOnClose);
    window->setWindowModality(Qt::NonModal);
    window->setWindowTitle(report.title);
    QEventLoop loop;
    QObject::connect(window, &QObject::destroyed, &loop, &QEventLoop::quit);
    window->showMaximized();
    if (report.AfterPreview) report.AfterPreview(report);
    if (window) loop.exec();
    delete window;  // still open when the program quits: it must not outlive the pages
}

namespace {

// The dots a printer lays barcode bars on: its coarsest resolution, whose multiples it
// prints whole as well. A PDF gets the grid of the PDF export.
int barDotsPerInch(const QPrinter& printer) {
    if (printer.outputFormat() == QPrinter::PdfFormat) return reports::kPdfBarDotsPerInch;
    int coarsest = 0;
    for (int dpi : printer.supportedResolutions())
        if (dpi >= 96 && (coarsest == 0 || dpi < coarsest)) coarsest = dpi;
    return coarsest;
}

}  // namespace

void printPages(const reports::Document& document, QPrinter& printer) {
    const int count = int(document.pages.size());
    int from = 1, to = count;
    if (printer.printRange() == QPrinter::PageRange && printer.fromPage() > 0) {
        from = std::max(1, printer.fromPage());
        to = std::min(count, printer.toPage() > 0 ? printer.toPage() : count);
    }
    QPainter painter;
    if (from > to || !painter.begin(&printer)) return;
    reports::PagePainter pages(painter, document, barDotsPerInch(printer));
    for (int i = from; i <= to; ++i) {
        if (i > from) printer.newPage();
        pages.paint(document.pages[i - 1]);
    }
}

}  // namespace brovik::app
