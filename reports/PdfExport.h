#pragma once

#include "reports/PageModel.h"

#include <QString>
#include <vector>

namespace brovik::reports {

// Barcode bars in a PDF sit on a 600-dpi grid, whole modules apart, so that rasters of
// 300, 600 and 1200 dpi show them in whole dots.
inline constexpr int kPdfBarDotsPerInch = 600;

// Told after each page written; returning false stops the writing.
class PdfProgress {
public:
    virtual ~PdfProgress() = default;
    virtual bool pageWritten(int written, int total) = 0;
};

// Some pages of a document (0-based indexes, in the order they are written).
struct PdfPages {
    std::vector<int> pages;
    PdfProgress* progress = nullptr;
    // The grid the bars sit on: a printer's own resolution when the PDF is for one.
    int barDotsPerInch = kPdfBarDotsPerInch;
};

enum class PdfOutcome { Written, Failed, Cancelled };

// Writes the pages to a PDF file, A4 in the document's orientation, each page placed
// from the paper's corner exactly as previewed. The file appears only when complete:
// on failure or cancelling an existing file keeps its contents and no new one is left.
// No pages give one blank page: a PDF cannot be empty.
PdfOutcome writePdf(const Document& document, const QString& fileName, const PdfPages& pages, QString* error);

// Every page; false with the cause in `error` on failure.
bool exportPdf(const Document& document, const QString& fileName, QString* error = nullptr);

// 0, 1, ... count - 1.
std::vector<int> allPages(const Document& document);

}  // namespace brovik::reports
