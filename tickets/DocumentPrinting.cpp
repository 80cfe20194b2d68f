#include "tickets/DocumentPrinting.h"

#include <QTemporaryDir>

namespace brovik::tickets {

QString noPagesText(const reports::PageSelection& selection, int pageCount) {
    const QString list = selection.ranges.isEmpty() ? QStringLiteral("all") : selection.ranges.toString();
    const char* parity = selection.parity == reports::PageSelection::Parity::Odd    ? " (odd)"
                         : selection.parity == reports::PageSelection::Parity::Even ? " (even)"
                                                                                    : "";
    return QStringLiteral("no page of %1%2 in a document of %3 pages").arg(list, QLatin1String(parity)).arg(pageCount);
}

PrintOutcome printToFile(const reports::Document& document, const reports::PageSelection& selection, const QString& file,
                         reports::PdfProgress* progress) {
    using Status = PrintOutcome::Status;
    const std::vector<int> pages = selection.pagesOf(int(document.pages.size()));
    if (pages.empty()) return {Status::NoPages, 0, 0, noPagesText(selection, int(document.pages.size()))};
    PrintOutcome outcome;
    switch (reports::writePdf(document, file, {pages, progress}, &outcome.error)) {
    case reports::PdfOutcome::Written: return {Status::Sent, int(pages.size()), 0, {}};
    case reports::PdfOutcome::Cancelled: return {Status::Cancelled, 0, 0, {}};
    case reports::PdfOutcome::Failed: break;
    }
    return outcome;
}

PrintOutcome printDocument(const reports::Document& document, const PrintRequest& request, reports::PdfProgress* progress) {
    using Status = PrintOutcome::Status;
    PrintOutcome outcome;
    if (const QString problem = cups::problemWith(request.printer); !problem.isEmpty())
        return {Status::PrinterProblem, 0, 0, problem};
    const std::vector<int> pages = request.pages.pagesOf(int(document.pages.size()));
    if (pages.empty()) return {Status::NoPages, 0, 0, noPagesText(request.pages, int(document.pages.size()))};

    const QTemporaryDir dir;
    if (!dir.isValid()) return {Status::Failed, 0, 0, QStringLiteral("no temporary folder: %1").arg(dir.errorString())};
    const QString pdf = dir.filePath(QStringLiteral("job.pdf"));
    // Bars in whole dots of the printer itself, where CUPS tells its resolution.
    const int dpi = cups::resolutionOf(request.printer);
    switch (reports::writePdf(document, pdf, {pages, progress, dpi > 0 ? dpi : reports::kPdfBarDotsPerInch},
                              &outcome.error)) {
    case reports::PdfOutcome::Written: break;
    case reports::PdfOutcome::Cancelled: return {Status::Cancelled, 0, 0, {}};
    case reports::PdfOutcome::Failed: outcome.status = Status::Failed; return outcome;
    }
    outcome.job = cups::sendPdf(request.printer, pdf, document.title, request.copies, request.options, &outcome.error);
    outcome.status = outcome.job ? Status::Sent : Status::PrinterProblem;
    outcome.pages = int(pages.size());
    return outcome;
}

}  // namespace brovik::tickets
