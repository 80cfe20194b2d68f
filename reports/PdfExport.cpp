#include "reports/PdfExport.h"

#include "reports/PagePainter.h"

#include <QPageLayout>
#include <QPageSize>
#include <QPainter>
#include <QPdfWriter>
#include <QSaveFile>
#include <numeric>

namespace brovik::reports {
namespace {

constexpr int kPdfResolution = 1200;

PdfOutcome fail(QString* error, const QString& text) {
    if (error) *error = text;
    return PdfOutcome::Failed;
}

}  // namespace

std::vector<int> allPages(const Document& document) {
    std::vector<int> pages(document.pages.size());
    std::iota(pages.begin(), pages.end(), 0);
    return pages;
}

PdfOutcome writePdf(const Document& document, const QString& fileName, const PdfPages& job, QString* error) {
    QSaveFile file(fileName);
    if (!file.open(QIODevice::WriteOnly)) return fail(error, QStringLiteral("%1: %2").arg(fileName, file.errorString()));
    {
        QPdfWriter writer(&file);
        writer.setResolution(kPdfResolution);
        writer.setTitle(document.title);
        writer.setCreator(QStringLiteral("Brovik"));
        writer.setPageLayout(QPageLayout(QPageSize(QPageSize::A4), document.orientation, QMarginsF(0, 0, 0, 0)));
        QPainter painter;
        if (!painter.begin(&writer)) return fail(error, QStringLiteral("%1: cannot start the PDF").arg(fileName));
        PagePainter pages(painter, document, job.barDotsPerInch);
        const int total = int(job.pages.size());
        for (int i = 0; i < total; ++i) {
            if (i > 0) writer.newPage();
            pages.paint(document.pages.at(std::size_t(job.pages[std::size_t(i)])));
            if (job.progress && !job.progress->pageWritten(i + 1, total)) return PdfOutcome::Cancelled;
        }
        painter.end();
    }
    if (!file.commit()) return fail(error, QStringLiteral("%1: %2").arg(fileName, file.errorString()));
    return PdfOutcome::Written;
}

bool exportPdf(const Document& document, const QString& fileName, QString* error) {
    return writePdf(document, fileName, {allPages(document), nullptr}, error) == PdfOutcome::Written;
}

}  // namespace brovik::reports
