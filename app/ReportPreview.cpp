#include "app/ReportPreview.h"

#include "app/ReportPreviewWindow.h"
#include "app/RunProgress.h"

#include <QEventLoop>

namespace brovik::app {

ReportPreview::~ReportPreview() { closeAll(); }

QList<ReportPreviewWindow*> ReportPreview::openWindows() const {
    QList<ReportPreviewWindow*> open;
    for (const auto& window : windows_)
        if (window) open << window.data();
    return open;
}

void ReportPreview::closeAll() {
    for (ReportPreviewWindow* window : openWindows()) window->close();
}

void ReportPreview::preview(reports::TReport& report) {
    reports::GenerationResult result;
    {
        RunProgress progress(parent_, QStringLiteral("Gerando página %1..."), clicked_);
        clicked_.invalidate();
        result = report.Generate(&progress);
    }
    if (result.cancelled) return;

    // No parent: a preview is a window of its own, which the panel can be raised above.
    QPointer<ReportPreviewWindow> window = new ReportPreviewWindow(result.document, pdfName_);
    window->setAttribute(Qt::WA_DeleteOnClose);
    window->setWindowTitle(report.title);
    windows_.removeAll(nullptr);
    windows_ << window;
    QEventLoop loop;
    QObject::connect(window, &QObject::destroyed, &loop, &QEventLoop::quit);
    window->showMaximized();
    if (report.AfterPreview) report.AfterPreview(report);
    if (window) loop.exec();
    delete window;  // still open when the program quits: it must not outlive the pages
}

}  // namespace brovik::app
